// StorageCLI is the command processor: every command line of a console run
// (or the one command of a one-shot run) passes through ExecuteCommandLine.
// A line is routed to help, to the version report, or parsed into target
// words, a command and its (name, value) parameters. The parsed state lives
// until the next line. Errors are reported through CError and leave
// isError() set; nothing here throws.
#ifndef VNL_CLI_STORAGECLI_H
#define VNL_CLI_STORAGECLI_H

#include <ostream>
#include <string>
#include <vector>

#include "cli/clihelpers.h"
#include "cli/cliprinter.h"

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

    bool isError() const { return m_error; }
    bool isInvariant() const { return true; }

protected:
    std::string m_commandLine;
    std::vector<std::string> m_tokens;
    std::vector<std::string> m_targetTokens;
    std::vector<std::string> m_commandTokens;
    ParamList m_params;
    bool m_error = false;
    CLIPrinter m_printer;

private:
    void PrintVersion();
    void reportError(const std::string& message);
    void reportSyntaxError(const std::string& word);
    // Adds one word of the command part to m_params; false after reporting
    // a word that is not allowed.
    bool acceptParam(const std::string& word);
};

#endif
