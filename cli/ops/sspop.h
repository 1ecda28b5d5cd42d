// CSSPOp carries out selective storage presentation for the modify command:
// switching SSP on and off, masking and unmasking logical drives for host
// adapters, naming adapters and setting their host modes.
//
// A "controller" argument is the controller a user selected; the access
// lists, adapters (initiators) and SSP state it works on are those of the
// storage system the controller sits in. Adapters are named by their adapter
// ids, typed without the trailing blanks the model may keep, or by their
// connection names. Every refusal is reported through CError before anything
// is written; writes go through the device operations, and the devices
// written are kept (written()) so that the caller can read them again.
//
// As a functor on logical drives (getDeviceOp) it applies the mask and unmask
// lists it was built with; it never hands an operation back for CPerformOp to
// perform.
#ifndef VNL_CLI_OPS_SSPOP_H
#define VNL_CLI_OPS_SSPOP_H

#include <ostream>
#include <string>
#include <vector>

#include "cli/ops/performop.h"

class CSSPOp : public CPerformOp {
public:
    // Each list: adapter ids or connection names separated by ",", or "all",
    // or "none"; an empty list selects nothing.
    CSSPOp(const std::string& mask, const std::string& unmask, std::ostream* stream);

    bool getDeviceOp(const Core::DevicePtr& drive, Core::DeviceOperationPtr& operation) override;

    bool isSSPEnabled(const Core::DevicePtr& controller) const;
    void EnableSSP(const Core::DevicePtr& controller, bool on);
    // The preconditions of masking a logical drive; false after reporting.
    bool validate(const Core::DevicePtr& drive);
    void SSP(const Core::DevicePtr& drive);
    // An empty name removes the adapter's name.
    void SetConnectionName(const Core::DevicePtr& controller, const std::string& adapterId, const std::string& name);
    // `specifiers`: adapter ids or connection names separated by ",".
    void SetHostModes(const Core::DevicePtr& controller, const std::string& specifiers, const std::string& mode);
    // A mode of "?" lists the host modes and changes nothing.
    void SetHostMode(const Core::DevicePtr& controller, const std::string& adapterId, const std::string& mode);
    bool hasHostMode(const Core::DevicePtr& adapter) const;
    // False, after a warning, when "all" or "none" is also an adapter's
    // connection name: the word then stands for that name.
    bool isKeywordUsable(const std::string& word, const Core::DevicePtr& controller);
    // The stored adapter ids the mask (or the unmask) list selects; false
    // after reporting an entry that names no adapter.
    bool selectedAdapterIDList(const Core::DevicePtr& controller, bool mask, std::vector<std::string>& ids);
    // The list with every connection name replaced by the ids of the adapters
    // that carry it; other entries are kept as they are.
    std::vector<std::string> convertNaming(const Core::DevicePtr& controller,
                                           const std::vector<std::string>& list) const;
    // The stored form of an adapter id typed without its trailing blanks;
    // "" when no adapter has it.
    std::string getPaddedAdapterId(const Core::DevicePtr& controller, const std::string& id) const;

    const std::vector<Core::DevicePtr>& written() const { return m_written; }

private:
    Core::DevicePtr box(const Core::DevicePtr& device) const;
    Core::DevicePtr initiator(const Core::DevicePtr& controller, const std::string& paddedId) const;
    // The host mode among `modes` that `mode` names, whatever its case; "" for none.
    std::string offeredHostMode(const Core::CapabilityPtr& modes, const std::string& mode) const;
    Core::OperationReturn perform(const Core::DevicePtr& device, const Core::DeviceOperationPtr& operation);

    std::string m_mask;
    std::string m_unmask;
    std::vector<Core::DevicePtr> m_written;
};

#endif
