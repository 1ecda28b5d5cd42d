#include "cli/storagecli.h"

#include <algorithm>

#include "cli/clierror.h"
#include "cli/climessages.h"
#include "cli/smart_help.h"
#include "cli/syntaxchecker.h"
#include "operations/drxmodroot.h"
#include "schema/morumod.h"

namespace {

bool startsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

// Parameters that may be set to the empty text.
bool mayBeEmpty(const std::string& name)
{
    return name == "chassisname" || name == "connectionname";
}

} // namespace

StorageCLI::StorageCLI(std::ostream* out)
    : m_out(out), m_printer(out), m_targetFilter(out), m_implicitTarget(out)
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
    using namespace Interface::MORUMod;
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

void StorageCLI::reportSyntaxError(const std::string& word)
{
    reportError(CLI_MESSAGES::SYNTAX_ERROR + word + "\"");
}
