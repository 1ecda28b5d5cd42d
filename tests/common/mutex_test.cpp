#include "common/mutex.h"

#include <gtest/gtest.h>

#include <sys/ipc.h>
#include <unistd.h>

#include <fstream>
#include <string>

using Common::Synchronization::ipcPathToUnixKey;

namespace {

// A private key file. (Taking and releasing the lock is exercised by the
// process tests, where a killed holder must not keep it.)
struct KeyFile {
    KeyFile() { std::ofstream(path).put('\n'); }
    ~KeyFile() { unlink(path.c_str()); }
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
