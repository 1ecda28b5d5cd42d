// StorageCLI is the command processor: every command line of a console run
// (or the one command of a one-shot run) passes through ExecuteCommandLine.
// A line is routed to help, to the version report, or parsed into target
// words, a command and its (name, value) parameters. The parsed state lives
// until the next line. Everything it prints, errors included, goes to the
// stream it was constructed with. Errors are reported through CError and
// leave isError() set; nothing here throws.
#ifndef VNL_CLI_STORAGECLI_H
#define VNL_CLI_STORAGECLI_H

#include <ostream>
#include <string>
#include <vector>

#include "cli/clihelpers.h"
#include "cli/cliprinter.h"
#include "cli/consoleoutput.h"
#include "cli/implicittarget.h"
#include "cli/ops/cmfacade.h"
#include "cli/targetfilter.h"
#include "core/device.h"

class CPerformOp;

class StorageCLI {
public:
    explicit StorageCLI(std::ostream* out);
    virtual ~StorageCLI() = default;

    // Forgets the previous line's parsed state.
    void ReInitialize();
    // Runs one line, already synonym-replaced and lower-cased.
    void ExecuteCommandLine(const std::string& line);
    // Splits the line, runs the syntax checks and fills the parameter list.
    void ParseCommandLine(const std::string& line);
    void ExecuteHelpCommand();
    // Refuses parameters left over after a handler took what it understands;
    // true when there were any.
    bool isExtraneousParams();

    // Runs the parsed command on the devices its target selects, with the
    // selected storage systems locked around the handler.
    virtual void ExecuteCommand();
    void ExecuteRescanCommand();
    // "create type=logicaldrive ...", then a rescan of the controller written.
    void ExecuteCreateCommand();
    void CreateLogicalDrive();
    void ExecuteShowCommand();
    // "show config": the whole configuration of each selected controller.
    void ExecuteShowAllCommand(bool detail);
    // Runs `operation` with `params` (model attribute names, user values)
    // on every selected device until an error is reported.
    void ProcessOp(const std::string& operation, const OpParams& params);

    // Checks a handler makes; each does nothing once `error` is set and sets
    // it when the check fails.
    void forcedCheck(bool& error, bool forced, const std::string& prompt);
    void extraneousCheck(bool& error);
    void targetCheck(bool& error, const std::string& type, const std::string& message);
    void valueCheck(bool& error, const std::string& value, const std::string& first, const std::string& second = "",
                    const std::string& third = "", const std::string& fourth = "");

    bool isError() const { return m_error; }

protected:
    std::string m_commandLine;
    std::vector<std::string> m_tokens;
    std::vector<std::string> m_targetTokens;
    std::vector<std::string> m_commandTokens;
    ParamList m_params;
    bool m_error = false;
    std::ostream* m_out;
    // Errors, prompts and "?" answers go to the same stream as the listings.
    ConsoleOutput::Binding m_output;
    CLIPrinter m_printer;
    std::vector<Core::DevicePtr> m_devices;
    CMFacade m_facade;
    TargetFilter m_targetFilter;
    CImplicitTarget m_implicitTarget;

private:
    void PrintVersion();
    void reportError(const std::string& message);
    void reportSyntaxError(const std::string& word);
    // Adds one word of the command part to m_params; false after reporting
    // a word that is not allowed.
    bool acceptParam(const std::string& word);
    // Prints an empty line, applies `functor` to each selected device, and
    // prints another empty line.
    void applyToSelected(CPerformOp& functor);
    void showConfiguration(const Core::DevicePtr& controller, bool detail);
};

#endif
