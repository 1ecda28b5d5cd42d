#include "cli/storagecli.h"

#include <algorithm>

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/clirangeexpander.h"
#include "cli/clisort.h"
#include "cli/devlister.h"
#include "cli/ops/createop.h"
#include "cli/ops/showop.h"
#include "cli/ops/statusop.h"
#include "cli/smart_help.h"
#include "cli/storagesystemlock.h"
#include "cli/syntaxchecker.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "operations/drxmodroot.h"
#include "schema/configmod.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

namespace {

bool startsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }

// Parameters that may be set to the empty text.
bool mayBeEmpty(const std::string& name) { return name == "chassisname" || name == "connectionname"; }

// A size as typed: "?", "default", "max" or a whole number of MB.
bool isSizeWord(const std::string& size)
{
    return size == "?" || size == "default" || size == "max" || CLI_HELPERS::isDigits(size);
}

// The values given as "?"; one command asks one question.
int queryCount(const CCreateOp::Params& params)
{
    int count = 0;
    for (const std::string* value :
         {&params.raid, &params.size, &params.stripeSize, &params.sectors, &params.arrayAccelerator, &params.driveType})
        count += *value == "?";
    return count;
}

bool takeFirst(ParamList& params, const std::string& name)
{
    if (params.empty() || params.front().first != name)
        return false;
    params.pop_front();
    return true;
}

} // namespace

StorageCLI::StorageCLI(std::ostream* out)
    : m_out(out), m_output(out), m_printer(out), m_targetFilter(out), m_implicitTarget(out)
{
}

void StorageCLI::ReInitialize()
{
    m_commandLine.clear();
    m_tokens.clear();
    m_targetTokens.clear();
    m_commandTokens.clear();
    m_params.clear();
    m_devices.clear();
    m_written.clear();
    m_error = false;
}

void StorageCLI::ExecuteCommandLine(const std::string& line)
{
    ReInitialize();
    CDRXModRoot::BeginCommand();
    m_commandLine = line;
    if (startsWith(line, "help") || startsWith(line, "smarthelp"))
        ExecuteHelpCommand();
    else if (line == "version")
        PrintVersion();
    else
        ParseCommandLine(line);
}

void StorageCLI::ExecuteHelpCommand() { CSmartHelp::execute(m_commandLine, m_printer); }

void StorageCLI::PrintVersion()
{
    m_printer.print_ln("");
    m_printer.print_ln(CLI_MESSAGES::CLI_VERSION + CLI_HELPERS::VersionString());
    m_printer.print_ln(CLI_MESSAGES::MORU_VERSION + std::to_string(VersionMajor()) + "." +
                       std::to_string(VersionMinor()) + "-" + std::to_string(VersionBuild()));
    m_printer.print_ln("");
}

void StorageCLI::ParseCommandLine(const std::string& line)
{
    m_commandLine = m_implicitTarget.processCmdLn(line);
    if (m_commandLine.empty())
        return;
    m_tokens = CLI_HELPERS::cli_split(m_commandLine, false, ' ');
    auto command = std::find_if(m_tokens.begin(), m_tokens.end(), CLI_HELPERS::isCommand);
    m_targetTokens.assign(m_tokens.begin(), command);
    m_commandTokens.assign(command, m_tokens.end());

    std::string offending = CSyntaxChecker::validate(m_commandTokens);
    if (!offending.empty())
        reportSyntaxError(offending);
    if (m_commandTokens.empty() || m_error) {
        if (offending.empty())
            reportError(CLI_MESSAGES::INVALID_COMMAND);
        return;
    }
    for (const std::string& word : m_commandTokens)
        if (!acceptParam(word))
            return;
    ExecuteCommand();
}

bool StorageCLI::acceptParam(const std::string& word)
{
    std::size_t equals = word.find('=');
    bool hasValue = equals != std::string::npos;
    std::string name = word.substr(0, equals);
    std::string value = hasValue ? word.substr(equals + 1) : "";
    bool standsAlone = CLI_HELPERS::isCommand(name) || CLI_HELPERS::isUnsettableKeyword(name);
    bool known = standsAlone || CLI_HELPERS::isKeyword(name);
    bool valueMissing = !hasValue && !standsAlone;
    bool valueEmpty = hasValue && value.empty() && !mayBeEmpty(name);
    if (!known || valueMissing || valueEmpty) {
        reportSyntaxError(name);
        return false;
    }
    m_params.emplace_back(name, value);
    return true;
}

bool StorageCLI::isExtraneousParams()
{
    if (m_params.empty())
        return false;
    m_printer.print_ln("");
    m_printer.print_ln(CLI_MESSAGES::COMMAND_LINE_ENTERED);
    m_printer.print_ln("   " + m_commandLine);
    CError::log("\"" + m_params.front().first + "\"" + CLI_MESSAGES::SEE_HELP, "", 1);
    return true;
}

void StorageCLI::reportError(const std::string& message)
{
    CError::log(message, "", 1);
    m_error = true;
}

void StorageCLI::reportSyntaxError(const std::string& word) { reportError(CLI_MESSAGES::SYNTAX_ERROR + word + "\""); }

// ---- dispatch and the checks every handler shares ------------------------

void StorageCLI::ExecuteCommand()
{
    if (m_error || m_params.empty())
        return;
    const std::string keyword = m_params.front().first;
    if (keyword == "rescan") {
        ExecuteRescanCommand();
        return;
    }
    m_devices.clear();
    const TargetFilter::DeviceVector none;
    m_targetFilter.input(m_commandLine, none.begin(), none.end(), false, keyword != "show");
    m_targetFilter.output(m_devices);
    m_params.pop_front();
    const StorageSystemLock locks(m_targetFilter);
    if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "show") {
        // The whole tree shares one lock; holding it keeps a rescan out
        // while the handler walks the devices.
        Core::DeviceLock lock(*m_devices.front());
        ExecuteShowCommand();
    } else if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "create") {
        ExecuteCreateCommand();
    } else if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "modify") {
        ExecuteModifyCommand();
    } else if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "delete") {
        ExecuteDeleteCommand();
    } else if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "add") {
        ExecuteAddCommand();
        rereadWritten(false);
    } else if (!m_devices.empty() && CError::errorCode() == 0 && keyword == "remove") {
        ExecuteRemoveSpareCommand(false, CLI_HELPERS::popValue(m_params, "spares", ""));
        rereadWritten(false);
    } else if (!m_devices.empty() && CError::errorCode() == 0) {
        // The other changing commands are not built yet: say so rather than
        // end as if the change had been made.
        CError::log(CLI_MESSAGES::NOT_SUPPORTED, "", 1);
    }
    m_targetFilter.ReportUnreadControllers();
}

void StorageCLI::ExecuteRescanCommand() { m_targetFilter.Rescan(); }

void StorageCLI::ExecuteCreateCommand()
{
    if (!m_params.empty() && m_params.front() == std::pair<std::string, std::string>("type", "logicaldrive")) {
        m_params.pop_front();
        CreateLogicalDrive();
    } else {
        CError::log(CLI_MESSAGES::EXPECTING_TYPE_LD, "", 1);
    }
    // Only the controller written to is read again; the other controllers
    // are as this command found them.
    m_targetFilter.RescanController(m_facade.controller(m_devices.front()));
}

void StorageCLI::CreateLogicalDrive()
{
    CCreateOp::Params params;
    params.drives = CLI_HELPERS::popValue(m_params, "drives", "");
    params.raid = CLI_HELPERS::popValue(m_params, "raid", "default");
    params.size = CLI_HELPERS::popValue(m_params, "size", "default");
    params.stripeSize = CLI_HELPERS::popValue(m_params, "stripesize", "default");
    params.sectors = CLI_HELPERS::popValue(m_params, "sectors", "default");
    params.arrayAccelerator = CLI_HELPERS::popValue(m_params, "arrayaccelerator", "default");
    params.driveType = CLI_HELPERS::popValue(m_params, "drivetype", "");
    bool error = false;
    extraneousCheck(error);
    if (error)
        return;
    const Core::DevicePtr target = m_devices.front();
    const bool onArray = m_facade.isTargetType(target, ATTR_VALUE_TYPE_ARRAY);
    if (!onArray && !m_facade.isTargetType(target, ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        CError::log(CLI_MESSAGES::CREATE_TARGET, "", 1);
    else if (!isSizeWord(params.size))
        CError::log(CLI_MESSAGES::SYNTAX_ERROR + params.size + CLI_MESSAGES::SIZE_SYNTAX_END, "", 1);
    else if (onArray && (!params.drives.empty() || !params.driveType.empty()))
        CError::log(CLI_MESSAGES::ARRAY_TARGET_DRIVES, "", 1);
    else if (queryCount(params) > 1)
        CError::log(CLI_MESSAGES::ONE_QUERY, "", 1);
    if (!CError::isOK())
        return;
    if (!params.drives.empty())
        params.drives = CRangeExpander::expandDriveNumbers(params.drives);
    if (!CError::isOK())
        return;
    Core::DeviceLock lock(*target);
    CCreateOp create(params, m_out);
    create(target);
}

void StorageCLI::ProcessOp(const std::string& operation, const OpParams& params)
{
    for (const Core::DevicePtr& selected : m_devices) {
        if (!CError::isOK())
            return;
        // A controller's settings in a storage system are the system's, but
        // for disabling the other controller.
        const bool redirected = operation != Interface::ConfigMod::OPERATION_WRITE_DISABLE_OTHER_CONTROLLER &&
            m_facade.isTargetType(selected, ATTR_VALUE_TYPE_ARRAY_CONTROLLER);
        const Core::DevicePtr device = redirected ? m_facade.operationHome(selected) : selected;
        // Each device translates the values as typed: a size converted for
        // one device must not be converted again for the next.
        OpParams translated = params;
        if (!m_facade.processParams(device, operation, translated))
            continue;
        Core::DeviceOperationPtr op = device->getOperation(operation.c_str());
        for (const auto& [name, value] : translated)
            if (value != "default")
                op->SetArgument(Core::DeviceOperation::Argument(Core::DeviceOperation::ACTION_SET,
                                                                Core::Attribute(name.c_str(), value.c_str())));
        performOn(device, op);
    }
}

void StorageCLI::performOn(const Core::DevicePtr& device, const Core::DeviceOperationPtr& operation)
{
    m_written.push_back(device);
    m_facade.opErrMsg(device->perform(operation));
}

void StorageCLI::forcedCheck(bool& error, bool forced, const std::string& prompt)
{
    if (!error && !forced && !CLI_HELPERS::userResponse(prompt))
        error = true;
}

void StorageCLI::extraneousCheck(bool& error)
{
    if (!error && isExtraneousParams())
        error = true;
}

void StorageCLI::targetCheck(bool& error, const std::string& type, const std::string& message)
{
    if (error || m_devices.empty() || m_facade.isTargetType(m_devices.front(), type))
        return;
    CError::log(message, "", 1);
    error = true;
}

void StorageCLI::valueCheck(bool& error, const std::string& keyword, const std::string& value, const std::string& first,
                            const std::string& second, const std::string& third, const std::string& fourth)
{
    if (error)
        return;
    std::vector<std::string> allowed;
    for (const std::string* word : {&first, &second, &third, &fourth})
        if (!word->empty())
            allowed.push_back("\"" + *word + "\"");
    if (std::find(allowed.begin(), allowed.end(), "\"" + value + "\"") != allowed.end())
        return;
    std::string expected = allowed.empty() ? "" : allowed.back();
    if (allowed.size() > 1)
        expected = CLI_HELPERS::fuse(allowed.begin(), allowed.end() - 1, ", ") + " or " + expected;
    CError::log(CLI_MESSAGES::INVALID_VALUE + value + CLI_MESSAGES::INVALID_VALUE_FOR + keyword +
                    CLI_MESSAGES::INVALID_VALUE_EXPECTING + expected + ".",
                "", 1);
    error = true;
}

// ---- show ------------------------------------------------------------------

void StorageCLI::applyToSelected(CPerformOp& functor)
{
    m_printer.print_ln("");
    for (const Core::DevicePtr& device : m_devices)
        functor(device);
    m_printer.print_ln("");
}

void StorageCLI::ExecuteShowCommand()
{
    CLI_SORT::SortDevicesEx(m_devices);
    const bool wildcard = CLI_HELPERS::isWildcard(m_commandLine);
    if (takeFirst(m_params, "status")) {
        showSelected(ShowForm::Status, false);
    } else if (takeFirst(m_params, "ssp")) {
        if (!isExtraneousParams())
            showSelected(ShowForm::Ssp, !wildcard);
    } else if (takeFirst(m_params, "config")) {
        bool detail = takeFirst(m_params, "detail");
        if (!isExtraneousParams())
            ExecuteShowAllCommand(detail);
    } else {
        bool detail = CLI_HELPERS::popUnsettable(m_params, "detail");
        if (takeFirst(m_params, "config")) {
            if (!isExtraneousParams())
                ExecuteShowAllCommand(detail);
        } else if (!isExtraneousParams()) {
            showSelected(ShowForm::Devices, detail || !wildcard);
        }
    }
}

void StorageCLI::showSelected(ShowForm form, bool detail)
{
    if (form == ShowForm::Status) {
        CStatusOp status(m_out);
        applyToSelected(status);
        return;
    }
    CShowOp show(detail, m_out, form == ShowForm::Ssp);
    if (form == ShowForm::Devices)
        CLI_SORT::ClearSparesList();
    applyToSelected(show);
}

void StorageCLI::ExecuteShowAllCommand(bool detail)
{
    bool error = false;
    extraneousCheck(error);
    targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, CLI_MESSAGES::CONFIG_NEEDS_CONTROLLER);
    if (error)
        return;
    // Every selected controller is listed in turn, not only the first.
    const std::vector<Core::DevicePtr> controllers = m_devices;
    for (const Core::DevicePtr& controller : controllers)
        showConfiguration(controller, detail);
}

// The target selection of this same command has just read every selected
// controller ("controller all" rescans, a named controller is re-read) or
// found the tree read by this command already (CDRXModRoot::isFresh), so the
// listing uses the tree as it is: another read would only repeat every question.
void StorageCLI::showConfiguration(const Core::DevicePtr& controller, bool detail)
{
    CShowOp show(detail, m_out, false, true);
    m_printer.print_ln("");
    show(controller);
    m_printer.print_ln("");
    for (const Core::DevicePtr& device : configuration(controller))
        show(device);
    m_printer.print_ln("");
}

std::vector<Core::DevicePtr> StorageCLI::configuration(const Core::DevicePtr& controller)
{
    std::vector<Core::DevicePtr> devices;
    DevLister(controller,
              {ATTR_VALUE_TYPE_ARRAY, ATTR_VALUE_TYPE_LOGICAL_DRIVE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE,
               ATTR_VALUE_DRIVE_TYPE_SPARE},
              devices);
    CLI_SORT::SortDevicesEx(devices);
    return devices;
}
