#include "cli/ops/jsonlisting.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/devlister.h"
#include "cli/ops/showtext.h"
#include "common/compoundlist.h"

using namespace ShowRows;
using json = nlohmann::ordered_json;

namespace {

// Attributes that count 512-byte blocks: their lines also give bytes.
constexpr const char* BLOCK_COUNTS[] = {
    ATTR_NAME_USEABLE_BLOCKS,  ATTR_NAME_FREE_BLOCKS,      ATTR_NAME_TOTAL_BLOCKS,    ATTR_NAME_STRIPE_SIZE,
    ATTR_NAME_CACHE_SIZE_READ, ATTR_NAME_CACHE_SIZE_WRITE, ATTR_NAME_CACHE_SIZE_TOTAL};
constexpr std::uint64_t BLOCK_BYTES = 512;

bool countsBlocks(const std::string& attribute)
{
    return std::find(std::begin(BLOCK_COUNTS), std::end(BLOCK_COUNTS), attribute) != std::end(BLOCK_COUNTS);
}

// False for a value that is no count, or too large a count to give in bytes.
bool toBytes(const std::string& raw, std::uint64_t& bytes)
{
    std::uint64_t blocks = 0;
    const char* end = raw.data() + raw.size();
    const auto [stop, error] = std::from_chars(raw.data(), end, blocks);
    if (raw.empty() || error != std::errc() || stop != end ||
        blocks > std::numeric_limits<std::uint64_t>::max() / BLOCK_BYTES)
        return false;
    bytes = blocks * BLOCK_BYTES;
    return true;
}

// The text a label prints between its colon and the value: "Rev " of
// "Hardware Revision: Rev ".
std::string afterColon(const std::string& label)
{
    const std::size_t colon = label.find(": ");
    return colon == std::string::npos ? std::string() : label.substr(colon + 2);
}

std::string withoutLineEnd(std::string suffix)
{
    if (!suffix.empty() && suffix.back() == '\n')
        suffix.pop_back();
    return suffix;
}

// A value of several elements, which the text prints one line each, is a list.
json valueOf(const std::string& head, const std::string& value, const std::string& tail)
{
    const Common::CompoundList elements(value.c_str(), true);
    if (elements.size() <= 1)
        return head + value + tail;
    json list = json::array();
    for (const Common::string& element : elements)
        list.push_back(head + Common::toStdString(element) + tail);
    return list;
}

bool holds(const Core::DeviceList& devices, const Core::DevicePtr& device)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&](const Core::DevicePtr& each) { return each.get() == device.get(); });
}

} // namespace

CJsonListing::CJsonListing(Form form) : m_form(form), m_document({{"controllers", json::array()}}) {}

std::string CJsonListing::keyOf(const std::string& label)
{
    std::string key;
    for (char c : label.substr(0, label.find(':'))) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!key.empty() && key.back() != '_')
            key += '_';
    }
    while (!key.empty() && key.back() == '_')
        key.pop_back();
    return key;
}

void CJsonListing::setController(const Core::DevicePtr& controller) { m_controller = controller; }

void CJsonListing::add(const Core::DevicePtr& device)
{
    const bool isController = m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY_CONTROLLER);
    if (m_form == Form::Ssp) {
        if (isController)
            addSSP(device);
        else
            CError::log(CLI_MESSAGES::TARGET_CONTROLLER, "", 1);
    } else if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_PHYSICAL_DRIVE)) {
        addPD(device);
    } else if (m_form == Form::Devices && m_facade.isTargetType(device, ATTR_VALUE_TYPE_TAPE_DRIVE)) {
        addTD(device);
    } else if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_LOGICAL_DRIVE)) {
        addLD(device);
    } else if (m_facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY)) {
        addArray(device);
    } else if (isController) {
        addController(device);
    } else {
        CError::log(m_form == Form::Status ? CLI_MESSAGES::CANNOT_SHOW_STATUS : CLI_MESSAGES::CANNOT_SHOW, "", 1);
    }
}

// ---- Where a device goes ---------------------------------------------------

json& CJsonListing::controllerEntry(const Core::DevicePtr& device)
{
    const Core::DevicePtr controller = m_controller ? m_controller : m_facade.controller(device);
    json& list = m_document["controllers"];
    const auto [place, added] = m_controllers.try_emplace(controller.get(), list.size());
    if (added)
        list.push_back(json{{"name", m_facade.ctrlName(controller)}});
    return list[place->second];
}

json& CJsonListing::arrayEntry(json& controller, const Core::DevicePtr& array)
{
    const std::string letter = m_facade.attrVal(array, ATTR_NAME_ARRAY_NUMBER);
    json& arrays = controller["arrays"];
    for (json& entry : arrays)
        if (entry["array"] == letter)
            return entry;
    arrays.push_back(json{{"array", letter}});
    return arrays.back();
}

void CJsonListing::file(json& parent, const char* key, const Core::DevicePtr& device, json object)
{
    json& list = parent[key];
    if (list.is_null())
        list = json::array();
    if (m_filed.emplace(list.get_ptr<const json::array_t*>(), device.get()).second)
        list.push_back(std::move(object));
}

// ---- Fields ------------------------------------------------------------------

void CJsonListing::put(json& object, const std::string& key, const std::string& text)
{
    if (!text.empty())
        object[key] = text;
}

void CJsonListing::putBytes(json& object, const std::string& key, const Core::DevicePtr& device,
                            const std::string& attribute) const
{
    std::string raw = m_facade.rawVal(device, attribute);
    if (raw.empty()) // a controller's value may be its storage system's
        raw = m_facade.rawVal(m_facade.storagesystem(device), attribute);
    std::uint64_t bytes = 0;
    if (countsBlocks(attribute) && toBytes(raw, bytes))
        object[key + "_bytes"] = bytes;
}

void CJsonListing::putRows(json& object, const Core::DevicePtr& device, std::span<const Row> rows) const
{
    for (const Row& row : rows) {
        const std::string value = m_facade.attrVal(device, row.attribute);
        if (row.kind != Line::Plain || value.empty())
            continue;
        const std::string key = keyOf(row.label);
        object[key] = valueOf(afterColon(row.label), value, withoutLineEnd(row.suffix));
        putBytes(object, key, device, row.attribute);
    }
}

// ---- Controllers -----------------------------------------------------------

void CJsonListing::addController(const Core::DevicePtr& controller)
{
    json& entry = controllerEntry(controller);
    for (const Row& row : CONTROLLER_ROWS)
        putControllerRow(entry, controller, row);
}

void CJsonListing::putControllerRow(json& object, const Core::DevicePtr& controller, const Row& row) const
{
    switch (row.kind) {
    case Line::Plain:
        putRows(object, controller, std::span<const Row>(&row, 1));
        break;
    case Line::Location:
        putRows(object, controller, LOCATION_ROWS);
        break;
    case Line::Qrx:
        put(object, keyOf(row.label), ShowText::qrxStatus(m_facade, controller));
        break;
    case Line::RedundantController:
        if (const Core::DevicePtr other = ShowText::redundantPartner(m_facade, controller)) {
            json partner = json::object();
            put(partner, "chassis_slot", m_facade.attrVal(other, ATTR_NAME_IO_SLOT));
            put(partner, "serial_number", m_facade.attrVal(other, ATTR_NAME_CONTROLLER_SERIAL_NUMBER));
            put(partner, "wwn", m_facade.attrVal(other, ATTR_NAME_WWN_PORT));
            object[keyOf(row.label)] = partner;
        }
        break;
    case Line::Batteries:
        putBatteries(object, controller);
        break;
    case Line::HostBusAdapter:
        if (const Core::DevicePtr adapter = ShowText::hostBusAdapter(controller)) {
            put(object, "host_bus_adapter_slot", m_facade.attrVal(adapter, ATTR_NAME_SLOT));
            put(object, "host_bus_adapter_port", m_facade.attrVal(controller, ATTR_NAME_HBA_PORT));
        }
        break;
    }
}

void CJsonListing::putBatteries(json& object, const Core::DevicePtr& controller) const
{
    const std::string count = m_facade.attrVal(controller, ATTR_NAME_BATTERY_PACK_COUNT);
    const std::string status = ShowText::batteryStatus(m_facade, controller);
    if (count.empty() && status.empty())
        return;
    put(object, "battery_pack_count", count);
    put(object, "battery_status", status);
    put(object, "failed_battery_location", ShowText::failedBatteries(m_facade, controller));
}

// ---- Arrays and drives -------------------------------------------------------

void CJsonListing::addArray(const Core::DevicePtr& array)
{
    putRows(arrayEntry(controllerEntry(array), array), array, ARRAY_ROWS);
}

void CJsonListing::addLD(const Core::DevicePtr& drive)
{
    json& controller = controllerEntry(drive);
    const Core::DevicePtr array = m_facade.array(drive);
    file(array ? arrayEntry(controller, array) : controller, "logical_drives", drive, logicalDrive(drive));
}

json CJsonListing::logicalDrive(const Core::DevicePtr& drive) const
{
    json object{{"logical_drive", m_facade.attrVal(drive, ATTR_NAME_DRIVE_NUMBER)}};
    putRows(object, drive, LOGICAL_DRIVE_ROWS);
    put(object, "status", ShowText::ldStatus(DeviceValues(drive)));
    putRows(object, drive, LOGICAL_DRIVE_TAIL_ROWS);
    for (const Core::DevicePtr& path : associated(drive, ASSOCIATION_PREFERRED_PATH))
        put(object, "preferred_controller_chassis_slot", m_facade.attrVal(path, ATTR_NAME_IO_SLOT));
    put(object, "disk_name", m_facade.attrVal(drive, ATTR_NAME_DRIVE_ACCESS_NAME));
    json& points = object["mount_points"] = json::array();
    for (const Core::DevicePtr& extent : devicesBelow(drive, ATTR_VALUE_TYPE_DISK_EXTENT)) {
        const std::string point = m_facade.rawVal(extent, ATTR_NAME_DISK_EXTENT_MOUNT_POINT);
        if (!point.empty())
            points.push_back(
                json{{"mount_point", point}, {"size", m_facade.attrVal(extent, ATTR_NAME_DISK_EXTENT_SIZE)}});
    }
    const Core::DeviceList initiators = associated(drive, ASSOCIATION_INITIATOR_WITH_ACCESS);
    if (!initiators.empty()) {
        json& ids = object["unmasked_adapter_ids"] = json::array();
        for (const Core::DevicePtr& initiator : initiators)
            ids.push_back(m_facade.rawVal(initiator, ATTR_NAME_INITIATOR_ID));
    }
    put(object, "logical_drive_message", m_facade.attrVal(drive, ATTR_NAME_STATE));
    return object;
}

// A spare is filed under every array it serves, a data drive under its
// array, any other drive with the controller's unassigned drives.
void CJsonListing::addPD(const Core::DevicePtr& drive)
{
    json& controller = controllerEntry(drive);
    const json object = physicalDrive(drive);
    bool spare = false;
    for (const Core::DevicePtr& served : associated(drive, ASSOCIATION_SPARE_DRIVE)) {
        if (!m_facade.isTargetType(served, ATTR_VALUE_TYPE_ARRAY))
            continue;
        file(arrayEntry(controller, served), "spares", drive, object);
        spare = true;
    }
    if (spare)
        return;
    if (const Core::DevicePtr array = m_facade.array(drive))
        file(arrayEntry(controller, array), "physical_drives", drive, object);
    else
        file(controller, "unassigned_drives", drive, object);
}

json CJsonListing::physicalDrive(const Core::DevicePtr& drive) const
{
    const DeviceValues values(drive);
    json object{{"physical_drive", ShowText::driveAddress(ShowText::drivePlace(values), 0)}};
    putRows(object, drive, ShowText::locationRows(m_facade, drive));
    putRows(object, drive, PHYSICAL_DRIVE_ROWS);
    object["size"] = ShowText::driveSize(values);
    putBytes(object, "size", drive, ATTR_NAME_TOTAL_BLOCKS);
    putRows(object, drive, PHYSICAL_DRIVE_TAIL_ROWS);
    const std::string mark = ShowText::spareMark(values);
    put(object, "spare", mark.empty() ? mark : mark.substr(2));
    return object;
}

void CJsonListing::addTD(const Core::DevicePtr& drive)
{
    json object{
        {"tape_drive", m_facade.attrVal(drive, ATTR_NAME_SCSI_BUS) + ":" + m_facade.attrVal(drive, ATTR_NAME_SCSI_ID)}};
    putRows(object, drive, TAPE_DRIVE_ROWS);
    file(controllerEntry(drive), "tape_drives", drive, object);
}

// ---- SSP ---------------------------------------------------------------------

// A controller without SSP information has no "initiators".
void CJsonListing::addSSP(const Core::DevicePtr& controller)
{
    json& entry = controllerEntry(controller);
    if (m_facade.attrVal(controller, ATTR_NAME_SSP_STATE).empty())
        return;
    const Core::DevicePtr home = DevicesHome(controller);
    Core::DeviceList drives;
    for (const Core::DevicePtr& drive : devicesBelow(home, ATTR_VALUE_TYPE_LOGICAL_DRIVE))
        if (m_facade.rawVal(drive, ATTR_NAME_SSP_STATE) == ATTR_VALUE_SSP_STATE_ENABLED)
            drives.push_back(drive);
    json& initiators = entry["initiators"] = json::array();
    for (const Core::DevicePtr& each : m_facade.initiatorList(home))
        if (!m_facade.rawVal(each, ATTR_NAME_INITIATOR_ID).empty() &&
            !m_facade.rawVal(each, ATTR_NAME_LOCATION).empty() && !m_facade.rawVal(each, ATTR_NAME_STATUS).empty())
            initiators.push_back(initiator(each, drives));
}

json CJsonListing::initiator(const Core::DevicePtr& initiator, const Core::DeviceList& drives) const
{
    const std::string name = m_facade.rawVal(initiator, ATTR_NAME_CONNECTION_NAME);
    json object{{"adapter_id", m_facade.rawVal(initiator, ATTR_NAME_INITIATOR_ID)},
                {"connection_name", name.empty() ? std::string("Unknown") : name},
                {"location", m_facade.attrVal(initiator, ATTR_NAME_LOCATION)},
                {"status", m_facade.attrVal(initiator, ATTR_NAME_STATUS)}};
    put(object, "host_mode", m_facade.attrVal(initiator, ATTR_NAME_HOST_MODE));
    json& access = object["logical_drives"] = json::array();
    for (const Core::DevicePtr& drive : drives)
        access.push_back(json{{"logical_drive", m_facade.attrVal(drive, ATTR_NAME_DRIVE_NUMBER)},
                              {"unmasked", holds(associated(drive, ASSOCIATION_INITIATOR_WITH_ACCESS), initiator)}});
    return object;
}
