// Entry of vnlcli. Without arguments it opens the interactive console; with
// arguments it joins them into one command line and runs it. Only one copy
// may change controllers at a time (the single-instance lock); a second copy
// still runs read-only commands. The exit status is 0, 1 after any reported
// error or when standard output could not be written, or the number of a
// signal that ended the run (SIGPIPE when the reader of the output went away).
// With "--json" as the first argument the one command must be a show, and
// its answer is one JSON document: the devices listed, or the error.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/clierror.h"
#include "cli/clihelpers.h"
#include "cli/climessages.h"
#include "cli/consoleoutput.h"
#include "cli/jsoncli.h"
#include "cli/storagecli.h"
#include "common/mutex.h"
#include "operations/drxmodroot.h"

namespace {

Common::Synchronization::Mutex sInstanceLock("ZQVVNL_MUTEX");

constexpr std::string_view JSON_OPTION = "--json";

const int HANDLED_SIGNALS[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGSEGV, SIGABRT, SIGFPE,
                               SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2};

} // namespace

namespace OSFunctions {

bool IsAdmin() { return geteuid() == 0; }

} // namespace OSFunctions

bool isAdmin()
{
    bool admin = OSFunctions::IsAdmin();
    if (!admin)
        CError::log(CLI_MESSAGES::NOT_ADMIN, "", 1);
    return admin;
}

// Lets the caller go on only when no other instance holds the lock;
// otherwise reports it and waits for ENTER.
bool OverrideMutextPrompt(bool anotherInstance)
{
    if (!anotherInstance)
        return true;
    std::cout << '\n';
    CError::log(CLI_MESSAGES::ANOTHER_INSTANCE, "", 1);
    std::string discarded;
    CLI_HELPERS::readLine(std::cin, discarded);
    return false;
}

// Releases the lock (if held here) and ends the process.
[[noreturn]] void cleanup(int status)
{
    sInstanceLock.release();
    std::exit(status);
}

namespace {

// A handled signal releases the lock and ends the process at once with the
// signal number. Only async-signal-safe calls are made here: exit() could
// deadlock on a stream lock the interrupted code holds. Output the command
// had not yet flushed is dropped with it; every prompt and question was
// flushed before it was asked.
extern "C" void onSignal(int signal)
{
    sInstanceLock.release();
    _exit(signal);
}

void installSignalHandlers()
{
    for (int signal : HANDLED_SIGNALS)
        std::signal(signal, onSignal);
}

// Keeps descriptors 0 to 2 taken, so that no file opened later (the
// simulated hardware's state, a library's log) lands on one of them and
// receives the console's output. A closed standard output gets a descriptor
// open for reading only: it stays unwritable, and the first write fails as
// it would have.
void occupyStandardDescriptors()
{
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) != -1)
            continue;
        const int opened = open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
        if (opened != fd && opened >= 0) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

// True once a write to standard output has failed (a full disk, a closed
// descriptor): nothing more can be shown, so the run ends.
bool outputFailed() { return !std::cout.flush(); }

int reportOutputFailure()
{
    std::cerr << CLI_MESSAGES::OUTPUT_FAILED << std::endl;
    return 1;
}

// Refuses a line too long for the console rather than running part of it.
bool fitsLine(const std::string& line)
{
    if (line.size() <= CLI_HELPERS::MAX_LINE_LENGTH)
        return true;
    CError::log(CLI_MESSAGES::LINE_TOO_LONG, "", 1);
    return false;
}

// Reads the next console line; "exit" at end of input, "" for a refused line.
std::string nextConsoleLine()
{
    std::string line;
    if (!CLI_HELPERS::readLine(std::cin, line))
        return "exit";
    if (!fitsLine(line) || line.empty())
        return "";
    return CLI_HELPERS::ReplaceSynonyms(line);
}

void runConsole()
{
    StorageCLI cli(&std::cout);
    std::cout << CLI_MESSAGES::DONE << '\n' << CLI_MESSAGES::HELP_HINT << '\n' << CLI_MESSAGES::EXIT_HINT << "\n\n";
    // A command whose output failed ends the session at the next prompt.
    for (;;) {
        CError::reset();
        std::cout << CLI_MESSAGES::PROMPT;
        if (outputFailed())
            return;
        const std::string line = nextConsoleLine();
        if (line == "exit" || line == "quit")
            return;
        if (!line.empty())
            cli.ExecuteCommandLine(line);
    }
}

std::string joinArguments(int argc, char** argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += CLI_HELPERS::addQuotes(argv[i]);
    }
    return line;
}

void runOneShot(int argc, char** argv, bool anotherInstance)
{
    std::string line = joinArguments(argc, argv);
    if (!fitsLine(line))
        return;
    line = CLI_HELPERS::ReplaceSynonyms(line);
    if (CLI_HELPERS::isReadOperation(line) || OverrideMutextPrompt(anotherInstance)) {
        StorageCLI cli(&std::cout);
        cli.ExecuteCommandLine(line);
    }
}

// The document of a JSON run, or its error form. A show is a read
// operation: it runs whether or not another instance holds the lock.
void runJson(int argc, char** argv, const std::ostringstream& hidden)
{
    nlohmann::ordered_json document;
    const std::string line = joinArguments(argc - 1, argv + 1);
    if (fitsLine(line)) {
        CJsonCLI cli(&ConsoleOutput::stream());
        cli.execute(CLI_HELPERS::ReplaceSynonyms(line));
        document = cli.document();
    }
    CJsonCLI::write(std::cout, CError::isOK() ? document : CJsonCLI::errorDocument(hidden.str()));
}

} // namespace

int main(int argc, char** argv)
{
    occupyStandardDescriptors();
    bool interactive = argc <= 1;
    const bool json = !interactive && argv[1] == JSON_OPTION;
    // A JSON run writes nothing but its document: every text goes here.
    std::ostringstream hidden;
    const ConsoleOutput::Binding output(json ? &hidden : &ConsoleOutput::stream());
    if (interactive) {
        std::cout << CLI_MESSAGES::BANNER << CLI_HELPERS::VersionString() << '\n'
                  << CLI_MESSAGES::DETECTING << std::flush;
        CDRXModRoot::pModRoot(); // discovery runs before the first prompt
    }
    sInstanceLock.capture();
    bool anotherInstance = sInstanceLock.eMutexState() == Common::Synchronization::Mutex::HELD_ELSEWHERE;
    if (!isAdmin()) {
        if (json)
            CJsonCLI::write(std::cout, CJsonCLI::errorDocument(hidden.str()));
        return 1;
    }
    installSignalHandlers();
    if (json)
        runJson(argc, argv, hidden);
    else if (!interactive)
        runOneShot(argc, argv, anotherInstance);
    else if (OverrideMutextPrompt(anotherInstance))
        runConsole();
    int status = outputFailed() ? reportOutputFailure() : CError::errorCode();
    if (!anotherInstance)
        cleanup(status);
    return status;
}
