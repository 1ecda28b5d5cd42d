#include "cli/ops/showop.h"

#include <span>

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/devlister.h"
#include "cli/ops/showtext.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using namespace ShowRows;

namespace {

std::string indent(unsigned level) { return std::string(3 * level, ' '); }

bool contains(const Core::DeviceList& devices, const Core::DevicePtr& device)
{
    for (const Core::DevicePtr& each : devices)
        if (each.get() == device.get())
            return true;
    return false;
}

// Appends ", " (unless `text` is empty), `label` and `value` to `text`: an absent value shows
// neither value nor label.
void appendPresent(std::string& text, const char* label, const std::string& value)
{
    if (value.empty())
        return;
    if (!text.empty())
        text += ", ";
    text += label;
    text += value;
}

} // namespace

CShowOp::CShowOp(bool detail, std::ostream* stream, bool ssp, bool config, bool f3, bool f4, bool f5, bool f6)
    : CPerformOp(stream), m_detail(detail), m_config(config), m_ssp(ssp), m_f3(f3), m_f4(f4), m_f5(f5), m_f6(f6)
{
}

bool CShowOp::getDeviceOp(const Core::DevicePtr& device, Core::DeviceOperationPtr& operation)
{
    operation = Core::DeviceOperationPtr();
    const DeviceValues values(device);
    const Common::string& type = values.type();
    bool isController = type == ATTR_VALUE_TYPE_ARRAY_CONTROLLER;
    if (m_ssp) {
        if (isController)
            ShowSSP(device);
        else
            CError::log(CLI_MESSAGES::TARGET_CONTROLLER, "", 1);
    } else if (type == ATTR_VALUE_TYPE_PHYSICAL_DRIVE) {
        ShowPD(values);
    } else if (type == ATTR_VALUE_TYPE_TAPE_DRIVE) {
        ShowTD(device);
    } else if (type == ATTR_VALUE_TYPE_LOGICAL_DRIVE) {
        ShowLD(values);
    } else if (type == ATTR_VALUE_TYPE_ARRAY) {
        ShowArray(device);
    } else if (isController) {
        ShowController(device);
    } else {
        CError::log(CLI_MESSAGES::CANNOT_SHOW, "", 1);
    }
    return false;
}

void CShowOp::showRows(const DeviceValues& device, std::span<const Row> rows, unsigned level)
{
    for (const Row& row : rows)
        Show(device, row.attribute, row.label, row.suffix, level);
}

void CShowOp::Show(const DeviceValues& device, const std::string& attribute, const std::string& label,
                   const std::string& suffix, unsigned level, unsigned width)
{
    attr_print(device.shown(attribute), indent(level) + label, suffix, width);
}

// The controller of consecutive devices is mostly the same one, whose name
// is then not made again.
std::string CShowOp::controllerTitle(const DeviceValues& device)
{
    if (m_config)
        return std::string();
    const Core::DevicePtr controller = m_facade.controller(device);
    if (controller && controller.get() == m_lastControllerDevice.get())
        return std::string();
    m_lastControllerDevice = controller;
    const std::string name = m_facade.ctrlName(device.device());
    if (name.empty() || name == m_lastController)
        return std::string();
    m_lastController = name;
    return name + "\n";
}

// A spare may serve several arrays; listed after the drives of one of them
// (as the sort places a spare under the array a target named), it stays
// under that array's heading.
Core::DevicePtr CShowOp::headingArray(const DeviceValues& device)
{
    for (const Core::DevicePtr& served : associated(device.device(), ASSOCIATION_SPARE_DRIVE))
        if (arrayLetter(served) == m_lastArray)
            return served;
    return m_facade.array(device);
}

const std::string& CShowOp::arrayLetter(const Core::DevicePtr& array)
{
    if (array.get() != m_letterArray.get()) {
        m_letterArray = array;
        m_letter = m_facade.attrVal(array, ATTR_NAME_ARRAY_NUMBER);
    }
    return m_letter;
}

std::string CShowOp::arrayTitle(const DeviceValues& device)
{
    Core::DevicePtr array = headingArray(device);
    if (!array) {
        bool unassigned = device.raw(ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_UNASSIGNED;
        if (!unassigned || m_lastArray == "unassigned")
            return std::string();
        m_lastArray = "unassigned";
        return "\n   unassigned\n\n";
    }
    const std::string& letter = arrayLetter(array);
    if (letter == m_lastArray)
        return std::string();
    m_lastArray = letter;
    bool failed = m_facade.rawVal(array, ATTR_NAME_STATUS) == ATTR_VALUE_STATUS_FAILED;
    return "\n   array " + letter + (failed ? " (Failed)" : "") + "\n\n";
}

// ---- Controllers ---------------------------------------------------------

void CShowOp::ShowController(const Core::DevicePtr& controller)
{
    if (m_detail)
        showControllerLong(controller);
    else
        showControllerShort(controller);
}

void CShowOp::showControllerShort(const Core::DevicePtr& controller)
{
    bool standby = !m_facade.rawVal(controller, ATTR_NAME_IO_SLOT).empty() &&
        m_facade.rawVal(controller, ATTR_NAME_REDUNDANT_STATE) == ATTR_VALUE_REDUNDANT_STATE_STANDBY;
    if (standby)
        return;
    std::string identity;
    const std::pair<const char*, const char*> pieces[] = {{"sn: ", ATTR_NAME_CONTROLLER_SERIAL_NUMBER},
                                                          {"csn: ", ATTR_NAME_CHASSIS_SERIAL_NUMBER},
                                                          {"wwn: ", ATTR_NAME_WWN_PORT}};
    for (const auto& [label, attribute] : pieces)
        appendPresent(identity, label, m_facade.attrVal(controller, attribute));
    if (identity.empty()) {
        print(m_facade.ctrlName(controller) + "\n");
    } else {
        // A name that fills the column still keeps a blank before "(".
        const std::string name = m_facade.ctrlName(controller);
        print(name.size() < 30 ? name : name + " ", 30);
        print("(" + identity + ")\n");
    }
    showRows(controller, LOCATION_ROWS, 1);
}

void CShowOp::showControllerLong(const Core::DevicePtr& controller)
{
    print(m_facade.ctrlName(controller) + "\n");
    for (const Row& row : CONTROLLER_ROWS) {
        switch (row.kind) {
        case Line::Plain:
            Show(controller, row.attribute, row.label, row.suffix, 1);
            break;
        case Line::Location:
            showRows(controller, LOCATION_ROWS, 1);
            break;
        case Line::Qrx:
            attr_print(ShowText::qrxStatus(m_facade, controller), indent(1) + row.label, row.suffix, 0);
            break;
        case Line::RedundantController:
            showRedundantController(controller);
            break;
        case Line::Batteries:
            showBatteries(controller);
            break;
        case Line::HostBusAdapter:
            showHostBusAdapter(controller);
            break;
        }
    }
}

void CShowOp::showRedundantController(const Core::DevicePtr& controller)
{
    const Core::DevicePtr other = ShowText::redundantPartner(m_facade, controller);
    if (!other)
        return;
    print("   Redundant Controller: \n");
    print(indent(2) + "Chassis Slot: " + m_facade.attrVal(other, ATTR_NAME_IO_SLOT) +
          ", sn: " + m_facade.attrVal(other, ATTR_NAME_CONTROLLER_SERIAL_NUMBER) +
          ", wwn: " + m_facade.attrVal(other, ATTR_NAME_WWN_PORT) + "\n");
}

void CShowOp::showBatteries(const Core::DevicePtr& controller)
{
    const std::string status = ShowText::batteryStatus(m_facade, controller);
    if (m_facade.rawVal(controller, ATTR_NAME_BATTERY_PACK_COUNT).empty() && status.empty())
        return;
    const unsigned level = 2;
    std::string chassisSlot = m_facade.attrVal(controller, ATTR_NAME_IO_SLOT);
    if (!chassisSlot.empty())
        print("   Chassis Slot " + chassisSlot + " Battery Info\n");
    Show(controller, ATTR_NAME_BATTERY_PACK_COUNT, "Battery Pack Count: ", "\n", level);
    attr_print(status, indent(level) + "Battery Status: ", "\n", 0);
    attr_print(ShowText::failedBatteries(m_facade, controller), indent(level) + "Failed Battery Location: ", "\n", 0);
}

void CShowOp::showHostBusAdapter(const Core::DevicePtr& controller)
{
    const Core::DevicePtr adapter = ShowText::hostBusAdapter(controller);
    if (!adapter)
        return;
    Show(adapter, ATTR_NAME_SLOT, "Host Bus Adapter Slot: ", "\n", 1);
    Show(controller, ATTR_NAME_HBA_PORT, "Host Bus Adapter Port: ", "\n", 1);
}

// ---- Arrays --------------------------------------------------------------

void CShowOp::ShowArray(const Core::DevicePtr& array)
{
    print(controllerTitle(array));
    if (m_config && !m_f5) {
        print("\n" + controllerTitle(array) + "\n");
        m_f5 = true;
    }
    std::string letter = m_facade.attrVal(array, ATTR_NAME_ARRAY_NUMBER);
    if (m_detail) {
        print(indent(1) + "Array: " + letter + "\n");
        showRows(array, ARRAY_ROWS, 2);
    } else {
        std::string facts;
        appendPresent(facts, "", m_facade.attrVal(array, ATTR_NAME_INTERFACE));
        appendPresent(facts, "Unused Space: ", m_facade.attrVal(array, ATTR_NAME_FREE_BLOCKS));
        print("   array " + letter + (facts.empty() ? "" : " (" + facts + ")") + "\n");
    }
    if (m_config) {
        // The array's own line is its heading in a configuration listing.
        m_lastArray = letter;
        m_f3 = m_f4 = m_f6 = false;
    }
}

// ---- Logical drives --------------------------------------------------------

void CShowOp::driveHeading(const DeviceValues& drive, bool& sectionFlag)
{
    print(controllerTitle(drive));
    if (m_config && !sectionFlag) {
        print("\n");
        sectionFlag = true;
    }
    print(arrayTitle(drive));
}

void CShowOp::ShowLD(const DeviceValues& drive)
{
    driveHeading(drive, m_f3);
    if (m_detail) {
        showLDLong(drive);
        return;
    }
    print("      logicaldrive " + drive.shown(ATTR_NAME_DRIVE_NUMBER) + " (" + drive.shown(ATTR_NAME_USEABLE_BLOCKS) +
          ", " + drive.shown(ATTR_NAME_RAID) + ", " + ShowText::ldStatus(drive) + ")\n");
}

void CShowOp::showLDLong(const DeviceValues& drive)
{
    Show(drive, ATTR_NAME_DRIVE_NUMBER, "Logical Drive: ", "\n", 2);
    showRows(drive, LOGICAL_DRIVE_ROWS, 3);
    attr_print(ShowText::ldStatus(drive), indent(3) + "Status: ", "\n", 0);
    showRows(drive, LOGICAL_DRIVE_TAIL_ROWS, 3);
    for (const Core::DevicePtr& path : associated(drive.device(), ASSOCIATION_PREFERRED_PATH))
        Show(path, ATTR_NAME_IO_SLOT, "Preferred Controller Chassis Slot: ", "\n", 3);
    Show(drive, ATTR_NAME_DRIVE_ACCESS_NAME, "Disk Name: ", "\n", 3);
    showMountPoints(drive.device());
    showUnmaskedAdapters(drive.device());
    Show(drive, ATTR_NAME_STATE, "   Logical Drive Message: ", "\n", 3);
}

void CShowOp::showMountPoints(const Core::DevicePtr& drive)
{
    std::string points;
    for (const Core::DevicePtr& extent : devicesBelow(drive, ATTR_VALUE_TYPE_DISK_EXTENT)) {
        std::string point = m_facade.rawVal(extent, ATTR_NAME_DISK_EXTENT_MOUNT_POINT);
        if (point.empty())
            continue;
        points += (points.empty() ? "" : ", ") + point + " " + m_facade.attrVal(extent, ATTR_NAME_DISK_EXTENT_SIZE);
    }
    print(indent(3) + "Mount Points: " + (points.empty() ? "None" : points) + "\n");
}

void CShowOp::showUnmaskedAdapters(const Core::DevicePtr& drive)
{
    Core::DeviceList initiators = associated(drive, ASSOCIATION_INITIATOR_WITH_ACCESS);
    if (initiators.empty())
        return;
    print(indent(3) + "Unmasked AdapterId's\n");
    for (const Core::DevicePtr& initiator : initiators)
        print(indent(4) + m_facade.rawVal(initiator, ATTR_NAME_INITIATOR_ID) + "\n");
}

// ---- Physical and tape drives ----------------------------------------------

void CShowOp::ShowPD(const DeviceValues& drive)
{
    bool firstOfSection = !m_f4;
    driveHeading(drive, m_f4);
    if (m_config && firstOfSection)
        m_f5 = false;
    if (m_detail)
        showPDLong(drive);
    else
        showPDShort(drive);
}

void CShowOp::showPDShort(const DeviceValues& drive)
{
    const ShowText::DrivePlace place = ShowText::drivePlace(drive);
    std::string facts = ShowText::driveLocation(place, 6);
    for (const std::string& fact :
         {drive.shown(ATTR_NAME_INTERFACE), ShowText::driveSize(drive), drive.shown(ATTR_NAME_STATUS)})
        appendPresent(facts, "", fact);
    print("      physicaldrive " + ShowText::driveAddress(place, 3) + " (" + facts + ShowText::spareMark(drive) +
          ")\n");
}

void CShowOp::showPDLong(const DeviceValues& drive)
{
    print(indent(2) + "physicaldrive " + ShowText::driveAddress(ShowText::drivePlace(drive), 0) + "\n");
    showRows(drive, ShowText::locationRows(m_facade, drive.device()), 3);
    showRows(drive, PHYSICAL_DRIVE_ROWS, 3);
    print(indent(3) + "Size: " + ShowText::driveSize(drive) + "\n");
    showRows(drive, PHYSICAL_DRIVE_TAIL_ROWS, 3);
}

void CShowOp::ShowTD(const Core::DevicePtr& drive)
{
    print(controllerTitle(drive));
    std::string bus = m_facade.attrVal(drive, ATTR_NAME_SCSI_BUS);
    std::string id = m_facade.attrVal(drive, ATTR_NAME_SCSI_ID);
    if (m_detail) {
        print("tapedrive " + bus + ":" + id + "\n");
        for (const Row& row : TAPE_DRIVE_ROWS)
            Show(drive, row.attribute, row.label, row.suffix, 1);
        return;
    }
    print(arrayTitle(drive));
    std::string paddedId = id;
    bufferLine(paddedId, 3);
    print(indent(1) + "tapedrive " + bus + ":" + paddedId + " (port " + bus + ":id " + id + ", " +
          m_facade.attrVal(drive, ATTR_NAME_STATUS) + ")\n");
}

// ---- SSP -------------------------------------------------------------------

void CShowOp::ShowSSP(const Core::DevicePtr& controller)
{
    if (m_facade.attrVal(controller, ATTR_NAME_SSP_STATE).empty()) {
        print_ln(CLI_MESSAGES::NO_SSP_INFORMATION);
        return;
    }
    print(m_facade.deviceName(controller) + "\n");
    Core::DevicePtr home = DevicesHome(controller);
    Core::DeviceList drives;
    for (const Core::DevicePtr& drive : devicesBelow(home, ATTR_VALUE_TYPE_LOGICAL_DRIVE))
        if (m_facade.rawVal(drive, ATTR_NAME_SSP_STATE) == ATTR_VALUE_SSP_STATE_ENABLED)
            drives.push_back(drive);
    for (const Core::DevicePtr& initiator : m_facade.initiatorList(home))
        showAdapter(initiator, drives);
}

void CShowOp::showAdapter(const Core::DevicePtr& initiator, const Core::DeviceList& drives)
{
    // An adapter without a name is still listed; its name shows as Unknown.
    for (const char* needed : {ATTR_NAME_INITIATOR_ID, ATTR_NAME_LOCATION, ATTR_NAME_STATUS})
        if (m_facade.rawVal(initiator, needed).empty())
            return;
    std::string name = m_facade.rawVal(initiator, ATTR_NAME_CONNECTION_NAME);
    print("\n   Adapter ID:        " + m_facade.rawVal(initiator, ATTR_NAME_INITIATOR_ID) + "\n");
    print("      connectionname: " + (name.empty() ? std::string("Unknown") : name) + "\n");
    print("      Location:       " + m_facade.attrVal(initiator, ATTR_NAME_LOCATION) + "\n");
    print("      Status:         " + m_facade.attrVal(initiator, ATTR_NAME_STATUS) + "\n");
    Show(initiator, ATTR_NAME_HOST_MODE, "      Host Mode:      ");
    for (const Core::DevicePtr& drive : drives)
        print("      " + m_facade.deviceName(drive) +
              (contains(associated(drive, ASSOCIATION_INITIATOR_WITH_ACCESS), initiator) ? " is unmasked"
                                                                                         : " is masked") +
              "\n");
}
