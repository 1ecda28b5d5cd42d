// The modify command: the first parameter names one setting, its row below
// says which other parameters go with it, which target it needs and how it
// is changed. Most settings go through ProcessOp, so that "?", "default" and
// the translation of the user's words are the same for all of them; the
// others check their values here and perform their operation directly.
#include <algorithm>
#include <functional>

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/ops/sspop.h"
#include "cli/storagecli.h"
#include "controller/modeltable.h"
#include "core/devicefinder.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "schema/configmod.h"
#include "schema/diagnosticmod.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

using namespace Interface::ConfigMod;
using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using Common::fromStdString;

namespace {

// One parameter of a row: its name, its value when it is not given, and the
// model attribute it sets when the row goes through ProcessOp.
struct ModifyParam {
    const char* name;
    const char* fallback;
    const char* attribute;
};

struct Target {
    const char* type;
    const char* message;
};

// The connection name of a modify without one, told apart from an empty name
// (which removes the name); an adapter the SSP view lists as Unknown has none.
const char NOT_FOUND[] = "NOT_FOUND";
const char UNNAMED[] = "Unknown";

constexpr Target ANY = {nullptr, nullptr};
constexpr Target CONTROLLER = {ATTR_VALUE_TYPE_ARRAY_CONTROLLER, CLI_MESSAGES::TARGET_CONTROLLER};
constexpr Target LOGICAL_DRIVE = {ATTR_VALUE_TYPE_LOGICAL_DRIVE, CLI_MESSAGES::TARGET_LOGICAL_DRIVE};
constexpr Target PHYSICAL_DRIVE = {ATTR_VALUE_TYPE_PHYSICAL_DRIVE, CLI_MESSAGES::TARGET_PHYSICAL_DRIVE};

// A whole decimal number within [low, high]; false for anything else. A
// number of any length is read; one too long to hold is out of range.
bool readNumber(const std::string& text, unsigned low, unsigned high, unsigned& number)
{
    const std::size_t digits = text.size() - std::min(text.find_first_not_of('0'), text.size());
    if (!CLI_HELPERS::isDigits(text) || digits > 9)
        return false;
    number = static_cast<unsigned>(std::stoul(text));
    return number >= low && number <= high;
}

// The operation `name` of `device`; reported as not supported when it has none.
Core::DeviceOperationPtr offered(const Core::DevicePtr& device, const char* name)
{
    Core::DeviceOperationPtr operation = device ? device->getOperation(name) : Core::DeviceOperationPtr();
    if (!operation)
        CError::log(CLI_MESSAGES::NOT_SUPPORTED, "", 1);
    return operation;
}

void setArgument(const Core::DeviceOperationPtr& operation, const char* name, const std::string& value,
                 Core::DeviceOperation::EnAction action = Core::DeviceOperation::ACTION_SET)
{
    operation->SetArgument(Core::DeviceOperation::Argument(action, Core::Attribute(name, fromStdString(value))));
}

} // namespace

struct StorageCLI::ModifyRow {
    Target target;
    bool forced; // the row also takes "forced"
    ModifyHandler handler;
    const char* operation; // for the rows that go through ProcessOp
    std::vector<ModifyParam> params; // the keyword first
};

struct StorageCLI::ModifyCall {
    const ModifyRow& row;
    std::vector<std::string> values; // one for each of the row's parameters
    bool forced;
};

const StorageCLI::ModifyRow* StorageCLI::modifyRow(const std::string& keyword)
{
    using S = StorageCLI;
    const bool FORCED = true;
    const char* const PARAMETERS = OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS;
    // In the order they are tested.
    // clang-format off
    static const std::vector<ModifyRow> rows = {
        {CONTROLLER, !FORCED, &S::modifySetting, PARAMETERS, {{"rebuildpriority", "", ATTR_NAME_REBUILD_PRIORITY}}},
        {CONTROLLER, !FORCED, &S::modifySetting, PARAMETERS, {{"expandpriority", "", ATTR_NAME_EXPAND_PRIORITY}}},
        {CONTROLLER, !FORCED, &S::modifySurfaceScanDelay, nullptr, {{"surfacescandelay", "", nullptr}}},
        {PHYSICAL_DRIVE, !FORCED, &S::modifyFailDrive, nullptr, {{"failpd", "", nullptr}}},
        {CONTROLLER, !FORCED, &S::modifySetting, PARAMETERS, {{"cacheratio", "", ATTR_NAME_CACHE_RATIO}}},
        {ANY, !FORCED, &S::modifySpares, nullptr, {{"spares", "", nullptr}}},
        {ANY, !FORCED, &S::modifyLed, nullptr, {{"led", "", nullptr}}},
        {CONTROLLER, FORCED, &S::modifyDriveWriteCache, OPERATION_WRITE_SET_DRIVE_WRITE_CACHE,
            {{"drivewritecache", "", ATTR_NAME_DRIVE_WRITE_CACHE}}},
        {CONTROLLER, FORCED, &S::modifyRedundantController, nullptr, {{"redundantcontroller", "", nullptr}}},
        {LOGICAL_DRIVE, !FORCED, &S::modifyNumber, nullptr, {{"number", "", nullptr}}},
        {LOGICAL_DRIVE, !FORCED, &S::modifySetting, OPERATION_WRITE_MIGRATE_LOGICAL_DRIVE,
            {{"raid", "current", ATTR_NAME_RAID}, {"stripesize", "default", ATTR_NAME_STRIPE_SIZE}}},
        {LOGICAL_DRIVE, FORCED, &S::modifyExtend, OPERATION_WRITE_EXTEND_LOGICAL_DRIVE,
            {{"size", "", ATTR_NAME_USEABLE_BLOCKS}}},
        {CONTROLLER, FORCED, &S::modifySsp, nullptr, {{"ssp", "", nullptr}}},
        {LOGICAL_DRIVE, FORCED, &S::modifyMask, nullptr, {{"mask", "", nullptr}, {"unmask", "", nullptr}}},
        {LOGICAL_DRIVE, !FORCED, &S::modifyChassisSlot, OPERATION_WRITE_SET_PREFERRED_PATH,
            {{"chassisslot", "", ATTR_NAME_IO_SLOT}}},
        {CONTROLLER, !FORCED, &S::modifySetting, OPERATION_WRITE_SET_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE,
            {{"preferredpathmode", "", ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE}}},
        {CONTROLLER, !FORCED, &S::modifyChassisName, nullptr, {{"chassisname", "", nullptr}}},
        {CONTROLLER, !FORCED, &S::modifyHostSettings, nullptr,
            {{"adapterid", "", nullptr}, {"connectionname", NOT_FOUND, nullptr}, {"hostmode", "", nullptr}}},
        {LOGICAL_DRIVE, !FORCED, &S::modifyArrayAccelerator, nullptr, {{"arrayaccelerator", "", nullptr}}},
        {LOGICAL_DRIVE, FORCED, &S::modifyReenable, nullptr, {{"reenable", "", nullptr}}},
    };
    // clang-format on
    for (const ModifyRow& row : rows)
        for (const ModifyParam& param : row.params)
            if (keyword == param.name)
                return &row;
    return nullptr;
}

void StorageCLI::ExecuteModifyCommand()
{
    // "forced" goes with several settings and names none: the setting is
    // the first other parameter, wherever "forced" stands.
    auto named =
        std::find_if(m_params.begin(), m_params.end(), [](const auto& param) { return param.first != "forced"; });
    const ModifyRow* row = named == m_params.end() ? nullptr : modifyRow(named->first);
    if (row == nullptr) {
        CError::log(CLI_MESSAGES::MODIFY_USAGE, "", 1);
        return;
    }
    ModifyCall call{*row, {}, row->forced && CLI_HELPERS::popUnsettable(m_params, "forced")};
    for (const ModifyParam& param : row->params)
        call.values.push_back(CLI_HELPERS::popValue(m_params, param.name, param.fallback));
    bool error = false;
    extraneousCheck(error);
    if (row->target.type != nullptr)
        targetCheck(error, row->target.type, row->target.message);
    if (error)
        return;
    {
        Core::DeviceLock lock(*m_devices.front());
        (this->*row->handler)(call);
    }
    rereadWritten(row->params.front().name == std::string("chassisname"));
}

// Only the controllers written to are read again; a new chassis name may
// change how any controller is named, so it reads the whole tree again.
void StorageCLI::rereadWritten(bool wholeTree)
{
    if (m_written.empty())
        return;
    if (wholeTree) {
        ExecuteRescanCommand();
        return;
    }
    std::vector<Core::DevicePtr> controllers;
    for (const Core::DevicePtr& device : m_written) {
        Core::DevicePtr controller = m_facade.controller(device);
        if (std::find(controllers.begin(), controllers.end(), controller) == controllers.end())
            controllers.push_back(controller);
    }
    for (const Core::DevicePtr& controller : controllers)
        m_targetFilter.RescanController(controller);
}

void StorageCLI::modifySetting(const ModifyCall& call)
{
    OpParams params;
    for (std::size_t i = 0; i < call.row.params.size(); ++i)
        params.emplace_back(call.row.params[i].attribute, call.values[i]);
    ProcessOp(call.row.operation, params);
}

void StorageCLI::modifySpares(const ModifyCall& call)
{
    if (call.values[0] == "none")
        ExecuteRemoveSpareCommand(true, call.values[0]);
    else
        ExecuteAddSpareCommand(true, call.values[0], false);
}

void StorageCLI::eachSelected(const std::function<void(const Core::DevicePtr&)>& work)
{
    for (const Core::DevicePtr& device : m_devices)
        if (CError::isOK())
            work(device);
}

void StorageCLI::modifySurfaceScanDelay(const ModifyCall& call)
{
    eachSelected([&](const Core::DevicePtr& device) { SurfaceScanDelay(device, call.values[0]); });
}

void StorageCLI::modifyFailDrive(const ModifyCall&)
{
    eachSelected([&](const Core::DevicePtr& drive) { FailDrive(drive); });
}

void StorageCLI::modifyLed(const ModifyCall& call)
{
    bool error = false;
    valueCheck(error, "led", call.values[0], "on", "off");
    if (!error)
        eachSelected([&](const Core::DevicePtr& device) { BlinkDevice(device, call.values[0] == "on"); });
}

void StorageCLI::modifyDriveWriteCache(const ModifyCall& call)
{
    bool error = false;
    if (call.values[0] == "enable")
        forcedCheck(error, call.forced, CLI_MESSAGES::DRIVE_WRITE_CACHE_PROMPT);
    if (!error)
        modifySetting(call);
}

void StorageCLI::modifyRedundantController(const ModifyCall& call)
{
    bool error = false;
    valueCheck(error, "redundantcontroller", call.values[0], "disable");
    forcedCheck(error, call.forced, CLI_MESSAGES::REDUNDANT_CONTROLLER_PROMPT);
    if (error)
        return;
    // The other controller is disabled from the one in the first chassis slot.
    std::vector<Core::DevicePtr> firstSlot;
    for (const Core::DevicePtr& controller : m_devices) {
        Core::DevicePtr system = m_facade.storagesystem(controller);
        Core::DevicePtr found;
        if (system) {
            Core::DeviceFinder finder(system);
            finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_ARRAY_CONTROLLER));
            finder.Add(Core::Attribute(ATTR_NAME_IO_SLOT, "0"));
            found = finder.find(Core::DeviceFinder::DIRECTION_DOWN);
        }
        if (!found) {
            CError::log(CLI_MESSAGES::NOT_SUPPORTED, "", 1);
            return;
        }
        if (std::find(firstSlot.begin(), firstSlot.end(), found) == firstSlot.end())
            firstSlot.push_back(found);
    }
    m_devices = firstSlot;
    ProcessOp(OPERATION_WRITE_DISABLE_OTHER_CONTROLLER, {});
}

void StorageCLI::modifyNumber(const ModifyCall& call)
{
    const std::string& value = call.values[0];
    unsigned number = 0;
    if (!CLI_HELPERS::isDigits(value))
        CError::log(CLI_MESSAGES::SYNTAX_ERROR + value + "\"", "", 1);
    else if (!readNumber(value, 1, 32, number))
        CError::log(CLI_MESSAGES::NUMBER_RANGE, "", 1);
    else if (m_devices.size() > 1)
        CError::log(CLI_MESSAGES::ONE_DEVICE, "", 1);
    else
        ReorderLD(m_devices.front(), std::to_string(number - 1));
}

void StorageCLI::modifyExtend(const ModifyCall& call)
{
    bool error = false;
    if (call.values[0] != "?")
        forcedCheck(error, call.forced, CLI_MESSAGES::EXTENSION_PROMPT);
    if (!error)
        modifySetting(call);
}

void StorageCLI::modifyChassisSlot(const ModifyCall& call)
{
    for (const Core::DevicePtr& drive : m_devices)
        if (m_facade.rawVal(m_facade.controller(drive), ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE) ==
            ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_IMPLICIT) {
            CError::log(CLI_MESSAGES::MANUAL_PATH_MODE, "", 1);
            return;
        }
    modifySetting(call);
}

void StorageCLI::modifyChassisName(const ModifyCall& call)
{
    eachSelected([&](const Core::DevicePtr& device) { ChangeBoxname(device, call.values[0]); });
}

void StorageCLI::keepWritten(const CSSPOp& ssp)
{
    m_written.insert(m_written.end(), ssp.written().begin(), ssp.written().end());
}

void StorageCLI::modifySsp(const ModifyCall& call)
{
    const std::string& value = call.values[0];
    bool error = value.empty();
    if (error)
        CError::log(CLI_MESSAGES::SYNTAX_ERROR + std::string("ssp\""), "", 1);
    valueCheck(error, "ssp", value, "on", "off");
    if (value == "on")
        forcedCheck(error, call.forced, CLI_MESSAGES::SSP_ACCESS_PROMPT);
    if (error)
        return;
    CSSPOp ssp("", "", m_out);
    eachSelected([&](const Core::DevicePtr& controller) { ssp.EnableSSP(controller, value == "on"); });
    keepWritten(ssp);
}

void StorageCLI::modifyMask(const ModifyCall& call)
{
    const std::string& mask = call.values[0];
    const std::string& unmask = call.values[1];
    bool error = false;
    if ((!mask.empty() && mask != "none") || unmask == "none")
        forcedCheck(error, call.forced, CLI_MESSAGES::SSP_ACCESS_PROMPT);
    if (error)
        return;
    CSSPOp ssp(mask, unmask, m_out);
    eachSelected([&](const Core::DevicePtr& drive) { ssp(drive); });
    keepWritten(ssp);
}

// A host mode goes to the adapters named by id or by connection name; an
// adapter id with a connection name and no host mode names that adapter.
void StorageCLI::modifyHostSettings(const ModifyCall& call)
{
    const std::string& adapterId = call.values[0];
    const std::string& name = call.values[1];
    const std::string& mode = call.values[2];
    const bool named = name != NOT_FOUND;
    if (m_devices.size() > 1) {
        CError::log(CLI_MESSAGES::ONE_CONTROLLER, "", 1);
        return;
    }
    CSSPOp ssp("", "", m_out);
    if (!mode.empty() && (!adapterId.empty() || (named && !name.empty())))
        ssp.SetHostModes(m_devices.front(), adapterId.empty() ? name : adapterId, mode);
    else if (!adapterId.empty() && named && mode.empty())
        ssp.SetConnectionName(m_devices.front(), adapterId, name == UNNAMED ? "" : name);
    else
        CError::log(CLI_MESSAGES::SEE_HELP_FOR_USAGE, "", 1);
    keepWritten(ssp);
}

void StorageCLI::modifyArrayAccelerator(const ModifyCall& call)
{
    eachSelected([&](const Core::DevicePtr& drive) { ChangeArrayAccel(drive, call.values[0]); });
}

void StorageCLI::modifyReenable(const ModifyCall& call)
{
    bool error = false;
    forcedCheck(error, call.forced, CLI_MESSAGES::REENABLE_PROMPT);
    if (!error)
        eachSelected([&](const Core::DevicePtr& drive) { ReenableLD(drive); });
}

// ---- the settings changed without ProcessOp --------------------------------

void StorageCLI::SurfaceScanDelay(const Core::DevicePtr& device, const std::string& value)
{
    const Core::DevicePtr home = m_facade.operationHome(device);
    Core::DeviceOperationPtr operation = offered(home, OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS);
    unsigned seconds = 0;
    if (!operation)
        return;
    if (!readNumber(value, 1, 30, seconds)) {
        CError::log(CLI_MESSAGES::SURFACE_SCAN_DELAY, "", 1);
        return;
    }
    setArgument(operation, ATTR_NAME_SURFACE_ANALYSIS_DELAY, std::to_string(seconds));
    performOn(home, operation);
}

void StorageCLI::FailDrive(const Core::DevicePtr& drive)
{
    if (m_facade.controllerModel(drive) != ModelTable::enclosureControllerKey()) {
        CError::log(CLI_MESSAGES::ENCLOSURE_DRIVES_ONLY, "", 1);
        return;
    }
    Core::DeviceOperationPtr operation =
        drive->getOperation(Interface::DiagnosticMod::OPERATION_WRITE_FAIL_PHYSICAL_DRIVE);
    if (!operation)
        CError::log(m_facade.deviceName(drive) + CLI_MESSAGES::NO_POWER_DOWN, "", 1);
    else
        performOn(drive, operation);
}

// The operation belongs to the logical drive itself: that is where the
// renumbering is registered.
void StorageCLI::ReorderLD(const Core::DevicePtr& drive, const std::string& number)
{
    Core::DeviceOperationPtr operation = offered(drive, OPERATION_WRITE_REORDER_LOGICAL_DRIVE);
    if (!operation)
        return;
    setArgument(operation, ATTR_NAME_DRIVE_NUMBER, number);
    performOn(drive, operation);
}

void StorageCLI::ChangeBoxname(const Core::DevicePtr& device, const std::string& name)
{
    const Core::DevicePtr home = m_facade.operationHome(device);
    if (!home->hasAttribute(ATTR_NAME_BOX_NAME)) {
        CError::log(m_facade.deviceName(home) + CLI_MESSAGES::NO_CHASSISNAME, "", 1);
        return;
    }
    Core::DeviceOperationPtr operation = offered(home, OPERATION_WRITE_MANAGE_BOX_NAME);
    if (!operation)
        return;
    const std::size_t wrong = CLI_HELPERS::badNameCharacter(name);
    if (wrong != std::string::npos) {
        CError::log("'" + name.substr(wrong, 1) + CLI_MESSAGES::CHASSISNAME_CHARACTER, "", 1);
        return;
    }
    if (!m_facade.isWithinMaximumLength(home, OPERATION_WRITE_MANAGE_BOX_NAME, ATTR_NAME_BOX_NAME, name))
        return;
    setArgument(operation, ATTR_NAME_BOX_NAME, name);
    performOn(home, operation);
}

void StorageCLI::ChangeArrayAccel(const Core::DevicePtr& drive, const std::string& value)
{
    if (value != "enable" && value != "disable") {
        CError::log(CLI_MESSAGES::INVALID_ARRAY_ACCELERATOR, "", 1);
        return;
    }
    const Core::DevicePtr controller = m_facade.operationHome(m_facade.controller(drive));
    if (!drive->hasOperation(OPERATION_READ_LOGICAL_DRIVE_INFO)) {
        CError::log(CLI_MESSAGES::NOT_SUPPORTED, "", 1);
        return;
    }
    Core::DeviceOperationPtr operation = offered(controller, OPERATION_WRITE_MANAGE_ARRAY_ACCELERATOR);
    if (!operation)
        return;
    setArgument(operation, ATTR_NAME_UNIQUE_ID, m_facade.rawVal(drive, ATTR_NAME_UNIQUE_ID),
                value == "enable" ? Core::DeviceOperation::ACTION_ADD : Core::DeviceOperation::ACTION_REMOVE);
    performOn(controller, operation);
}

// The lights of a device are worked by the device itself or, when it cannot,
// by the storage system or enclosure it sits in.
void StorageCLI::BlinkDevice(const Core::DevicePtr& device, bool on)
{
    Core::DevicePtr owner = device;
    while (owner && !owner->hasOperation(OPERATION_WRITE_DEVICE_BLINK)) {
        do
            owner = owner->hasParent() ? owner->pParent() : Core::DevicePtr();
        while (owner && !m_facade.isTargetType(owner, ATTR_VALUE_TYPE_STORAGE_SYSTEM) &&
               !m_facade.isTargetType(owner, ATTR_VALUE_TYPE_STORAGE_ENCLOSURE));
    }
    Core::DeviceOperationPtr operation = offered(owner, OPERATION_WRITE_DEVICE_BLINK);
    if (!operation)
        return;
    setArgument(operation, ATTR_NAME_BLINK_INTERVAL, on ? "3600" : "0");
    setArgument(operation, ATTR_NAME_CONCATENATE, ATTR_VALUE_CONCATENATE_TRUE);
    setArgument(operation, ATTR_NAME_UNIQUE_ID, m_facade.rawVal(device, ATTR_NAME_UNIQUE_ID));
    performOn(owner, operation);
}

void StorageCLI::ReenableLD(const Core::DevicePtr& drive)
{
    if (!m_facade.isTargetType(drive, ATTR_VALUE_TYPE_LOGICAL_DRIVE)) {
        CError::log(CLI_MESSAGES::TARGET_LOGICAL_DRIVE, "", 1);
        return;
    }
    Core::DeviceOperationPtr operation = offered(drive, OPERATION_WRITE_REENABLE_LOGICAL_DRIVE);
    if (operation)
        performOn(drive, operation);
}
