// A run whose standard output cannot be written must not end as if it had
// been: a full disk or a closed descriptor ends it with status 1 and a word
// on standard error, and a reader that went away ends it quietly by SIGPIPE.
#include <gtest/gtest.h>

#include <fcntl.h>

#include "tests/e2e/vnlprocess.h"

namespace {

enum class Output { DEV_FULL, CLOSED, BROKEN_PIPE };

struct Ending {
    int status = -1;
    std::string errors;
};

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs vnlcli with `input` on standard input, standard output as `output`
// and standard error in a file of the test's directory.
Ending runWith(const LockDir& dir, Output output, const std::vector<std::string>& args, const std::string& input = "")
{
    const std::string inputFile = dir.path + "/input", errorFile = dir.path + "/errors";
    std::ofstream(inputFile) << input;
    int broken[2] = {-1, -1};
    if (output == Output::BROKEN_PIPE && pipe(broken) != 0)
        return {};
    pid_t pid = fork();
    if (pid == 0) {
        const int in = open(inputFile.c_str(), O_RDONLY);
        const int err = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0);
        dup2(err, 2);
        if (output == Output::DEV_FULL)
            dup2(open("/dev/full", O_WRONLY), 1);
        else if (output == Output::BROKEN_PIPE)
            dup2(broken[1], 1), close(broken[0]);
        else
            close(1);
        signal(SIGPIPE, SIG_DFL);
        setenv("VNLXE_LOCK_FILES_DIR", (dir.path + "/").c_str(), 1);
        setenv("VNLSIM_STATE", (dir.path + "/sim").c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(VNLCLI_PATH)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(VNLCLI_PATH, argv.data());
        _exit(127);
    }
    for (int fd : broken)
        if (fd >= 0)
            close(fd);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readFile(errorFile)};
}

const std::string WRITE_FAILED = "vnlcli: standard output could not be written.\n";

} // namespace

TEST(OutputErrors, AFailedWriteEndsAOneShotCommandWithStatusOne)
{
    LockDir dir;
    for (Output output : {Output::DEV_FULL, Output::CLOSED}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"ctrl", "all", "show", "config"}, {"version"}, {"ctrl", "slot=99", "show"}}) {
            const Ending run = runWith(dir, output, args);
            EXPECT_EQ(run.status, 1) << args[1];
            EXPECT_EQ(run.errors, WRITE_FAILED) << args[1];
        }
    }
}

TEST(OutputErrors, AFailedWriteEndsTheConsoleSession)
{
    LockDir dir;
    for (Output output : {Output::DEV_FULL, Output::CLOSED}) {
        const Ending run = runWith(dir, output, {}, "ctrl all show\nversion\nexit\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, WRITE_FAILED);
    }
}

TEST(OutputErrors, AReaderThatWentAwayEndsTheRunQuietlyBySigpipe)
{
    LockDir dir;
    const Ending run = runWith(dir, Output::BROKEN_PIPE, {"ctrl", "all", "show", "config"});
    EXPECT_EQ(run.status, SIGPIPE);
    EXPECT_EQ(run.errors, "");
}
