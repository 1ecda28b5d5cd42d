// Test helper: runs the real vnlcli in a private temporary directory with its
// own single-instance key file, feeds its input and collects its output.
// Every wait is bounded, so a hanging child fails the test, not the suite.
#ifndef VNL_TESTS_E2E_VNLPROCESS_H
#define VNL_TESTS_E2E_VNLPROCESS_H

#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/sem.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// The directory with its key file and the simulated hardware (sim/, the default server preset);
// the semaphore set and the hardware go with them.
class LockDir {
public:
    LockDir()
    {
        char pattern[] = "/tmp/vnl-e2e-XXXXXX";
        path = mkdtemp(pattern) ? pattern : "/tmp";
        chmod(path.c_str(), 0755);
        std::ofstream(keyFile()).put('\n');
    }
    ~LockDir()
    {
        semctl(semaphoreSet(), 0, IPC_RMID);
        std::error_code ignored;
        if (path.rfind("/tmp/vnl-e2e-", 0) == 0) // never a directory this test did not make
            std::filesystem::remove_all(path, ignored);
    }
    std::string keyFile() const { return path + "/ZQVVNL_MUTEX"; }
    // Runs vnlsim on this simulated hardware, at the simulated time `clock` when one is given;
    // false when vnlsim refuses.
    bool sim(const std::string& args, const std::string& clock = "") const
    {
        const std::string at = clock.empty() ? "" : " VNLSIM_CLOCK=" + clock;
        const std::string command =
            "VNLSIM_STATE=" + path + "/sim" + at + " " + VNLSIM_TOOL + " " + args + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    // Replaces the simulated hardware by a fresh copy of a preset; false when vnlsim refuses.
    bool usePreset(const std::string& preset) const { return sim("init --preset " + preset); }
    int semaphoreValue() const { return semctl(semaphoreSet(), 0, GETVAL); }
    int semaphoreSet() const { return semget(ftok(keyFile().c_str(), 0), 0, 0); }

    std::string path;
};

// The output of a finished run and its status (128 + signal when killed).
struct Outcome {
    std::string output;
    int status = -1;
};

class VnlProcess {
public:
    VnlProcess(const LockDir& dir, const std::vector<std::string>& args, uid_t user = 0)
    {
        signal(SIGPIPE, SIG_IGN);
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            dup2(out[1], 2);
            for (int fd : {in[0], in[1], out[0], out[1]})
                close(fd);
            exec(dir, args, user);
        }
        close(in[0]);
        close(out[1]);
        m_input = in[1];
        m_output = out[0];
    }
    ~VnlProcess()
    {
        if (pid > 0 && !m_reaped) {
            kill(pid, SIGKILL);
            finish();
        }
        close(m_output);
    }

    void write(const std::string& text)
    {
        if (::write(m_input, text.data(), text.size()) < 0)
            closeInput();
    }
    // Reads until the output so far ends with `marker` (with "": until it
    // ends) or the time is up; returns the output so far.
    const std::string& readUntil(const std::string& marker)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while ((marker.empty() || !m_text.ends_with(marker)) && readSome(deadline)) {}
        return m_text;
    }
    Outcome finish()
    {
        closeInput();
        readUntil("");
        int status = 0;
        pid_t done = 0;
        for (int waited = 0; done == 0 && waited < 20000; ++waited, usleep(1000))
            done = waitpid(pid, &status, WNOHANG);
        if (done == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        m_reaped = true;
        return {m_text, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
    }

    pid_t pid = -1;

private:
    [[noreturn]] static void exec(const LockDir& dir, const std::vector<std::string>& args, uid_t user)
    {
        signal(SIGPIPE, SIG_DFL);
        setenv("VNLXE_LOCK_FILES_DIR", (dir.path + "/").c_str(), 1);
        setenv("VNLSIM_STATE", (dir.path + "/sim").c_str(), 1);
        bool ready = chdir(dir.path.c_str()) == 0;
        if (user != 0)
            ready = ready && setgroups(0, nullptr) == 0 && setgid(user) == 0 && setuid(user) == 0;
        std::vector<char*> argv{const_cast<char*>(VNLCLI_PATH)};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (ready)
            execv(VNLCLI_PATH, argv.data());
        _exit(127);
    }
    void closeInput()
    {
        if (m_input >= 0)
            close(m_input);
        m_input = -1;
    }
    bool readSome(std::chrono::steady_clock::time_point deadline)
    {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd fd{m_output, POLLIN, 0};
        char buffer[4096];
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            return false;
        ssize_t got = read(m_output, buffer, sizeof buffer);
        if (got > 0)
            m_text.append(buffer, static_cast<std::size_t>(got));
        return got > 0;
    }

    int m_input = -1;
    int m_output = -1;
    bool m_reaped = false;
    std::string m_text;
};

inline Outcome runVnlcli(const LockDir& dir, const std::vector<std::string>& args, const std::string& input = "",
                         uid_t user = 0)
{
    VnlProcess process(dir, args, user);
    process.write(input);
    return process.finish();
}

#endif
