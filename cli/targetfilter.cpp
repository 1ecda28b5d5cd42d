#include "cli/targetfilter.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>
#include <unordered_set>

#include "cli/clierror.h"
#include "cli/cliformatter.h"
#include "cli/clihelpers.h"
#include "cli/climessages.h"
#include "cli/clirangeexpander.h"
#include "cli/clisort.h"
#include "cli/devlister.h"
#include "cli/ops/showop.h"
#include "controller/modeltable.h"
#include "operations/drxmodroot.h"
#include "schema/configmod.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
namespace Config = Interface::ConfigMod;
using namespace CLI_MESSAGES;

constexpr char CONTROLLER[] = "controller";
constexpr char ARRAY[] = "array";
constexpr char LOGICAL_DRIVE[] = "logicaldrive";
constexpr char PHYSICAL_DRIVE[] = "physicaldrive";
constexpr char TAPE_DRIVE[] = "tapedrive";
constexpr char ALL[] = "all";
constexpr char ALL_UNASSIGNED[] = "allunassigned";
constexpr char IPF_SELECTOR[] = "iocabinet";
// Chassis slots are counted from 0 in the model.
constexpr char SECOND_CHASSIS_SLOT[] = "1";

constexpr unsigned NOTICE_WIDTH = 79;

// The ways to name a controller, with the form each one's value takes.
struct Selector {
    const char* name;
    const char* form; // nullptr: the selector takes no value of its own
};

constexpr Selector SELECTORS[] = {{"slot", "slot=#"},
                                  {"serialnumber", "serialnumber=#"},
                                  {"wwn", "wwn=#"},
                                  {"chassisname", "chassisname=ABC"},
                                  {"ctrlpath", "ctrlpath=#:#"},
                                  {"chassisserialnumber", "chassisserialnumber=#"},
                                  {ALL, nullptr},
                                  {IPF_SELECTOR, nullptr}};

// The three words of an IPF location, in the order they are checked.
constexpr Selector IPF_WORDS[] = {{"iobay", "iobay=#"}, {"iochassis", "iochassis=#"}, {IPF_SELECTOR, "iocabinet=#"}};

std::string quote(const std::string& text) { return "\"" + text + "\""; }

std::string invalidTarget(const std::string& word) { return INVALID_TARGET + quote(word) + INVALID_TARGET_END; }

bool isDriveKeyword(const std::string& word)
{
    return word == LOGICAL_DRIVE || word == PHYSICAL_DRIVE || word == TAPE_DRIVE;
}

bool isIpfWord(const std::string& name)
{
    return std::any_of(std::begin(IPF_WORDS), std::end(IPF_WORDS),
                       [&](const Selector& ipf) { return name == ipf.name; });
}

const Selector* findSelector(const std::string& name)
{
    auto found = std::find_if(std::begin(SELECTORS), std::end(SELECTORS),
                              [&](const Selector& selector) { return name == selector.name; });
    return found == std::end(SELECTORS) ? nullptr : found;
}

// ---- target grammar: functions of the words alone -------------------------

using Words = TargetFilter::Words;

std::string wordAt(const Words& words, std::size_t index) { return index < words.size() ? words[index] : ""; }

std::string nameOf(const std::string& word) { return TargetFilter::SplitIntoNameValuePair(word, "=").first; }

// Index of the first target word after the controller selector.
std::size_t selectorEnd(const Words& words)
{
    std::size_t end = 2;
    if (nameOf(wordAt(words, 1)) == IPF_SELECTOR)
        while (end < words.size() && end < 4 && isIpfWord(nameOf(words[end])))
            ++end;
    return end;
}

// "all" and "allunassigned" must end the target.
Words wildcardErrors(const Words& words)
{
    bool afterWildcard = false;
    for (const std::string& word : words) {
        if (afterWildcard)
            return {AFTER_WILDCARD};
        afterWildcard = word == ALL || word == ALL_UNASSIGNED;
    }
    return {};
}

// Every missing value of the selector is named, so an IPF location with two
// words missing gives two messages.
Words selectorErrors(const Words& words)
{
    const std::string name = nameOf(words[1]);
    const Selector* selector = findSelector(name);
    if (selector == nullptr)
        return {IDENTIFY_CONTROLLER};
    auto missing = [&words](const char* wordName) {
        return TargetFilter::getTokenValue(words.begin() + 1, words.end(), wordName).empty();
    };
    Words errors;
    if (name == IPF_SELECTOR) {
        for (const Selector& ipf : IPF_WORDS)
            if (missing(ipf.name))
                errors.push_back(EXPECTING + quote(ipf.form));
    } else if (selector->form != nullptr && missing(selector->name)) {
        errors.push_back(EXPECTING + quote(selector->form));
    }
    return errors;
}

// What is wrong with the words from `next` on; "" when nothing is.
std::string deviceWordsError(const Words& words, std::size_t next)
{
    const std::size_t size = words.size();
    if (next >= size)
        return "";
    const std::string keyword = words[next];
    if (keyword == ARRAY) {
        if (next + 1 >= size || isDriveKeyword(words[next + 1]))
            return EXPECTING_PARAMETERS + std::string(ARRAY);
        if (next + 2 >= size)
            return "";
        const std::string device = words[next + 2];
        if (!isDriveKeyword(device))
            return invalidTarget(device);
        return next + 3 >= size ? EXPECTING_PARAMETERS + device + "." : "";
    }
    if (!isDriveKeyword(keyword))
        return invalidTarget(keyword);
    return next + 1 >= size ? EXPECTING_PARAMETERS + keyword : "";
}

// ---- devices ---------------------------------------------------------------

std::string valueOf(const Core::DevicePtr& device, const char* attribute)
{
    return device->getValueFor(attribute).c_str();
}

Core::DeviceFinder controllerFinder(const Core::DevicePtr& start)
{
    Core::DeviceFinder finder(start);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_ARRAY_CONTROLLER));
    return finder;
}

Core::DeviceList found(const Core::DeviceFinder& finder)
{
    Core::DeviceList devices;
    finder.find(devices, Core::DeviceFinder::DIRECTION_DOWN);
    return devices;
}

// "This applies to the A, B and C controllers running firmware version 2.04."
std::string affectedModels()
{
    std::vector<std::string> names;
    for (const ModelTable::Model& model : ModelTable::models())
        if (model.traits & ModelTable::TRAIT_FIRMWARE_204_DEFECT)
            names.emplace_back(model.name);
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return FIRMWARE_MODELS + list + FIRMWARE_MODELS_END;
}

bool isCommunicationFailure(const Core::OperationReturn& result)
{
    const Common::string status = result.status();
    return status == ATTR_VALUE_STATUS_COMMUNICATION_ERROR || status == ATTR_VALUE_STATUS_FAILURE;
}

bool isStandby(const Core::DevicePtr& controller)
{
    return controller->getValueFor(ATTR_NAME_REDUNDANT_STATE) == ATTR_VALUE_REDUNDANT_STATE_STANDBY;
}

bool identifiesBySlotOrSerialNumber(const std::string& selector)
{
    return selector.rfind("slot=", 0) == 0 || selector.rfind("serialnumber=", 0) == 0;
}

std::string lockState(const Core::DevicePtr& system) { return valueOf(system, Config::ATTR_NAME_LOCK_STATE); }

} // namespace

TargetFilter::TargetFilter(std::ostream* out) : m_printer(out) {}

void TargetFilter::input(const std::string& commandLine, DeviceVector::const_iterator first,
                         DeviceVector::const_iterator last, bool quiet, bool changing)
{
    m_commandLine = commandLine;
    m_changing = changing;
    m_selected.assign(first, last);
    if (quiet)
        m_printer.disable();
    process();
    m_printer.enable();
}

void TargetFilter::output(DeviceVector& devices) const
{
    devices.insert(devices.end(), m_selected.begin(), m_selected.end());
}

void TargetFilter::process()
{
    m_loadedControllers.clear();
    m_unreadControllers.clear();
    m_firmwareRefused = false;
    const Words words = CLI_HELPERS::cli_split(m_commandLine, false, ' ');
    m_targetWords.assign(words.begin(), std::find_if(words.begin(), words.end(), CLI_HELPERS::isCommand));
    const Words errors = grammarErrors(m_targetWords);
    for (const std::string& message : errors)
        Validate(true, message);
    if (!errors.empty())
        return;
    m_controllerSelector = m_targetWords[1];
    m_root = rootReaderFor(words);
    if (!processCtrlList() || m_selected.empty())
        return;
    const std::size_t next = selectorEnd(m_targetWords);
    if (next < m_targetWords.size())
        processDevices(next);
}

void TargetFilter::Rescan() { CDRXModRoot::Rescan(); }

void TargetFilter::RescanController(const Core::DevicePtr& controller)
{
    if (controller)
        reenumerate(DevicesHome(controller));
}

// "controller all show" lists the controllers alone, and a controller named by its slot or serial
// number is found by who it is: a tree without the controllers' devices serves either (the named
// controller is then read whole, reenumerateSelected). "controller all show config" prints no
// setting and changes nothing.
TargetFilter::RootReader TargetFilter::rootReaderFor(const Words& words) const
{
    if (m_readWhole)
        return &CDRXModRoot::pModRoot;
    const bool all = words.size() >= 3 && words[1] == ALL && words[2] == "show";
    if (identifiesBySlotOrSerialNumber(m_controllerSelector) || (all && words.size() == 3))
        return &CDRXModRoot::pControllers;
    if (all && words.size() == 4 && words[3] == "config")
        return &CDRXModRoot::pConfiguration;
    return &CDRXModRoot::pModRoot;
}

Core::DevicePtr TargetFilter::root() const { return m_root(); }

Core::OperationReturnList TargetFilter::reenumerate(const Core::DevicePtr& device)
{
    return device->Reenumerate(Core::Device::ReenumeratePredicate());
}

// ---- words and grammar ------------------------------------------------------

bool TargetFilter::Validate(bool failed, const std::string& message)
{
    if (failed)
        CError::log(message, "", 1);
    return failed;
}

std::pair<std::string, std::string> TargetFilter::SplitIntoNameValuePair(const std::string& word,
                                                                         const std::string& separator)
{
    const std::size_t first = word.find(separator);
    if (first == std::string::npos)
        return {word, ""};
    const std::size_t start = first + separator.size();
    const std::size_t second = word.find(separator, start);
    const std::size_t length = second == std::string::npos ? std::string::npos : second - start;
    return {word.substr(0, first), word.substr(start, length)};
}

std::string TargetFilter::getTokenValue(Words::const_iterator first, Words::const_iterator last,
                                        const std::string& name)
{
    for (; first != last; ++first) {
        const auto [wordName, value] = SplitIntoNameValuePair(*first, "=");
        if (wordName == name && !value.empty())
            return value;
    }
    return "";
}

std::string TargetFilter::upperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string TargetFilter::word(std::size_t index) const { return wordAt(m_targetWords, index); }

TargetFilter::Words TargetFilter::grammarErrors(const Words& words)
{
    Words errors = wildcardErrors(words);
    if (!errors.empty())
        return errors;
    if (words.empty() || words[0] != CONTROLLER)
        return {EXPECTING_CONTROLLER};
    if (words.size() < 2)
        return {EXPECTING_PARAMETERS + std::string(CONTROLLER)};
    errors = selectorErrors(words);
    const std::string deviceError = errors.empty() ? deviceWordsError(words, selectorEnd(words)) : "";
    if (!deviceError.empty())
        errors.push_back(deviceError);
    return errors;
}

// ---- controllers ------------------------------------------------------------

bool TargetFilter::processCtrlList()
{
    const std::string name = SplitIntoNameValuePair(m_controllerSelector, "=").first;
    const std::string value = getTokenValue(m_targetWords.begin() + 1, m_targetWords.end(), name);
    if (name == ALL) {
        // The hardware is read once either way: a one-shot run has no tree
        // before its command, so Rescan() does nothing and root() builds it.
        Rescan();
        LoadTargetList(controllerFinder(root()), false);
        setAsideUnreadControllers();
    } else if (name == "slot") {
        selectByValue(ATTR_NAME_SLOT, value);
    } else if (name == "serialnumber") {
        selectByValue(ATTR_NAME_CONTROLLER_SERIAL_NUMBER, upperCase(value));
    } else if (name == "wwn") {
        selectByValue(ATTR_NAME_WWN_PORT, upperCase(value));
    } else if (name == "chassisname") {
        selectByChassisName(value);
    } else if (name == "ctrlpath") {
        selectByCtrlPath(value);
    } else if (name == "chassisserialnumber") {
        selectByChassisSerialNumber(value);
    } else {
        selectByLocation();
    }
    if (m_selected.empty() && CError::isOK() && !m_firmwareRefused && m_unreadControllers.empty())
        Validate(true, name == ALL ? NO_CONTROLLERS : notDetected() + ".");
    // The notice has said why; a command refused on its account has failed.
    if (m_firmwareRefused && (m_changing || m_selected.empty()))
        CError::setErrorCode(1);
    return CError::isOK();
}

// "The controller identified by "slot=3" was not detected"
std::string TargetFilter::notDetected() const
{
    return CONTROLLER_IDENTIFIED + quote(m_controllerSelector) + NOT_DETECTED;
}

void TargetFilter::selectByValue(const char* attribute, const std::string& value)
{
    Core::DeviceFinder finder = controllerFinder(root());
    finder.Add(Core::Attribute(attribute, Common::fromStdString(value)));
    LoadTargetList(finder, true);
}

void TargetFilter::selectByChassisName(const std::string& name)
{
    Core::DeviceFinder finder(root());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_STORAGE_SYSTEM));
    finder.Add(Core::Attribute(ATTR_NAME_BOX_NAME, Common::fromStdString(name)));
    const Core::DeviceList systems = found(finder);
    if (Validate(systems.size() > 1, MULTIPLE_CHASSIS) || systems.empty())
        return;
    LoadTargetList(controllerFinder(systems.front()), true);
    if (m_selected.size() > 1)
        m_selected.resize(1);
}

void TargetFilter::selectByCtrlPath(const std::string& path)
{
    const Words parts = CLI_HELPERS::cli_split(path, false, ':');
    if (Validate(parts.size() != 2, EXPECTING + quote("ctrlpath=#:#")))
        return;
    Core::DeviceFinder adapters(root());
    adapters.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_HBA));
    adapters.Add(Core::Attribute(ATTR_NAME_SLOT, Common::fromStdString(parts[0])));
    const Core::DevicePtr adapter = adapters.find(Core::DeviceFinder::DIRECTION_DOWN);
    const std::string inSlot = quote("slot " + parts[0]);
    if (Validate(!adapter, notDetected() + NO_ADAPTER + inSlot + "."))
        return;
    const std::string port = m_facade.toZeroIndex(parts[1]);
    for (const Core::DevicePtr& device : associated(adapter, ASSOCIATION_INTERCONNECT_PATH)) {
        if (valueOf(device, ATTR_NAME_HBA_PORT) == port) {
            Core::DeviceFinder finder = controllerFinder(root());
            finder.Add(Core::Attribute(ATTR_NAME_UNIQUE_ID, device->getValueFor(ATTR_NAME_UNIQUE_ID)));
            LoadTargetList(finder, true);
            return;
        }
    }
    Validate(true, notDetected() + NO_DEVICE_ON_PORT + quote("host bus adapter port " + parts[1]) + ".");
}

// The primary controller of the storage system, else its active one, else all.
void TargetFilter::selectByChassisSerialNumber(const std::string& serial)
{
    Core::DeviceFinder systems(root());
    systems.Add(Core::Attribute(ATTR_NAME_CHASSIS_SERIAL_NUMBER, Common::fromStdString(serial)));
    const Core::DevicePtr system = systems.find(Core::DeviceFinder::DIRECTION_DOWN);
    if (!system)
        return;
    for (const char* state : {ATTR_VALUE_REDUNDANT_STATE_PRIMARY, ATTR_VALUE_REDUNDANT_STATE_ACTIVE}) {
        Core::DeviceFinder finder = controllerFinder(system);
        finder.Add(Core::Attribute(ATTR_NAME_REDUNDANT_STATE, state));
        if (finder.find(Core::DeviceFinder::DIRECTION_DOWN)) {
            LoadTargetList(finder, true);
            return;
        }
    }
    LoadTargetList(controllerFinder(system), true);
}

void TargetFilter::selectByLocation()
{
    Core::DeviceFinder finder = controllerFinder(root());
    const std::pair<const char*, const char*> location[] = {
        {"iocabinet", ATTR_NAME_IO_CABINET}, {"iobay", ATTR_NAME_IO_BAY}, {"iochassis", ATTR_NAME_IO_CHASSIS}};
    for (const auto& [wordName, attribute] : location)
        finder.Add(Core::Attribute(
            attribute, Common::fromStdString(getTokenValue(m_targetWords.begin() + 1, m_targetWords.end(), wordName))));
    LoadTargetList(finder, true);
}

bool TargetFilter::isRedundantStandby(const Core::DevicePtr& controller)
{
    if (isStandby(controller))
        return true;
    const Core::DevicePtr system = controller->hasParent() ? controller->pParent() : Core::DevicePtr();
    if (!system || system->getValueFor(ATTR_NAME_TYPE) != ATTR_VALUE_TYPE_STORAGE_SYSTEM)
        return false;
    Core::DeviceList pair;
    std::copy_if(system->beginChild(), system->endChild(), std::back_inserter(pair), [](const Core::DevicePtr& child) {
        return child->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_ARRAY_CONTROLLER;
    });
    // Of a redundant pair only the controller in the first chassis slot is
    // taken, unless its partner there stands by.
    const bool partnerStandsBy = std::any_of(pair.begin(), pair.end(), isStandby);
    return pair.size() == 2 && !partnerStandsBy && controller->hasAttribute(ATTR_NAME_IO_SLOT) &&
        controller->getValueFor(ATTR_NAME_IO_SLOT) == SECOND_CHASSIS_SLOT;
}

void TargetFilter::LoadTargetList(const Core::DeviceFinder& finder, bool reenumerate)
{
    const std::size_t before = m_selected.size();
    std::unordered_set<std::string> serials;
    for (const Core::DevicePtr& controller : found(finder)) {
        if (isRedundantStandby(controller))
            continue;
        // The same controller seen through a second path; a controller whose
        // serial number is unknown is never taken for another.
        const std::string serial = valueOf(controller, ATTR_NAME_CONTROLLER_SERIAL_NUMBER);
        if (!serial.empty() && !serials.insert(serial).second)
            continue;
        if (m_changing && isLocked(controller)) {
            Validate(true, quote(m_facade.ctrlName(controller)) + LOCKED);
            continue;
        }
        if (isFirmwareOK(controller))
            m_selected.push_back(controller);
        else
            m_firmwareRefused = true;
    }
    for (auto it = std::next(m_selected.begin(), static_cast<long>(before)); it != m_selected.end() && CError::isOK();
         ++it) {
        if (reenumerate)
            reenumerateSelected(*it);
        m_loadedControllers.push_back(*it);
    }
    if (!CError::isOK()) {
        m_loadedControllers.clear();
        m_selected.clear();
    }
}

// A controller that could not be read is not shown as if it were empty: it is left out of the
// selection, the others are shown, and it is reported after them.
void TargetFilter::setAsideUnreadControllers()
{
    for (const Core::DevicePtr& controller : Core::DeviceList(m_selected)) {
        if (!CDRXModRoot::readFailedAt(DevicesHome(controller)))
            continue;
        m_unreadControllers.push_back(controller);
        m_selected.remove(controller);
        m_loadedControllers.remove(controller);
    }
}

void TargetFilter::ReportUnreadControllers()
{
    for (const Core::DevicePtr& controller : m_unreadControllers)
        Validate(true, COMMUNICATION_ERROR + quote(selectorOf(controller) + ".") + CHECK_HARDWARE);
    m_unreadControllers.clear();
}

// How the user names one controller: by its slot, else by its serial number.
std::string TargetFilter::selectorOf(const Core::DevicePtr& controller) const
{
    const std::string slot = valueOf(controller, ATTR_NAME_SLOT);
    if (CLI_HELPERS::isDigits(slot))
        return "slot=" + slot;
    const std::string serial = valueOf(controller, ATTR_NAME_CONTROLLER_SERIAL_NUMBER);
    return serial.empty() ? m_controllerSelector : "serialnumber=" + serial;
}

void TargetFilter::reenumerateSelected(const Core::DevicePtr& controller)
{
    // The tree this command has read without a failure (the one a one-shot
    // run builds for its command) is current; after a failure the controller
    // is read again here, so that the failure is reported.
    if (CDRXModRoot::isFresh() && CDRXModRoot::isComplete())
        return;
    const Core::OperationReturnList results = reenumerate(DevicesHome(controller));
    // One report per controller, however many of its reads failed.
    if (std::any_of(results.begin(), results.end(), isCommunicationFailure))
        Validate(true, COMMUNICATION_ERROR + quote(m_controllerSelector + ".") + CHECK_HARDWARE);
}

bool TargetFilter::isFirmwareOK(const Core::DevicePtr& controller)
{
    const Common::string state = controller->getValueFor(ATTR_NAME_CONTROLLER_STATE);
    if (state != ATTR_VALUE_CONTROLLER_STATE_KESTREL_204_FIRMWARE_NEEDS_UPGRADE)
        return true;
    showFirmwareNotice(controller);
    return false;
}

void TargetFilter::showFirmwareNotice(const Core::DevicePtr& controller)
{
    std::ostringstream shown;
    CShowOp show(false, &shown);
    show(controller);
    m_printer.print(
        "\n" + shown.str() + "\n\n" +
        CFormatter::format(std::string(FIRMWARE_NOTICE) + " " + affectedModels(), FIRMWARE_PREFIX, NOTICE_WIDTH) +
        "\n\n");
}

// ---- arrays and drives ------------------------------------------------------

void TargetFilter::processDevices(std::size_t next)
{
    if (word(next) != ARRAY) {
        processDriveStep(next, "");
        return;
    }
    const std::string id = word(next + 1);
    if (processArrayList(id) && next + 2 < m_targetWords.size())
        processDriveStep(next + 2, id);
}

bool TargetFilter::processArrayList(const std::string& id)
{
    Core::DeviceFinder finder(DevicesHome(m_selected.front()));
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_ARRAY));
    if (id != ALL)
        finder.Add(Core::Attribute(ATTR_NAME_ARRAY_NUMBER, Common::fromStdString(m_facade.toArrayIndex(id))));
    m_selected = found(finder);
    const std::string controller = ARRAY_CONTROLLER_IDENTIFIED + quote(m_controllerSelector);
    Validate(m_selected.empty() && !m_firmwareRefused,
             id == ALL ? controller + NO_ARRAYS : controller + NO_SUCH_ARRAY + quote(id) + ".");
    return !m_selected.empty();
}

void TargetFilter::processDriveStep(std::size_t index, const std::string& arrayId)
{
    const std::string keyword = word(index);
    const std::string id = word(index + 1);
    if (keyword == LOGICAL_DRIVE) {
        // Nothing may follow a logical drive's identifier.
        if (Validate(index + 2 < m_targetWords.size(), SYNTAX_ERROR + keyword + "\""))
            m_selected.clear();
        else
            processLDList(id);
    } else if (keyword == PHYSICAL_DRIVE) {
        processPDList(id, arrayId);
    } else if (keyword == TAPE_DRIVE) {
        processTDList(id);
    } else {
        Validate(true, invalidTarget(keyword));
    }
}

void TargetFilter::replaceSelection(const Core::DeviceList& devices, const std::string& emptyMessage)
{
    m_selected = devices;
    Validate(m_selected.empty(), emptyMessage);
}

void TargetFilter::processLDList(const std::string& id)
{
    Core::DeviceFinder finder(DevicesHome(m_selected.front()));
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    if (id != ALL)
        finder.Add(Core::Attribute(ATTR_NAME_DRIVE_NUMBER, Common::fromStdString(m_facade.toZeroIndex(id))));
    replaceSelection(found(finder), id == ALL ? NO_LOGICAL_DRIVES : NO_SUCH_LOGICAL_DRIVE + quote(id));
}

Core::DeviceList TargetFilter::allDrives(const Core::DevicePtr& start) const
{
    if (start->getValueFor(ATTR_NAME_TYPE) != ATTR_VALUE_TYPE_ARRAY)
        return devicesBelow(DevicesHome(start), ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    Core::DeviceList drives = associated(start, ASSOCIATION_DATA_DRIVE);
    drives.splice(drives.end(), associated(start, ASSOCIATION_SPARE_DRIVE));
    return drives;
}

void TargetFilter::processPDList(const std::string& id, const std::string& arrayId)
{
    const Core::DevicePtr start = m_selected.front();
    Core::DeviceList drives;
    if (id == ALL_UNASSIGNED) {
        drives = devicesBelow(DevicesHome(start), ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
        drives.remove_if([](const Core::DevicePtr& drive) {
            return drive->getValueFor(ATTR_NAME_DRIVE_TYPE) != ATTR_VALUE_DRIVE_TYPE_UNASSIGNED;
        });
    } else if (id == ALL) {
        drives = allDrives(start);
        if (!arrayId.empty())
            SetPDTargetDevice(drives, start);
    } else if (id.find_first_of("-,") != std::string::npos) {
        selectDriveList(start, id);
        return;
    } else if (Core::DevicePtr drive = findTargetDrive(start, upperCase(id))) {
        drives.push_back(drive);
    }
    replaceSelection(drives, id == ALL ? NO_PHYSICAL_DRIVES : NO_SUCH_PHYSICAL_DRIVE + ("'" + id + "'"));
}

// A list or range of addresses ("1I:1:1-1I:1:4,2E:1:1"): the drives of the
// range that exist, and every drive named on its own, each once.
void TargetFilter::selectDriveList(const Core::DevicePtr& start, const std::string& id)
{
    m_selected.clear();
    const std::string expanded = CRangeExpander::expandDriveNumbers(id);
    std::unordered_set<const Core::Device*> seen;
    for (const std::string& address : CLI_HELPERS::cli_split(expanded, false, ',')) {
        const Core::DevicePtr drive = findTargetDrive(start, address);
        if (drive && seen.insert(drive.get()).second)
            m_selected.push_back(drive);
        const bool mustExist = address.find('*') == std::string::npos;
        if (!drive && mustExist) {
            replaceSelection({}, NO_SUCH_PHYSICAL_DRIVE + ("'" + address + "'"));
            return;
        }
    }
    if (!expanded.empty())
        Validate(m_selected.empty(), NO_SUCH_PHYSICAL_DRIVE + ("'" + id + "'"));
}

// The drive at `address` below `start`. An array's spares are its drives as
// much as its data drives are, as "physicaldrive all" shows them.
Core::DevicePtr TargetFilter::findTargetDrive(const Core::DevicePtr& start, const std::string& address) const
{
    const Words parts = CLI_HELPERS::cli_split(address, false, ':');
    if (Core::DevicePtr drive = m_facade.findDrive(start, parts))
        return drive;
    if (start->getValueFor(ATTR_NAME_TYPE) != ATTR_VALUE_TYPE_ARRAY)
        return Core::DevicePtr();
    const Core::DevicePtr drive = m_facade.findDrive(m_facade.controller(start), parts);
    const Core::DeviceList spares = associated(start, ASSOCIATION_SPARE_DRIVE);
    const bool spare = drive && std::any_of(spares.begin(), spares.end(), [&](const Core::DevicePtr& candidate) {
                           return candidate.get() == drive.get();
                       });
    return spare ? drive : Core::DevicePtr();
}

// Keeps the data drives of the named array and the spares that serve it; each
// such spare is remembered under this array for the display order.
void TargetFilter::SetPDTargetDevice(Core::DeviceList& drives, const Core::DevicePtr& array)
{
    std::unordered_set<const Core::Device*> data, spares;
    for (const Core::DevicePtr& drive : associated(array, ASSOCIATION_DATA_DRIVE))
        data.insert(drive.get());
    for (const Core::DevicePtr& spare : associated(array, ASSOCIATION_SPARE_DRIVE))
        spares.insert(spare.get());
    drives.remove_if([&](const Core::DevicePtr& drive) {
        if (spares.count(drive.get()) != 0)
            CLI_SORT::UpdateSparesList(drive, array);
        return data.count(drive.get()) == 0 && spares.count(drive.get()) == 0;
    });
}

void TargetFilter::processTDList(const std::string& id)
{
    if (Validate(id != ALL, TAPE_SYNTAX)) {
        m_selected.clear();
        return;
    }
    replaceSelection(devicesBelow(DevicesHome(m_selected.front()), ATTR_VALUE_TYPE_TAPE_DRIVE),
                     NO_TAPE_DRIVES + ("'" + id + "'"));
}

// ---- storage-system locks ---------------------------------------------------

Core::OperationReturn TargetFilter::performOperation(const Core::DevicePtr& device, const char* operation)
{
    const Core::DeviceOperationPtr op = device->getOperation(operation);
    return op ? device->perform(op) : Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
}

// Takes the lock of `system`; true when this host holds it afterwards.
bool TargetFilter::lockFor(const Core::DevicePtr& system)
{
    return static_cast<bool>(performOperation(system, Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM)) &&
        lockState(system) == Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS;
}

Core::DevicePtr TargetFilter::lockableSystem(const Core::DevicePtr& controller) const
{
    const Core::DevicePtr system = m_facade.storagesystem(controller);
    if (system && system->hasOperation(Config::OPERATION_WRITE_LOCK_STORAGE_SYSTEM) &&
        system->hasOperation(Config::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM))
        return system;
    return Core::DevicePtr();
}

bool TargetFilter::isLocked(const Core::DevicePtr& controller)
{
    const Core::DevicePtr system = m_changing ? lockableSystem(controller) : Core::DevicePtr();
    if (!system)
        return false;
    const bool ours = lockFor(system);
    reenumerate(system);
    // The probe leaves no lock behind.
    if (lockState(system) == Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_THIS)
        performOperation(system, Config::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM);
    return !ours;
}

void TargetFilter::LockSelectedControllers()
{
    if (m_selected.empty() || !m_changing)
        return;
    for (const Core::DevicePtr& controller : m_loadedControllers) {
        const Core::DevicePtr system = lockableSystem(controller);
        if (!system)
            continue;
        if (!Validate(!lockFor(system), m_facade.ctrlName(controller) + LOCKED))
            m_lockedControllers.push_back(controller);
    }
}

void TargetFilter::UnlockSelectedControllers()
{
    for (const Core::DevicePtr& controller : m_lockedControllers) {
        const Core::DevicePtr system = m_facade.storagesystem(controller);
        if (!system)
            continue;
        reenumerate(system);
        m_facade.opErrMsg(performOperation(system, Config::OPERATION_WRITE_UNLOCK_STORAGE_SYSTEM));
        Validate(lockState(system) != Config::ATTR_VALUE_LOCK_STATE_LOCKED_BY_NONE,
                 m_facade.ctrlName(controller) + NOT_UNLOCKED);
    }
    m_lockedControllers.clear();
}
