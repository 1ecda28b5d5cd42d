// CShowOp prints devices for the show command: controllers, arrays, logical,
// physical and tape drives, each in a one-line form or, with detail, a long
// form of one labelled line per attribute, or a controller's SSP view. It
// never performs an operation.
//
// One CShowOp serves one show command. It remembers the last controller and
// array heading it printed, so that a sorted list of devices comes out as a
// tree: each heading once, before the first device under it. In a
// configuration listing (config) the per-device controller heading is left
// out, and the section flags place the empty lines between an array, its
// logical drives and its physical drives. Attributes a device lacks are
// simply not printed.
#ifndef VNL_CLI_OPS_SHOWOP_H
#define VNL_CLI_OPS_SHOWOP_H

#include <ostream>
#include <span>
#include <string>

#include "cli/ops/performop.h"
#include "cli/ops/showrows.h"

class CShowOp : public CPerformOp {
public:
    CShowOp(bool detail, std::ostream* stream, bool ssp = false, bool config = false, bool f3 = false, bool f4 = false,
            bool f5 = true, bool f6 = false);

    bool getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation) override;

    void ShowController(const Core::DevicePtr& controller);
    void ShowArray(const Core::DevicePtr& array);
    void ShowLD(const DeviceValues& drive);
    void ShowPD(const DeviceValues& drive);
    void ShowTD(const Core::DevicePtr& drive);
    void ShowSSP(const Core::DevicePtr& controller);

private:
    void showRows(const DeviceValues& device, std::span<const ShowRows::Row> rows, unsigned level);
    // Prints indent(level) + label + display value + suffix, padded to
    // `width`; nothing when the device lacks the attribute.
    void Show(const DeviceValues& device, const std::string& attribute, const std::string& label,
              const std::string& suffix = "\n", unsigned level = 0, unsigned width = 0);
    // The controller's name before the first device under it; nothing in a
    // configuration listing.
    std::string controllerTitle(const DeviceValues& device);
    std::string arrayTitle(const DeviceValues& device);
    // The array's letter as shown, read once for the devices listed under it.
    const std::string& arrayLetter(const Core::DevicePtr& array);
    Core::DevicePtr headingArray(const DeviceValues& device);

    void showControllerLong(const Core::DevicePtr& controller);
    void showControllerShort(const Core::DevicePtr& controller);
    void showRedundantController(const Core::DevicePtr& controller);
    void showBatteries(const Core::DevicePtr& controller);
    void showHostBusAdapter(const Core::DevicePtr& controller);
    void showLDLong(const DeviceValues& drive);
    void showMountPoints(const Core::DevicePtr& drive);
    void showUnmaskedAdapters(const Core::DevicePtr& drive);
    void showPDLong(const DeviceValues& drive);
    void showPDShort(const DeviceValues& drive);
    void showAdapter(const Core::DevicePtr& initiator, const Core::DeviceList& drives);
    void driveHeading(const DeviceValues& drive, bool& sectionFlag);

    std::string m_lastController;
    Core::DevicePtr m_lastControllerDevice;
    std::string m_lastArray;
    Core::DevicePtr m_letterArray;
    std::string m_letter;
    bool m_detail;
    bool m_config;
    bool m_ssp;
    bool m_f3;
    bool m_f4;
    bool m_f5;
    bool m_f6;
};

#endif
