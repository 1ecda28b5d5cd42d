// What one command costs on simulated hardware: a one-shot run of the real vnlcli (process start,
// library load, discovery, listing) and the same command typed in a console whose tree exists
// (a rescan and the listing). Run against a state made from the `large` preset:
//
//     VNLSIM_STATE=/tmp/large build/sim/vnlsim init --preset large
//     VNLSIM_STATE=/tmp/large LD_LIBRARY_PATH=build/sim build/benchmarks/bench_command
//
// With VNLSIM_LATENCY_US unset the numbers are the tool's own work. BM_OneShot also reports what
// one run asks the library, counted by the simulator (VNLSIM_STATS): controller commands (BMIC
// and SCSI) and enumeration and information calls.
//
// BM_OneShotCreate makes one logical drive on the `large` hardware, with the last logical drive of
// the controller in slot 4 left out so that its last array has room; it makes that hardware in a
// state directory of its own before each run (not timed). BM_OneShotExtend, on the same hardware,
// extends the first logical drive of that array to the largest size, so that the planner moves the
// two after it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/sem.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/clihelpers.h"
#include "cli/storagecli.h"

extern char** environ;

namespace {

const char* const COMMANDS[] = {"controller all show", "controller all show config"};

// A single-instance key file of the benchmark's own, so that no run touches the machine's lock.
class PrivateLockDir {
public:
    PrivateLockDir()
    {
        char pattern[] = "/tmp/vnl-bench-XXXXXX";
        m_path = mkdtemp(pattern) ? pattern : "/tmp";
        std::ofstream(keyFile()).put('\n');
    }
    ~PrivateLockDir()
    {
        semctl(semget(ftok(keyFile().c_str(), 0), 0, 0), 0, IPC_RMID);
        std::remove(keyFile().c_str());
        rmdir(m_path.c_str());
    }
    std::string prefix() const { return m_path + "/"; }

private:
    std::string keyFile() const { return m_path + "/ZQVVNL_MUTEX"; }
    std::string m_path;
};

// Runs vnlcli with `words` as its arguments, its output thrown away; true when it ended with 0.
bool runOneShot(const std::vector<std::string>& words)
{
    std::vector<char*> argv{const_cast<char*>(VNLCLI_PATH)};
    for (const std::string& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int status = -1;
    if (posix_spawn(&child, VNLCLI_PATH, &actions, nullptr, argv.data(), environ) == 0)
        waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The simulator's counts of one run ("bmic", "scsi", "enum", "info", "bmic.11" ...).
std::map<std::string, double> requestCounts(const std::string& statsFile)
{
    std::map<std::string, double> counts;
    std::ifstream stats(statsFile);
    for (std::string field; stats >> field;) {
        const std::size_t equals = field.find('=');
        if (equals != std::string::npos && field.rfind("pid=", 0) != 0)
            counts[field.substr(0, equals)] = std::strtod(field.c_str() + equals + 1, nullptr);
    }
    return counts;
}

void BM_OneShot(benchmark::State& state)
{
    const PrivateLockDir lockDir;
    setenv("VNLXE_LOCK_FILES_DIR", lockDir.prefix().c_str(), 1);
    const std::string statsFile = lockDir.prefix() + "stats";
    const std::vector<std::string> words = CLI_HELPERS::cli_split(COMMANDS[state.range(0)], false, ' ');
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(statsFile.c_str());
        setenv("VNLSIM_STATS", statsFile.c_str(), 1);
        state.ResumeTiming();
        if (!runOneShot(words))
            state.SkipWithError("vnlcli failed");
    }
    unsetenv("VNLSIM_STATS");
    std::map<std::string, double> counts = requestCounts(statsFile);
    std::remove(statsFile.c_str());
    state.counters["commands"] = counts["bmic"] + counts["scsi"];
    state.counters["library_calls"] = counts["enum"] + counts["info"];
    state.SetLabel(COMMANDS[state.range(0)]);
}
BENCHMARK(BM_OneShot)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_ConsoleCommand(benchmark::State& state)
{
    std::ostringstream shown;
    StorageCLI cli(&shown);
    for (auto _ : state) {
        shown.str("");
        cli.ExecuteCommandLine(COMMANDS[state.range(0)]);
    }
    state.SetLabel(COMMANDS[state.range(0)]);
}
BENCHMARK(BM_ConsoleCommand)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// The `large` hardware with room on the last array of slot 4, in a fresh state directory.
class LargeWithRoom {
public:
    LargeWithRoom()
    {
        char pattern[] = "/tmp/vnl-bench-state-XXXXXX";
        m_path = mkdtemp(pattern) ? pattern : "/tmp";
        std::ifstream preset(LARGE_PROFILE);
        std::ofstream profile(m_path + "/large.profile");
        std::vector<std::string> lines;
        for (std::string line; std::getline(preset, line);)
            lines.push_back(line);
        std::size_t last = lines.size();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind("logicaldrive", 0) == 0)
                last = i;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (i != last)
                profile << lines[i] << "\n";
    }
    ~LargeWithRoom() { std::filesystem::remove_all(m_path); }
    // A fresh copy of the hardware; false when vnlsim refuses it.
    bool reset() const
    {
        setenv("VNLSIM_STATE", (m_path + "/sim").c_str(), 1);
        std::filesystem::remove_all(m_path + "/sim");
        const std::string command =
            std::string(VNLSIM_PATH) + " init --profile " + m_path + "/large.profile >/dev/null";
        return std::system(command.c_str()) == 0;
    }

private:
    std::string m_path;
};

// One write on a fresh copy of LargeWithRoom per run; only the run of vnlcli is timed.
void oneShotWrite(benchmark::State& state, const char* command)
{
    const PrivateLockDir lockDir;
    setenv("VNLXE_LOCK_FILES_DIR", lockDir.prefix().c_str(), 1);
    const LargeWithRoom hardware;
    const std::vector<std::string> words = CLI_HELPERS::cli_split(command, false, ' ');
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = hardware.reset();
        state.ResumeTiming();
        if (!ready || !runOneShot(words))
            state.SkipWithError("vnlcli failed");
    }
}

void BM_OneShotCreate(benchmark::State& state)
{
    oneShotWrite(state, "controller slot=4 array H create type=ld size=1000");
}
BENCHMARK(BM_OneShotCreate)->Unit(benchmark::kMillisecond);

void BM_OneShotExtend(benchmark::State& state)
{
    oneShotWrite(state, "controller slot=4 logicaldrive 29 modify size=max forced");
}
BENCHMARK(BM_OneShotExtend)->Unit(benchmark::kMillisecond);

} // namespace
