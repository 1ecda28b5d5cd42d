// The state directory: creation from a preset, re-reading after another
// writer, what is refused in place of a state, and the arithmetic the
// firmware stores with each record.
#include "sim/presets.h"
#include "sim/statestore.h"
#include "sim/volumegeometry.h"
#include "tests/sim/simlibrary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// The syncs and renames of this program, in order, while a test records them; each call is
// passed on.
static std::vector<std::string>* recordedCalls = nullptr;

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat st {};
    if (recordedCalls && ::fstat(fd, &st) == 0)
        recordedCalls->push_back(S_ISDIR(st.st_mode) ? "sync directory" : "sync file");
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept
{
    static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(::dlsym(RTLD_NEXT, "rename"));
    if (recordedCalls)
        recordedCalls->push_back("rename");
    return real(from, to);
}

namespace {

using namespace Sim;

struct Directory {
    std::string path;
    Directory()
    {
        char pattern[] = "/tmp/vnlsim-store-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~Directory() { std::system(("rm -rf " + path).c_str()); }
};

TEST(StateStore, EnsureCreatesOnceAndKeepsWhatIsThere)
{
    Directory dir;
    StateStore store(dir.path + "/new/deeper");
    std::string error;
    ASSERT_TRUE(store.ensure(std::string(*presetText("small")), error)) << error;
    ASSERT_TRUE(store.ensure(std::string(*presetText("server")), error)) << error;
    const World* world = store.current(error);
    ASSERT_NE(world, nullptr) << error;
    EXPECT_EQ(world->controllers.size(), 1u);
}

TEST(StateStore, AnotherWritersChangeIsSeenAtTheNextRead)
{
    Directory dir;
    StateStore mine(dir.path), theirs(dir.path);
    std::string error;
    ASSERT_TRUE(mine.reset(std::string(*presetText("small")), error));
    ASSERT_EQ(mine.current(error)->controllers[0].firmware, "3.42");
    ASSERT_TRUE(theirs.update(
        [](World& w) {
            w.controllers[0].firmware = "9.99";
            return true;
        },
        error));
    EXPECT_EQ(mine.current(error)->controllers[0].firmware, "9.99");
    ASSERT_TRUE(theirs.update(
        [](World& w) {
            w.controllers[0].firmware = "ignored";
            return false;
        },
        error));
    EXPECT_EQ(mine.current(error)->controllers[0].firmware, "9.99");
}

TEST(StateStore, ConcurrentUpdatesFromManyStoresAllLand)
{
    Directory dir;
    std::string error;
    ASSERT_TRUE(StateStore(dir.path).reset(std::string(*presetText("small")), error));
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&dir] {
            StateStore own(dir.path);
            std::string why;
            for (int i = 0; i < 25; ++i)
                own.update(
                    [](World& w) {
                        ++w.controllers[0].surfaceDelay;
                        return true;
                    },
                    why);
        });
    for (std::thread& t : writers)
        t.join();
    StateStore reader(dir.path);
    EXPECT_EQ(reader.current(error)->controllers[0].surfaceDelay, 30 + 100);
}

TEST(StateStore, UnreadableStateIsReportedNotGuessed)
{
    Directory dir;
    StateStore store(dir.path);
    std::string error;
    EXPECT_EQ(store.current(error), nullptr);
    EXPECT_NE(error.find("vnlsim init"), std::string::npos);
    std::ofstream(dir.path + "/state") << "controller broken model=NOPE\n";
    EXPECT_EQ(store.current(error), nullptr);
    EXPECT_NE(error.find("unknown controller model"), std::string::npos) << error;
}

TEST(StateStore, AChangeReachesTheDiskBeforeAndAfterItsRename)
{
    Directory dir;
    StateStore store(dir.path);
    std::string error;
    ASSERT_TRUE(store.reset(std::string(*presetText("small")), error)) << error;
    std::vector<std::string> calls;
    recordedCalls = &calls;
    bool stored = store.update(
        [](World& w) {
            w.controllers[0].firmware = "9.99";
            return true;
        },
        error);
    recordedCalls = nullptr;
    ASSERT_TRUE(stored) << error;
    EXPECT_EQ(calls, (std::vector<std::string>{"sync file", "rename", "sync directory"}));
}

// Whatever stands where the state should be and is not a readable state is refused, by the
// store, by vnlsim and by the library, and left as it is: never taken for no hardware, never
// replaced by the default preset.
TEST(StateStore, WhatCannotBeReadInPlaceOfTheStateIsRefusedAndKept)
{
    const std::vector<std::pair<std::string, std::string>> standIns = {
        {"ln -s state state", "Too many levels of symbolic links"},
        {"ln -s gone state", "No such file or directory"},
        {": > state", "empty"},
        {"mkdir state", "not a regular file"},
    };
    for (const auto& [make, reason] : standIns) {
        Directory dir;
        ASSERT_EQ(std::system(("cd " + dir.path + " && " + make).c_str()), 0) << make;
        const std::string state = dir.path + "/state", listing = "ls -l " + state + " 2>&1";
        const std::string before = run(listing);

        StateStore store(dir.path);
        std::string error;
        EXPECT_TRUE(store.ensure(std::string(*presetText("server")), error)) << make;
        EXPECT_EQ(store.current(error), nullptr) << make;
        EXPECT_EQ(error, state + ": " + reason);
        EXPECT_FALSE(store.update([](World&) { return true; }, error)) << make;

        const std::string tool = "VNLSIM_STATE=" + dir.path + " " + VNLSIM_TOOL;
        EXPECT_EQ(run(tool + " show 2>&1"), "vnlsim: " + state + ": " + reason + "\n");
        EXPECT_NE(std::system((tool + " show >/dev/null 2>&1").c_str()), 0) << make;
        EXPECT_EQ(run(tool + " comm-error slot3 on 2>&1"), "vnlsim: " + state + ": " + reason + "\n");

        ::setenv("VNLSIM_STATE", dir.path.c_str(), 1);
        EXPECT_NE(SimLibrary().init(), IMGR_STATUS_OK) << make;
        ::unsetenv("VNLSIM_STATE");
        EXPECT_EQ(run(listing), before);
    }
}

TEST(StateStore, TemporaryFilesOfWritersThatDiedAreCleared)
{
    Directory dir;
    StateStore store(dir.path);
    std::string error;
    ASSERT_TRUE(store.reset(std::string(*presetText("small")), error)) << error;
    pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const std::string left = dir.path + "/state.tmp." + std::to_string(dead);
    const std::string living = dir.path + "/state.tmp." + std::to_string(::getppid());
    std::ofstream(left) << "half a sta";
    std::ofstream(living) << "being written";
    ASSERT_TRUE(store.update([](World&) { return true; }, error)) << error;
    EXPECT_NE(::access(left.c_str(), F_OK), 0);
    EXPECT_EQ(::access(living.c_str(), F_OK), 0);
}

TEST(VolumeGeometry, PlacementRoundsPartialStripesUpToWholeStripes)
{
    EXPECT_EQ(blocksPerDrive(1024, 128, 2), 512u); // whole stripes, even spread
    EXPECT_EQ(blocksPerDrive(1000, 128, 2), 512u); // 7 stripes over 2 drives
    EXPECT_EQ(blocksPerDrive(256 + 100, 128, 2), 228u); // 2 stripes and a part
    EXPECT_EQ(blocksPerDrive(1000, 0, 2), 0u);
}

TEST(VolumeGeometry, DataDrivesPerRaidLevel)
{
    EXPECT_EQ(dataDriveCount(RAID0, 1), 1u);
    EXPECT_EQ(dataDriveCount(RAID1, 3), 0u);
    EXPECT_EQ(dataDriveCount(RAID1, 4), 2u);
    EXPECT_EQ(dataDriveCount(RAID5, 2), 0u);
    EXPECT_EQ(dataDriveCount(RAID51, 7), 0u);
    EXPECT_EQ(dataDriveCount(RAID51, 8), 3u);
    EXPECT_EQ(dataDriveCount(RAID6, 4), 2u);
    EXPECT_EQ(dataDriveCount(9, 4), 0u);
}

TEST(VolumeGeometry, BigLogicalDrivesTakeTheirSizeFromTheSixtyFourBitField)
{
    LOGICAL_DRIVE_CONFIG config{};
    setDriveParameterTable(config, 255, 63, 1000);
    EXPECT_EQ(volumeBlocks(config), 1000u * 255 * 63);
    std::uint8_t sum = 0;
    const std::uint8_t* table = reinterpret_cast<const std::uint8_t*>(&config.logicalDriveParamTable);
    for (int i = 0; i < 241; ++i)
        sum = static_cast<std::uint8_t>(sum + table[i]);
    EXPECT_EQ(sum, 0);
    config.qwBigBlocksInLogicalDrive = 5000000000ull;
    EXPECT_EQ(volumeBlocks(config), 5000000000ull);
}

} // namespace
