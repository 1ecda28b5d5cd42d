#include "cli/ops/cmfacade.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>

#include "cli/clierror.h"
#include "cli/clihelpers.h"
#include "cli/climessages.h"
#include "cli/consoleoutput.h"
#include "cli/devlister.h"
#include "cli/ops/devicevalues.h"
#include "controller/modeltable.h"
#include "core/attributename.h"
#include "core/capabilityfinder.h"
#include "core/devicefinder.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "operations/conversion.h"
#include "operations/guitranslator.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using Common::fromStdString;
using Common::toStdString;
using Conversion::SizeConvert;

namespace {

std::string lower(std::string value)
{
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return value;
}

std::string upper(std::string value)
{
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return value;
}

bool has(const Core::DevicePtr& device, const char* attribute)
{
    return device && device->hasAttribute(Core::attributeName(attribute));
}

Core::DevicePtr parentOf(const Core::DevicePtr& device)
{
    return device && device->hasParent() ? device->pParent() : Core::DevicePtr();
}

Core::DevicePtr nearestAbove(const Core::DevicePtr& device, const char* type)
{
    if (!device)
        return Core::DevicePtr();
    const Core::DeviceLock lock(*device);
    for (const Core::Device* at = device->parentDevice(); at != nullptr; at = at->parentDevice())
        if (Core::isOfType(*at, type))
            return at->getDevicePtr();
    return Core::DevicePtr();
}

// The value table of toConfigMod: attribute -> (user word -> model value).
using WordTable = std::map<std::string, std::map<std::string, std::string>>;

const WordTable& configWords()
{
    static const WordTable table = {
        {ATTR_NAME_ARRAY_ACCELERATOR,
         {{"disable", ATTR_VALUE_ARRAY_ACCELERATOR_DISABLED}, {"enable", ATTR_VALUE_ARRAY_ACCELERATOR_ENABLED}}},
        {ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE,
         {{"automatic", ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_IMPLICIT},
          {"manual", ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_EXPLICIT}}},
        {ATTR_NAME_CACHE_RATIO,
         {{"0/100", ATTR_VALUE_CACHE_RATIO_0_100},
          {"10/90", ATTR_VALUE_CACHE_RATIO_10_90},
          {"100/0", ATTR_VALUE_CACHE_RATIO_100_0},
          {"20/80", ATTR_VALUE_CACHE_RATIO_20_80},
          {"25/75", ATTR_VALUE_CACHE_RATIO_25_75},
          {"30/70", ATTR_VALUE_CACHE_RATIO_30_70},
          {"40/60", ATTR_VALUE_CACHE_RATIO_40_60},
          {"50/50", ATTR_VALUE_CACHE_RATIO_50_50},
          {"60/40", ATTR_VALUE_CACHE_RATIO_60_40},
          {"70/30", ATTR_VALUE_CACHE_RATIO_70_30},
          {"75/25", ATTR_VALUE_CACHE_RATIO_75_25},
          {"80/20", ATTR_VALUE_CACHE_RATIO_80_20},
          {"90/10", ATTR_VALUE_CACHE_RATIO_90_10}}},
        {ATTR_NAME_DRIVE_WRITE_CACHE,
         {{"disable", ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED}, {"enable", ATTR_VALUE_DRIVE_WRITE_CACHE_ENABLED}}},
        {ATTR_NAME_EXPAND_PRIORITY,
         {{"low", ATTR_VALUE_EXPAND_PRIORITY_LOW},
          {"medium", ATTR_VALUE_EXPAND_PRIORITY_MEDIUM},
          {"high", ATTR_VALUE_EXPAND_PRIORITY_HIGH}}},
        {ATTR_NAME_INTERFACE,
         {{"parallelscsi", ATTR_VALUE_INTERFACE_PARALLEL},
          {"sas", ATTR_VALUE_INTERFACE_SAS},
          {"saslogical", ATTR_VALUE_INTERFACE_SAS_LOGICAL},
          {"sata", ATTR_VALUE_INTERFACE_SATA},
          {"satalogical", ATTR_VALUE_INTERFACE_SATA_LOGICAL}}},
        {ATTR_NAME_IO_SLOT, {{"1", "0"}, {"2", "1"}}},
        {ATTR_NAME_RAID,
         {{"0", ATTR_VALUE_RAID_0},
          {"1", ATTR_VALUE_RAID_1},
          {"1+0", ATTR_VALUE_RAID_1},
          {"4", ATTR_VALUE_RAID_4},
          {"5", ATTR_VALUE_RAID_5},
          {"6", ATTR_VALUE_RAID_6},
          {"qrx", ATTR_VALUE_RAID_6},
          {"QRX", ATTR_VALUE_RAID_6}}},
        {ATTR_NAME_REBUILD_PRIORITY,
         {{"low", ATTR_VALUE_REBUILD_PRIORITY_LOW},
          {"medium", ATTR_VALUE_REBUILD_PRIORITY_MEDIUM},
          {"high", ATTR_VALUE_REBUILD_PRIORITY_HIGH}}},
    };
    return table;
}

const std::map<std::string, std::string>& keywords()
{
    static const std::map<std::string, std::string> table = {
        {ATTR_NAME_ARRAY_ACCELERATOR, "arrayaccelerator"},
        {ATTR_NAME_CACHE_RATIO, "cacheratio"},
        {ATTR_NAME_IO_SLOT, "chassisslot"},
        {ATTR_NAME_DRIVE_WRITE_CACHE, "drivewritecache"},
        {ATTR_NAME_INTERFACE, "drivetype"},
        {ATTR_NAME_EXPAND_PRIORITY, "expandpriority"},
        {ATTR_NAME_HOST_MODE, "hostmode"},
        {ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE, "preferredpathmode"},
        {ATTR_NAME_RAID, "raid"},
        {ATTR_NAME_REBUILD_PRIORITY, "rebuildpriority"},
        {ATTR_NAME_SECTORS, "sectors"},
        {ATTR_NAME_STRIPE_SIZE, "stripesize"},
        {ATTR_NAME_USEABLE_BLOCKS, "size"},
    };
    return table;
}

std::string capVal(const Core::CapabilityPtr& capability, const char* attribute)
{
    return capability ? toStdString(capability->getValueFor(attribute)) : std::string();
}

// A size capability given as an open range of blocks.
bool isOpenSizeRange(const Core::CapabilityPtr& capability, const std::string& attribute)
{
    return capability && attribute == ATTR_NAME_USEABLE_BLOCKS &&
        capVal(capability, ATTR_NAME_INSTANCE_RANGE) == ATTR_VALUE_INSTANCE_RANGE_OPEN;
}

long long roundedMB(const std::string& blocks)
{
    return std::llround(SizeConvert::blocksToMB(SizeConvert::strToBlock(fromStdString(blocks))));
}

// A whole decimal number; false for anything else.
bool readNumber(const std::string& word, long long& number)
{
    if (word.size() > 18 || !CLI_HELPERS::isDigits(word))
        return false;
    number = std::stoll(word);
    return true;
}

// The value an option stands for: its value of the attribute, or the value
// the instance was made with.
std::string optionValue(const Core::CapabilityPtr& option, const std::string& attribute)
{
    if (option && option->hasAttribute(fromStdString(attribute)))
        return capVal(option, attribute.c_str());
    return capVal(option, ATTR_NAME_CAPABILITY_INSTANCE);
}

bool isFlagged(const Core::CapabilityPtr& option, const char* name, const char* yes)
{
    return capVal(option, name) == yes;
}

std::string optionLine(const Core::CapabilityPtr& option, const std::string& attribute)
{
    std::string shown = toStdString(Common::GUITranslator::getDisplayValue(
        fromStdString(attribute), fromStdString(optionValue(option, attribute)), Common::string()));
    if (attribute == ATTR_NAME_HOST_MODE)
        shown = lower(shown);
    if (lower(shown) == "disabled")
        shown = "disable";
    else if (lower(shown) == "enabled")
        shown = "enable";
    std::string line = "\n   " + shown;
    if (isFlagged(option, ATTR_NAME_CURRENT_VALUE, ATTR_VALUE_CURRENT_VALUE_TRUE))
        line += " (current value)";
    if (isFlagged(option, ATTR_NAME_DEFAULT_VALUE, ATTR_VALUE_DEFAULT_VALUE_TRUE))
        line += " (default value)";
    return line;
}

bool isBoxBayDrive(const Core::DevicePtr& drive) { return has(drive, ATTR_NAME_BOX) && has(drive, ATTR_NAME_BAY); }

std::string stripTag(const std::string& part) { return part.substr(0, part.find('*')); }

void logError(const std::string& message, const std::string& detail = "") { CError::log(message, detail, 1); }

Core::CapabilityPtr findCapability(const Core::CapabilityPtr& start, const std::string& attribute)
{
    Core::CapabilityFinder finder(start);
    finder.Add(Core::Attribute(ATTR_NAME_ATTRIBUTE_NAME, fromStdString(attribute)));
    return finder.find();
}

// A storage system goes by the first controller inside it.
Core::DevicePtr modelController(const Core::DevicePtr& ctrl)
{
    Core::DeviceList inside = Core::isOfType(ctrl, ATTR_VALUE_TYPE_STORAGE_SYSTEM)
        ? devicesBelow(ctrl, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)
        : Core::DeviceList();
    return inside.empty() ? ctrl : inside.front();
}

} // namespace

bool CMFacade::isTargetType(const Core::DevicePtr& device, std::string_view type) const
{
    return Core::isOfType(device, type);
}

std::string CMFacade::rawVal(const Core::DevicePtr& device, std::string_view attribute) const
{
    return DeviceValues(device).raw(attribute);
}

std::string CMFacade::attrVal(const Core::DevicePtr& device, std::string_view attribute) const
{
    return DeviceValues(device).shown(attribute);
}

Core::DevicePtr CMFacade::controller(const DeviceValues& device) const
{
    const Core::DevicePtr& self = device.device();
    if (has(self, ATTR_NAME_CONTROLLER_NAME) || has(self, ATTR_NAME_BOX_NAME) ||
        device.type() == ATTR_VALUE_TYPE_ARRAY_CONTROLLER)
        return self;
    Core::DevicePtr found = nearestAbove(self, ATTR_VALUE_TYPE_ARRAY_CONTROLLER);
    // Devices of an external storage system hang below the system itself.
    return found ? found : storagesystem(self);
}

Core::DevicePtr CMFacade::storagesystem(const Core::DevicePtr& device) const
{
    return Core::isOfType(device, ATTR_VALUE_TYPE_STORAGE_SYSTEM)
        ? device
        : nearestAbove(device, ATTR_VALUE_TYPE_STORAGE_SYSTEM);
}

Core::DevicePtr CMFacade::array(const DeviceValues& device) const
{
    const Common::string& type = device.type();
    if (type == ATTR_VALUE_TYPE_ARRAY)
        return device.device();
    if (type == ATTR_VALUE_TYPE_LOGICAL_DRIVE)
        return nearestAbove(device.device(), ATTR_VALUE_TYPE_ARRAY);
    for (const char* name : {ASSOCIATION_DATA_DRIVE, ASSOCIATION_SPARE_DRIVE})
        for (const Core::DevicePtr& other : associated(device.device(), name))
            if (Core::isOfType(other, ATTR_VALUE_TYPE_ARRAY))
                return other;
    return Core::DevicePtr();
}

Core::DeviceList CMFacade::initiatorList(const Core::DevicePtr& device) const
{
    return devicesBelow(device, ATTR_VALUE_TYPE_INITIATOR);
}

bool CMFacade::isDriveArrayType(const Core::DevicePtr& drive, const Core::DevicePtr& other) const
{
    return has(drive, ATTR_NAME_INTERFACE) && has(other, ATTR_NAME_INTERFACE) &&
        drive->getValueFor(ATTR_NAME_INTERFACE) == other->getValueFor(ATTR_NAME_INTERFACE);
}

Core::DevicePtr CMFacade::operationHome(const Core::DevicePtr& device) const
{
    Core::DevicePtr parent = parentOf(device);
    return Core::isOfType(parent, ATTR_VALUE_TYPE_STORAGE_SYSTEM) ? parent : device;
}

std::string CMFacade::controllerModel(const Core::DevicePtr& device) const
{
    return rawVal(modelController(controller(device)), ATTR_NAME_CONTROLLER_NAME);
}

std::string CMFacade::ctrlName(const Core::DevicePtr& device) const
{
    const Core::DevicePtr ctrl = modelController(controller(device));
    const ModelTable::Model* model = ModelTable::findByKey(rawVal(ctrl, ATTR_NAME_CONTROLLER_NAME));
    if (model == nullptr)
        return "Unknown Controller";
    std::string name(model->name);
    Core::DevicePtr parent = parentOf(ctrl);
    std::string slot = rawVal(ctrl, ATTR_NAME_SLOT);
    if (Core::isOfType(parent, ATTR_VALUE_TYPE_STORAGE_SYSTEM) && has(parent, ATTR_NAME_BOX_NAME))
        return name + " at " + rawVal(parent, ATTR_NAME_BOX_NAME);
    if (!slot.empty() && slot != ATTR_VALUE_SLOT_EMBEDDED && slot != ATTR_VALUE_SLOT_UNKNOWN)
        return name + " in Slot " + slot;
    return name;
}

std::string CMFacade::ldName(const DeviceValues& device, unsigned width) const
{
    return "logicaldrive " + padDigits(device.shown(ATTR_NAME_DRIVE_NUMBER), width);
}

std::string CMFacade::pdName(const DeviceValues& device, unsigned width) const
{
    // A drive with a location (port, or box and bay) is named by it; every
    // drive also reports a SCSI bus and id, which name the others.
    const Core::DevicePtr& self = device.device();
    const std::pair<const char*, bool> parts[] = {{ATTR_NAME_PORT, has(self, ATTR_NAME_PORT)},
                                                  {ATTR_NAME_BOX, has(self, ATTR_NAME_BOX)},
                                                  {ATTR_NAME_BAY, has(self, ATTR_NAME_BAY)}};
    if (parts[0].second || (parts[1].second && parts[2].second)) {
        std::string name;
        for (const auto& [part, present] : parts)
            if (present)
                name += (name.empty() ? "" : ":") + padDigits(device.shown(part), width);
        return "physicaldrive " + name;
    }
    if (has(self, ATTR_NAME_SCSI_BUS) && has(self, ATTR_NAME_SCSI_ID))
        return "physicaldrive " + padDigits(device.shown(ATTR_NAME_SCSI_BUS), width) + ":" +
            padDigits(device.shown(ATTR_NAME_SCSI_ID), width);
    return std::string();
}

std::string CMFacade::arrayName(const DeviceValues& device) const
{
    return has(device.device(), ATTR_NAME_ARRAY_NUMBER) ? "array " + device.shown(ATTR_NAME_ARRAY_NUMBER)
                                                        : std::string();
}

std::string CMFacade::deviceName(const DeviceValues& device, unsigned width) const
{
    const Common::string& type = device.type();
    if (type == ATTR_VALUE_TYPE_ARRAY_CONTROLLER || type == ATTR_VALUE_TYPE_STORAGE_SYSTEM)
        return ctrlName(device.device());
    if (type == ATTR_VALUE_TYPE_ARRAY)
        return arrayName(device);
    if (type == ATTR_VALUE_TYPE_LOGICAL_DRIVE)
        return ldName(device, width);
    if (type == ATTR_VALUE_TYPE_PHYSICAL_DRIVE)
        return pdName(device, width);
    return std::string();
}

Core::CapabilityPtr CMFacade::attributeCapability(const Core::DevicePtr& device, const std::string& operation,
                                                  const std::string& attribute) const
{
    Core::DeviceOperationPtr op = device ? device->getOperation(fromStdString(operation)) : Core::DeviceOperationPtr();
    if (!op)
        return Core::CapabilityPtr();
    return findCapability(op->getCapabilityPtr(device), attribute);
}

bool CMFacade::isWithinMaximumLength(const Core::DevicePtr& device, const std::string& operation,
                                     const std::string& attribute, const std::string& value) const
{
    const std::string maximum = capVal(attributeCapability(device, operation, attribute), ATTR_NAME_MAXIMUM_VALUE);
    long long length = 0;
    if (!readNumber(maximum, length) || value.size() <= static_cast<unsigned long long>(length))
        return true;
    logError("\"" + value + CLI_MESSAGES::NAME_LENGTH + maximum + CLI_MESSAGES::NAME_LENGTH_END);
    return false;
}

Core::CapabilityPtr CMFacade::hasCapOption(const Core::DevicePtr& device, const std::string& operation,
                                           const std::string& attribute, const std::string& word) const
{
    return hasCapOption2(attributeCapability(device, operation, attribute), attribute, word);
}

Core::CapabilityPtr CMFacade::hasCapOption2(const Core::CapabilityPtr& capability, const std::string& attribute,
                                            const std::string& word) const
{
    if (!capability)
        return Core::CapabilityPtr();
    if (isOpenSizeRange(capability, attribute)) {
        long long number = 0;
        bool inRange = word == "default" || word == "max" ||
            (readNumber(word, number) && number >= roundedMB(capVal(capability, ATTR_NAME_MINIMUM_VALUE)) &&
             number <= roundedMB(capVal(capability, ATTR_NAME_MAXIMUM_VALUE)));
        if (!inRange)
            return Core::CapabilityPtr();
        return capability->beginChild() != capability->endChild() ? *capability->beginChild() : capability;
    }
    Core::CapabilityPtr match;
    for (auto child = capability->beginChild(); child != capability->endChild(); ++child) {
        bool matches = optionValue(*child, attribute) == word ||
            (word == "default" && isFlagged(*child, ATTR_NAME_DEFAULT_VALUE, ATTR_VALUE_DEFAULT_VALUE_TRUE)) ||
            (word == "current" && isFlagged(*child, ATTR_NAME_CURRENT_VALUE, ATTR_VALUE_CURRENT_VALUE_TRUE));
        if (matches)
            match = *child;
    }
    return match;
}

std::string CMFacade::capOptions(const Core::CapabilityPtr& capability, const std::string& attribute) const
{
    std::string options;
    if (isOpenSizeRange(capability, attribute)) {
        options +=
            "\n   Max: " + std::to_string(roundedMB(capVal(capability, ATTR_NAME_MAXIMUM_VALUE))) + " (Units in MB)";
        options +=
            "\n   Min: " + std::to_string(roundedMB(capVal(capability, ATTR_NAME_MINIMUM_VALUE))) + " (Units in MB)";
    } else if (capability) {
        for (auto child = capability->beginChild(); child != capability->endChild(); ++child)
            options += optionLine(*child, attribute);
    }
    return optionsText(options);
}

std::string CMFacade::optionsText(const std::string& lines) const
{
    return std::string("\n") + CLI_MESSAGES::AVAILABLE_OPTIONS +
        (lines.empty() ? "\n" + std::string(CLI_MESSAGES::NO_OPTIONS) : lines) + "\n";
}

std::string CMFacade::capOptionsEx(const Core::DevicePtr& device, const std::string& operation,
                                   const std::string& attribute) const
{
    return "\n" + capOptions(attributeCapability(device, operation, attribute), attribute);
}

std::string CMFacade::capError(const Core::DevicePtr& device, const std::string& attribute,
                               const std::string& value) const
{
    return "\"" + attrNameToKeyword(attribute) + "=" + value + "\" is not a valid option for " + deviceName(device, 0);
}

bool CMFacade::processParams(const Core::DevicePtr& device, const std::string& operation, OpParams& params) const
{
    if (std::count_if(params.begin(), params.end(), [](const auto& param) { return param.second == "?"; }) > 1) {
        logError(CLI_MESSAGES::ONE_QUERY);
        return false;
    }
    Core::DeviceOperationPtr op = device ? device->getOperation(fromStdString(operation)) : Core::DeviceOperationPtr();
    if (!op) {
        logError(CLI_MESSAGES::NOT_SUPPORTED);
        return false;
    }
    const Core::CapabilityPtr root = op->getCapabilityPtr(device);
    // Choices may depend on earlier ones (the sizes of a RAID level and
    // stripe size hang below that choice): each parameter is looked for below
    // the option chosen for the one before it, then in the whole tree.
    Core::CapabilityPtr scope = root;
    for (auto& [name, value] : params) {
        if (!CError::isOK())
            return false;
        Core::CapabilityPtr capability = findCapability(scope, name);
        if (!capability)
            capability = findCapability(root, name);
        Core::CapabilityPtr option = hasCapOption2(capability, name, toConfigMod(name, value));
        if (option)
            scope = option;
        std::string options = capOptions(capability, name);
        if (value == "?") {
            ConsoleOutput::stream() << options << std::endl;
            return false;
        }
        if (!option) {
            if (value == "default")
                continue;
            logError(capError(device, name, value), options);
            return false;
        }
        if (isOpenSizeRange(capability, name)) {
            std::string minimum = capVal(capability, ATTR_NAME_MINIMUM_VALUE);
            std::string maximum = capVal(capability, ATTR_NAME_MAXIMUM_VALUE);
            long long number = 0;
            if (value == "default" || value == "max" || !readNumber(value, number))
                value = maximum;
            else if (number == roundedMB(minimum))
                value = minimum;
            else if (number == roundedMB(maximum))
                value = maximum;
            else
                value = std::to_string(SizeConvert::convertToBlocks(fromStdString(value), SizeConvert::UNIT_MB,
                                                                    SizeConvert::CONVERT_USER_ENTRY));
        } else {
            value = optionValue(option, name);
        }
    }
    return true;
}

std::string CMFacade::toConfigMod(const std::string& attribute, const std::string& word) const
{
    // Stripe sizes are typed in KB and kept in blocks of 512 bytes.
    long long kilobytes = 0;
    if (attribute == ATTR_NAME_STRIPE_SIZE && readNumber(word, kilobytes))
        return std::to_string(kilobytes * 2);
    auto byAttribute = configWords().find(attribute);
    if (byAttribute == configWords().end())
        return word;
    auto byWord = byAttribute->second.find(word);
    return byWord == byAttribute->second.end() ? word : byWord->second;
}

std::string CMFacade::attrNameToKeyword(const std::string& attribute) const
{
    auto found = keywords().find(attribute);
    return found == keywords().end() ? attribute : found->second;
}

std::string CMFacade::toZeroIndex(const std::string& text) const
{
    long long number = 0;
    return readNumber(text, number) ? std::to_string(number - 1) : text;
}

std::string CMFacade::toArrayIndex(const std::string& letters) const
{
    std::string word = upper(letters);
    bool allLetters = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (!allLetters || word.empty() || word.size() > 2)
        return std::string();
    if (word.size() == 1)
        return std::to_string(word[0] - 'A');
    // AA to AZ are 26 to 51; past AZ the letters go on like spreadsheet
    // columns (BA is 52), as arrays are named, so no two names share an index.
    return std::to_string(26 * (word[0] - 'A' + 1) + (word[1] - 'A'));
}

std::string CMFacade::padDigits(const std::string& text, unsigned width) const
{
    if (width == 0 || text.size() + 1 >= width)
        return text;
    return std::string(width - 1 - text.size(), '0') + text;
}

Core::DevicePtr CMFacade::findDrive(const Core::DevicePtr& device, std::vector<std::string> parts) const
{
    for (std::string& part : parts)
        part = stripTag(part);
    Core::DeviceList candidates = Core::isOfType(device, ATTR_VALUE_TYPE_ARRAY)
        ? associated(device, ASSOCIATION_DATA_DRIVE)
        : devicesBelow(DevicesHome(controller(device)), ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    std::vector<std::pair<const char*, std::string>> criteria;
    if (parts.size() == 3)
        criteria = {{ATTR_NAME_PORT, parts[0]}, {ATTR_NAME_BOX, parts[1]}, {ATTR_NAME_BAY, parts[2]}};
    else if (parts.size() == 2 && !candidates.empty() && !isBoxBayDrive(candidates.front()) &&
             has(candidates.front(), ATTR_NAME_SCSI_BUS))
        criteria = {{ATTR_NAME_SCSI_BUS, toZeroIndex(parts[0])}, {ATTR_NAME_SCSI_ID, parts[1]}};
    else if (parts.size() == 2)
        criteria = {{ATTR_NAME_BOX, parts[0]}, {ATTR_NAME_BAY, parts[1]}};
    else
        return Core::DevicePtr();
    for (const Core::DevicePtr& drive : candidates) {
        bool matches = std::all_of(criteria.begin(), criteria.end(), [&](const auto& criterion) {
            return drive->hasAttribute(criterion.first) && rawVal(drive, criterion.first) == criterion.second;
        });
        if (matches)
            return drive;
    }
    return Core::DevicePtr();
}

bool CMFacade::getPDList(const Core::DevicePtr& device, const std::string& list, Core::DeviceList& drives,
                         const std::string& interface) const
{
    auto wanted = [&](const Core::DevicePtr& drive) {
        return interface.empty() || rawVal(drive, ATTR_NAME_INTERFACE) == interface;
    };
    if (list == "all" || list == "allunassigned") {
        for (const Core::DevicePtr& drive :
             devicesBelow(DevicesHome(controller(device)), ATTR_VALUE_TYPE_PHYSICAL_DRIVE))
            if (wanted(drive) &&
                (list == "all" || rawVal(drive, ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_UNASSIGNED))
                drives.push_back(drive);
        return true;
    }
    std::set<const Core::Device*> seen;
    for (const Common::string& piece : Common::split(fromStdString(list), ",")) {
        std::string address = toStdString(piece);
        std::vector<std::string> parts;
        for (const Common::string& part : Common::split(piece, ":"))
            parts.push_back(toStdString(part));
        Core::DevicePtr drive = findDrive(device, parts);
        bool tagged = address.find('*') != std::string::npos;
        if (drive && !seen.insert(drive.get()).second) {
            logError(CLI_MESSAGES::DUPLICATE_DRIVES);
            return false;
        }
        if (drive && wanted(drive))
            drives.push_back(drive);
        else if (!drive && !tagged) {
            logError(CLI_MESSAGES::CANNOT_ADD_DRIVE + address);
            return false;
        }
    }
    return true;
}

Core::DevicePtr CMFacade::getArray(const Core::DeviceList& drives) const
{
    Core::DevicePtr target;
    for (const Core::DevicePtr& drive : drives) {
        if (rawVal(drive, ATTR_NAME_DRIVE_TYPE) != ATTR_VALUE_DRIVE_TYPE_DATA) {
            logError(CLI_MESSAGES::NOT_DATA_DRIVES);
            return Core::DevicePtr();
        }
        Core::DevicePtr owner = array(drive);
        if (target && owner && owner.get() != target.get()) {
            logError(CLI_MESSAGES::BOTH_ARRAYS_1 + attrVal(target, ATTR_NAME_ARRAY_NUMBER) +
                     CLI_MESSAGES::BOTH_ARRAYS_2 + attrVal(owner, ATTR_NAME_ARRAY_NUMBER) +
                     CLI_MESSAGES::BOTH_ARRAYS_3);
            return Core::DevicePtr();
        }
        target = owner;
    }
    Core::DeviceList members = associated(target, ASSOCIATION_DATA_DRIVE);
    if (!target || members.size() != drives.size()) {
        logError(CLI_MESSAGES::EXACT_DRIVES);
        return Core::DevicePtr();
    }
    return target;
}

void CMFacade::opErrMsg(const Core::OperationReturn& result) const
{
    if (static_cast<bool>(result) != static_cast<bool>(Core::OperationReturn(ATTR_VALUE_STATUS_SUCCESS)))
        logError(CLI_MESSAGES::DID_NOT_COMPLETE);
}
