// The state directory: creation from a preset, re-reading after another
// writer, and the arithmetic the firmware stores with each record.
#include "sim/presets.h"
#include "sim/statestore.h"
#include "sim/volumegeometry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <thread>

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
    const World *world = store.current(error);
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
    ASSERT_TRUE(theirs.update([](World &w) { w.controllers[0].firmware = "9.99"; return true; }, error));
    EXPECT_EQ(mine.current(error)->controllers[0].firmware, "9.99");
    ASSERT_TRUE(theirs.update([](World &w) { w.controllers[0].firmware = "ignored"; return false; }, error));
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
                own.update([](World &w) { ++w.controllers[0].surfaceDelay; return true; }, why);
        });
    for (std::thread &t : writers)
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

TEST(VolumeGeometry, PlacementRoundsPartialStripesUpToWholeStripes)
{
    EXPECT_EQ(blocksPerDrive(1024, 128, 2), 512u);        // whole stripes, even spread
    EXPECT_EQ(blocksPerDrive(1000, 128, 2), 512u);        // 7 stripes over 2 drives
    EXPECT_EQ(blocksPerDrive(256 + 100, 128, 2), 228u);   // 2 stripes and a part
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
    setParamTable(config, 255, 63, 1000);
    EXPECT_EQ(volumeBlocks(config), 1000u * 255 * 63);
    std::uint8_t sum = 0;
    const std::uint8_t *table = reinterpret_cast<const std::uint8_t *>(&config.logicalDriveParamTable);
    for (int i = 0; i < 241; ++i)
        sum = static_cast<std::uint8_t>(sum + table[i]);
    EXPECT_EQ(sum, 0);
    config.qwBigBlocksInLogicalDrive = 5000000000ull;
    EXPECT_EQ(volumeBlocks(config), 5000000000ull);
}

} // namespace
