// CMFacade is the command handlers' window on the device model. It names
// devices the way the console prints them, reads attributes as display text,
// answers "?" from an operation's capability tree, checks and translates the
// values a user typed into model values, converts between the console's
// one-based numbers and the model's zero-based ones, and finds drives by the
// addresses users type.
//
// It has no state: copies are free and every member may be called on any
// instance. Failures are reported through CError::log and returned as
// false or an empty pointer; nothing here throws. The members that read
// several values of one device take its DeviceValues (a device converts to
// one), so that a caller already reading the device has its type read once.
#ifndef VNL_CLI_OPS_CMFACADE_H
#define VNL_CLI_OPS_CMFACADE_H

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/ops/devicevalues.h"
#include "core/capability.h"
#include "core/device.h"
#include "core/operationreturn.h"

// Parameters of one operation: (model attribute name, value) pairs.
using OpParams = std::vector<std::pair<std::string, std::string>>;

class CMFacade {
public:
    // --- Device kinds and relatives -------------------------------------
    bool isTargetType(const Core::DevicePtr& device, std::string_view type) const;
    // The raw model value of an attribute ("" when absent).
    std::string rawVal(const Core::DevicePtr& device, std::string_view attribute) const;
    // The display text of an attribute, falling back to the storage system
    // around the device; "" when neither has it.
    std::string attrVal(const Core::DevicePtr& device, std::string_view attribute) const;
    Core::DevicePtr controller(const DeviceValues& device) const;
    Core::DevicePtr storagesystem(const Core::DevicePtr& device) const;
    // Where the settings of a device are changed: the storage system it sits
    // in when that is its parent, the device itself otherwise.
    Core::DevicePtr operationHome(const Core::DevicePtr& device) const;
    // The model identifier of the device's controller (of the first
    // controller inside it for a storage system); "" when unknown.
    std::string controllerModel(const Core::DevicePtr& device) const;
    Core::DevicePtr array(const DeviceValues& device) const;
    Core::DeviceList initiatorList(const Core::DevicePtr& device) const;
    bool isDriveArrayType(const Core::DevicePtr& drive, const Core::DevicePtr& other) const;

    // --- Names as printed -------------------------------------------------
    std::string ctrlName(const Core::DevicePtr& device) const;
    std::string ldName(const DeviceValues& device, unsigned width = 0) const;
    std::string pdName(const DeviceValues& device, unsigned width = 0) const;
    std::string arrayName(const DeviceValues& device) const;
    std::string deviceName(const DeviceValues& device, unsigned width = 0) const;

    // --- Capabilities and "?" ---------------------------------------------
    Core::CapabilityPtr hasCapOption(const Core::DevicePtr& device, const std::string& operation,
                                     const std::string& attribute, const std::string& word) const;
    Core::CapabilityPtr hasCapOption2(const Core::CapabilityPtr& capability, const std::string& attribute,
                                      const std::string& word) const;
    std::string capOptions(const Core::CapabilityPtr& capability, const std::string& attribute) const;
    // The "?" answer around option lines (each "\n   word"), or the line
    // saying there are none.
    std::string optionsText(const std::string& lines) const;
    std::string capOptionsEx(const Core::DevicePtr& device, const std::string& operation,
                             const std::string& attribute) const;
    std::string capError(const Core::DevicePtr& device, const std::string& attribute, const std::string& value) const;
    // The capability of `attribute` among the arguments of `operation` on
    // the device; empty when the device lacks the operation or argument.
    Core::CapabilityPtr attributeCapability(const Core::DevicePtr& device, const std::string& operation,
                                            const std::string& attribute) const;
    // False, after reporting it, when `value` is longer than the capability
    // of `attribute` allows (its ATTR_NAME_MAXIMUM_VALUE characters).
    bool isWithinMaximumLength(const Core::DevicePtr& device, const std::string& operation,
                               const std::string& attribute, const std::string& value) const;
    // Checks every parameter against the operation's capabilities and turns
    // it into its model value; prints the options for "?". True when the
    // operation may run.
    bool processParams(const Core::DevicePtr& device, const std::string& operation, OpParams& params) const;

    // --- Words and numbers ------------------------------------------------
    std::string toConfigMod(const std::string& attribute, const std::string& word) const;
    std::string attrNameToKeyword(const std::string& attribute) const;
    std::string toZeroIndex(const std::string& text) const;
    std::string toArrayIndex(const std::string& letters) const;
    std::string padDigits(const std::string& text, unsigned width) const;

    // --- Drives -----------------------------------------------------------
    // The physical drive at an address split at ":" (port:box:bay, box:bay
    // or bus:id) below a controller, or among an array's data drives.
    Core::DevicePtr findDrive(const Core::DevicePtr& device, std::vector<std::string> parts) const;
    // Expands a "drives" value ("all", "allunassigned" or a comma list) into
    // `drives`; only drives of `interface` when it is given. False after
    // reporting a duplicate or an address that names no usable drive.
    bool getPDList(const Core::DevicePtr& device, const std::string& list, Core::DeviceList& drives,
                   const std::string& interface = "") const;
    // The one array whose data drives are exactly `drives`; empty after
    // reporting why the list names no such array.
    Core::DevicePtr getArray(const Core::DeviceList& drives) const;

    // Reports a failed operation; a success prints nothing.
    void opErrMsg(const Core::OperationReturn& result) const;
};

#endif
