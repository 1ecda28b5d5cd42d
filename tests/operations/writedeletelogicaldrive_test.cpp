// Deleting logical drives on the simulated controllers: the partition tables sfdisk wrote on the
// images are spoilt and nothing else of them changes, a failed drive's image is not touched,
// only the last logical drive of an array may go alone, and a cleared controller gets its
// settings back to their defaults.
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Facts = Interface::StorageMod::ArrayController;

// Two mirrored logical drives, each alone in its array, so each is the last of its array.
const std::string kTwoArrays = hardware(4) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=64MB\n" +
    "logicaldrive 1 drives=1I:1:3,1I:1:4 raid=1 size=64MB\n";

std::string shell(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    if (pipe != nullptr)
        ::pclose(pipe);
    return out;
}

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The image files of the logical drives, in logical drive order, as vnlsim names them.
std::vector<std::string> images(const Tree& tree)
{
    std::istringstream report(shell("VNLSIM_STATE=" + tree.state + " " + VNLSIM_TOOL + " show"));
    std::vector<std::string> paths;
    for (std::string word; report >> word;)
        if (word == "image" && report >> word)
            paths.push_back(word);
    return paths;
}

// Writes a partition table of `label` (dos or gpt) with one partition on the image of logical
// drive `number`; a block written through the controller first gives the image its size.
void partition(const Tree& tree, unsigned number, const std::string& image, const std::string& label)
{
    auto* channel = dynamic_cast<BMICDevice*>(tree.controller().get());
    SetLogicalDriveCommand<WriteLogicalDriveTrait> zeros(static_cast<std::uint16_t>(number), READ_WRITE_BUFFER{});
    Core::OperationReturn written;
    ASSERT_TRUE(channel && executeCommand(zeros, *channel, written) && written);
    const std::string command = "printf 'label: " + label + "\\n,16M\\n' | sfdisk -q " + image + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The byte offsets at which two images differ.
std::set<std::size_t> changes(const std::string& before, const std::string& after)
{
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i)
        if (i >= before.size() || i >= after.size() || before[i] != after[i])
            offsets.insert(i);
    return offsets;
}

std::set<std::size_t> span(std::size_t from, std::size_t count)
{
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < count; ++i)
        offsets.insert(from + i);
    return offsets;
}

Core::OperationReturn deleteDrive(const Core::DevicePtr& drive)
{
    return Tree::perform(drive, Config::OPERATION_WRITE_DELETE_LOGICAL_DRIVE, {});
}

} // namespace

TEST(DeleteLogicalDrive, PartitionTablesAreSpoiltAndNothingElseChanges)
{
    Tree tree(kTwoArrays);
    const std::vector<std::string> paths = images(tree);
    ASSERT_EQ(paths.size(), 2u);
    partition(tree, 0, paths[0], "dos");
    partition(tree, 1, paths[1], "gpt");
    const std::string mbr = bytesOf(paths[0]), gpt = bytesOf(paths[1]);
    ASSERT_FALSE(shell("blkid -p " + paths[1]).empty());

    for (const Core::DevicePtr& drive : tree.logicalDrives())
        ASSERT_TRUE(deleteDrive(drive)) << drive->getValueFor(ATTR_NAME_STATUS);

    for (const std::string& path : paths) {
        EXPECT_EQ(shell("blkid -p " + path + " 2>&1"), "") << path;
        EXPECT_EQ(shell("sfdisk -l " + path + " 2>/dev/null").find("Disklabel type"), std::string::npos) << path;
    }
    EXPECT_EQ(changes(mbr, bytesOf(paths[0])), span(510, 2));
    // The protective MBR, the GPT header and its backup in the last block.
    std::set<std::size_t> expected = span(510, 2);
    expected.merge(span(512, 8));
    expected.merge(span(gpt.size() - 512, 8));
    EXPECT_EQ(changes(gpt, bytesOf(paths[1])), expected);
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
    EXPECT_EQ(+tree.stored(1).wAssignedDrives, 0);
}

TEST(DeleteLogicalDrive, AFailedDrivesImageIsNotWrittenButItsRecordIsCleared)
{
    Tree tree(kTwoArrays);
    const std::string path = images(tree).at(0);
    partition(tree, 0, path, "dos");
    const std::string before = bytesOf(path);
    tree.tool("fail-ld slot1 0");
    tree.rescan();
    RequestLog log;
    ASSERT_TRUE(deleteDrive(tree.logicalDrives().front()));
    EXPECT_EQ(log.count("20") + log.count("30"), 0u);
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
}

TEST(DeleteLogicalDrive, OnlyTheLastLogicalDriveOfAnArrayGoesAloneAndABlankOneIsNotWritten)
{
    Tree tree(hardware(2) + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n" +
              "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    const Core::DeviceList drives = tree.logicalDrives();
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(Tree::unavailableReason(drives.front(), Config::OPERATION_WRITE_DELETE_LOGICAL_DRIVE),
              ATTR_VALUE_UNAVAILABLE_REASON_NOT_LAST_LOGICAL_DRIVE_IN_ARRAY);
    EXPECT_EQ(Tree::unavailableReason(drives.back(), Config::OPERATION_WRITE_DELETE_LOGICAL_DRIVE), "");
    // A drive without partition signatures is read, never written.
    RequestLog log;
    ASSERT_TRUE(deleteDrive(drives.back()));
    EXPECT_GT(log.count("20"), 0u);
    EXPECT_EQ(log.count("30"), 0u);
    EXPECT_EQ(+tree.stored(1).wAssignedDrives, 0);
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 2);
}

TEST(DeleteArray, EveryLogicalDriveGoesAndAClearedControllerGetsItsDefaultsBack)
{
    Tree tree(hardware(4, "300GB", "model=VARNEL_V24 rebuildpriority=high expandpriority=medium") +
              "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n" +
              "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=0 size=1GB\n" +
              "logicaldrive 2 drives=1I:1:3,1I:1:4 raid=1 size=1GB\n");
    ASSERT_TRUE(Tree::perform(tree.arrays().front(), Config::OPERATION_WRITE_DELETE_ARRAY, {}));
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
    EXPECT_EQ(+tree.stored(1).wAssignedDrives, 0);
    EXPECT_EQ(+tree.stored(2).wAssignedDrives, 2);
    // Logical drives are left: the settings stay.
    EXPECT_EQ(tree.controller()->getValueFor(Facts::ATTR_NAME_REBUILD_PRIORITY),
              Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH);

    const Core::OperationReturn cleared =
        Tree::perform(tree.controller(), Config::OPERATION_WRITE_CLEAR_CONFIGURATION, {});
    ASSERT_TRUE(cleared) << cleared.getValueFor(ATTR_NAME_STATUS) << " "
                         << cleared.getValueFor(ATTR_NAME_ARGUMENT_NAME);
    EXPECT_EQ(+tree.stored(2).wAssignedDrives, 0);
    const Tree fresh(Tree::SameControllers{}, tree);
    EXPECT_TRUE(fresh.logicalDrives().empty());
    EXPECT_EQ(fresh.controller()->getValueFor(Facts::ATTR_NAME_REBUILD_PRIORITY),
              Facts::ATTR_VALUE_REBUILD_PRIORITY_LOW);
    EXPECT_EQ(fresh.controller()->getValueFor(Facts::ATTR_NAME_EXPAND_PRIORITY), Facts::ATTR_VALUE_EXPAND_PRIORITY_LOW);
}
