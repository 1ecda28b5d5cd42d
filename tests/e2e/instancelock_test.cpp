// The single-instance lock between running copies of vnlcli. The holder is
// an interactive vnlcli kept open on a pipe.
#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/vnlprocess.h"

namespace {

const std::vector<std::string> CHANGING = {"ctrl", "slot=1", "create", "type=ld", "drives=au"};
const std::string ANOTHER_INSTANCE =
    "\n\nError: Another instance of VNL is already running (possibly a service). Please \n"
    "       terminate the VNL application before running the VNL CLI. Press ENTER to\n"
    "       exit.\n\n";
const std::string NOT_ADMIN = "\nError: You need to have administrator rights to continue.\n\n";

class InstanceLock : public ::testing::Test {
protected:
    std::unique_ptr<VnlProcess> openHolder()
    {
        auto holder = std::make_unique<VnlProcess>(dir, std::vector<std::string>{});
        EXPECT_NE(holder->readUntil("=> ").find("Done."), std::string::npos);
        EXPECT_EQ(dir.semaphoreValue(), 1);
        return holder;
    }
    // A changing command gets past the lock to the parser.
    void expectLockFree()
    {
        EXPECT_EQ(dir.semaphoreValue(), 0);
        Outcome run = runVnlcli(dir, {"ctrl", "slot=1", "modify", "foo=1"});
        EXPECT_EQ(run.output, "\nError: Syntax error at \"foo\"\n\n");
    }

    LockDir dir;
};

} // namespace

TEST_F(InstanceLock, SecondInstanceRunsOnlyReadOnlyCommands)
{
    auto holder = openHolder();
    Outcome show = runVnlcli(dir, {"controller", "all", "show"});
    EXPECT_EQ(show.output.find("Another instance"), std::string::npos) << show.output;

    VnlProcess changing(dir, CHANGING);
    EXPECT_EQ(changing.readUntil(ANOTHER_INSTANCE), ANOTHER_INSTANCE);
    EXPECT_EQ(waitpid(changing.pid, nullptr, WNOHANG), 0); // waits for ENTER
    changing.write("\n");
    EXPECT_EQ(changing.finish().status, 1);

    Outcome console = runVnlcli(dir, {}, "\nversion\n");
    EXPECT_EQ(console.output, "Orvex Varnel CLI 7.80-3.0\nDetecting Controllers..." + ANOTHER_INSTANCE);
    EXPECT_EQ(console.status, 1);
    EXPECT_EQ(dir.semaphoreValue(), 1); // the holder's lock is left alone
}

TEST_F(InstanceLock, HolderEndingInAnyWayFreesTheLock)
{
    for (int how : {0, SIGTERM, SIGKILL}) {
        auto holder = openHolder();
        if (how == 0)
            holder->write("exit\n");
        else
            kill(holder->pid, how);
        EXPECT_EQ(holder->finish().status, how == SIGKILL ? 128 + SIGKILL : how) << how;
        expectLockFree();
    }
}

// Anyone may create the set under the key before root does and keep it raised; that must not
// lock root out. Root's instance replaces it by a set of its own that only a privileged
// process can use.
TEST_F(InstanceLock, SetMadeByAnotherUserIsReplaced)
{
    const uid_t nobody = 65534;
    const key_t key = ftok(dir.keyFile().c_str(), 0);
    pid_t maker = fork();
    if (maker == 0) {
        sembuf raise = {0, 1, 0};
        bool asNobody = setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
        int id = asNobody ? semget(key, 1, IPC_CREAT | 0600) : -1;
        _exit(id >= 0 && semop(id, &raise, 1) == 0 ? 0 : 1);
    }
    int made = -1;
    ASSERT_EQ(waitpid(maker, &made, 0), maker);
    ASSERT_EQ(made, 0);
    ASSERT_EQ(dir.semaphoreValue(), 1);

    auto holder = openHolder();
    semid_ds status{};
    ASSERT_EQ(semctl(dir.semaphoreSet(), 0, IPC_STAT, &status), 0);
    EXPECT_EQ(status.sem_perm.cuid, 0u);
    EXPECT_EQ(status.sem_perm.mode & 0777, 0u);
    VnlProcess changing(dir, CHANGING);
    EXPECT_EQ(changing.readUntil(ANOTHER_INSTANCE), ANOTHER_INSTANCE); // the new set still excludes
}

TEST_F(InstanceLock, NonAdministratorIsRefused)
{
    const uid_t nobody = 65534;
    Outcome oneShot = runVnlcli(dir, {"controller", "all", "show"}, "", nobody);
    EXPECT_EQ(oneShot.output, NOT_ADMIN);
    EXPECT_EQ(oneShot.status, 1);
    Outcome console = runVnlcli(dir, {}, "exit\n", nobody);
    EXPECT_EQ(console.output, "Orvex Varnel CLI 7.80-3.0\nDetecting Controllers..." + NOT_ADMIN);
    EXPECT_EQ(console.status, 1);
    expectLockFree();
}
