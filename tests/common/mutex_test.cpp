#include "common/mutex.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/sem.h>
#include <unistd.h>

#include <fstream>
#include <string>

using namespace Common::Synchronization;

namespace {

// A private key file; its semaphore set goes with it.
struct KeyFile {
    KeyFile() { std::ofstream(path).put('\n'); }
    ~KeyFile()
    {
        semctl(semget(ftok(path.c_str(), 0), 0, 0), 0, IPC_RMID);
        unlink(path.c_str());
    }
    int value() const { return semctl(semget(ftok(path.c_str(), 0), 0, 0), 0, GETVAL); }
    std::string dir = "/tmp/";
    std::string name = "vnl-mutex-test-" + std::to_string(getpid());
    std::string path = dir + name;
};

} // namespace

TEST(OSMutex, KeyPathThatDoesNotFitFallsBackToTheFailureKey)
{
    KeyFile key;
    EXPECT_EQ(ipcPathToUnixKey(key.dir.c_str(), key.name.c_str()), ftok(key.path.c_str(), 0));
    EXPECT_EQ(ipcPathToUnixKey((key.dir + std::string(300, '/')).c_str(), key.name.c_str()), -1);
    EXPECT_EQ(ipcPathToUnixKey(key.dir.c_str(), "vnl-no-such-key-file"), -1);
}

TEST(Mutex, SecondHolderIsRefusedAndNeverReleasesTheLock)
{
    KeyFile key;
    setenv("VNLXE_LOCK_FILES_DIR", key.dir.c_str(), 1); // read once, the same in every test
    Mutex first(key.name.c_str());
    Mutex second(key.name.c_str());
    EXPECT_TRUE(first.capture());
    EXPECT_FALSE(second.capture());
    EXPECT_EQ(second.eMutexState(), Mutex::HELD_ELSEWHERE);
    EXPECT_FALSE(second.release());
    EXPECT_EQ(key.value(), 1);
    EXPECT_TRUE(first.release());
    EXPECT_EQ(first.eMutexState(), Mutex::RELEASED);
    EXPECT_EQ(key.value(), 0);
    EXPECT_TRUE(second.capture());
}
