// Logical drive data and the SCSI side: blocks written through the
// controller land in the drive's image where ordinary tools can read them,
// and inquiry, read, LUN reports and access lists answer consistently.
#include "controller/bmiclayouts.h"
#include "sim/scsilayouts.h"
#include "tests/sim/simlibrary.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct EmbeddedBoot {
    TempState state{"server"};
    SimLibrary lib;
    ImgrHandle controller = lib.localControllers().at(0);
    ImgrHandle boot = lib.children(controller, IMGR_ENUM_LOGICAL_DRIVES).at(0);

    // The image file of the embedded controller's boot drive.
    std::string image() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(state.dir() + "/images"))
            if (entry.path().filename().string().rfind("embedded-", 0) == 0)
                return entry.path().string();
        return {};
    }
};

// A DOS partition table with one partition of the given size starting at block 2048.
READ_WRITE_BUFFER partitionTable(std::uint32_t sectors)
{
    READ_WRITE_BUFFER block{};
    std::uint8_t* entry = block.ARRAY + 446;
    entry[4] = 0x83;
    std::uint32_t start = 2048;
    std::memcpy(entry + 8, &start, 4);
    std::memcpy(entry + 12, &sectors, 4);
    block.ARRAY[510] = 0x55;
    block.ARRAY[511] = 0xAA;
    return block;
}

TEST(Data, BlockWrittenThroughTheControllerIsInTheImageAndReadsBackBothWays)
{
    EmbeddedBoot s;
    READ_WRITE_BUFFER table = partitionTable(4096);
    ASSERT_TRUE(s.lib.set(s.controller, 0x30, table, 0, 0).ok());
    READ_WRITE_BUFFER back;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x20, back, 0, 0).ok());
    EXPECT_EQ(std::memcmp(&back, &table, sizeof table), 0);
    std::uint8_t viaScsi[512] = {};
    ASSERT_TRUE(s.lib.scsi(s.boot, {0x28, 0, 0, 0, 0, 0, 0, 0, 1, 0}, viaScsi, sizeof viaScsi).ok());
    EXPECT_EQ(viaScsi[510], 0x55);
    std::ifstream image(s.image(), std::ios::binary);
    char fromFile[512];
    image.read(fromFile, sizeof fromFile);
    ASSERT_TRUE(image);
    EXPECT_EQ(std::memcmp(fromFile, table.ARRAY, 512), 0);
    struct stat st {};
    ASSERT_EQ(::stat(s.image().c_str(), &st), 0);
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 0).ok());
    EXPECT_EQ(static_cast<std::uint64_t>(st.st_size), id.qwBigBlocksInLogicalDrive * 512);
}

TEST(Data, PartitionsOfTheImageAreTheLogicalDrivesDiskExtents)
{
    EmbeddedBoot s;
    READ_WRITE_BUFFER table = partitionTable(4096);
    ASSERT_TRUE(s.lib.set(s.controller, 0x30, table, 0, 0).ok());
    std::uint32_t length = 0;
    ASSERT_EQ(s.lib.getInfo(s.boot, IMGR_INFO_DISK_EXTENTS, 0, nullptr, &length), IMGR_STATUS_BUFFER_TOO_SMALL);
    std::vector<std::uint8_t> buffer(length);
    ASSERT_EQ(s.lib.getInfo(s.boot, IMGR_INFO_DISK_EXTENTS, 0, buffer.data(), &length), IMGR_STATUS_OK);
    ImgrDiskExtentHeader header;
    ImgrDiskExtentEntry entry;
    std::memcpy(&header, buffer.data(), sizeof header);
    ASSERT_EQ(+header.dwEntryCount, 1u);
    std::memcpy(&entry, buffer.data() + sizeof header, sizeof entry);
    EXPECT_EQ(+entry.qwOffset, 2048u * 512);
    EXPECT_EQ(+entry.qwSize, 4096u * 512);
}

TEST(Data, ReadsAndWritesOutsideTheLogicalDriveAreRefused)
{
    EmbeddedBoot s;
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 0).ok());
    READ_WRITE_BUFFER block{};
    EXPECT_EQ(s.lib.sense(s.controller, 0x20, block, id.dwBlocksOnVolume, 0).scsiStatus, 2);
    EXPECT_EQ(s.lib.set(s.controller, 0x30, block, id.dwBlocksOnVolume, 0).scsiStatus, 2);
    std::uint8_t small[512];
    std::uint32_t last = id.dwBlocksOnVolume - 1;
    const auto byte = [last](int shift) { return static_cast<std::uint8_t>(last >> shift); };
    const std::vector<std::uint8_t> beyond{0x28, 0, byte(24), byte(16), byte(8), byte(0), 0, 0, 2, 0};
    EXPECT_EQ(s.lib.scsi(s.boot, beyond, small, sizeof small).scsiStatus, 2);
}

TEST(Data, InquiryPagesIdentifyTheLogicalDriveLikeIdentifyDoes)
{
    EmbeddedBoot s;
    std::uint8_t standard[96] = {}, page83[157] = {}, page80[128] = {};
    ASSERT_TRUE(s.lib.scsi(s.boot, {0x12, 0, 0, 0, 95, 0}, standard, 95).ok());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(standard + 8), 5), "Orvex");
    ASSERT_TRUE(s.lib.scsi(s.boot, {0x12, 1, 0x83, 0, 157, 0}, page83, sizeof page83).ok());
    ASSERT_TRUE(s.lib.scsi(s.boot, {0x12, 1, 0x80, 0, 128, 0}, page80, sizeof page80).ok());
    EXPECT_GT(page80[3], 0);
    IDENTIFY_LOGICAL_DRIVE id;
    ASSERT_TRUE(s.lib.sense(s.controller, 0x10, id, 0, 0).ok());
    EXPECT_EQ(std::memcmp(page83 + 8, id.bPage83Identifier, 16), 0);
    EXPECT_EQ(s.lib.scsi(s.boot, {0x12, 1, 0x99, 0, 128, 0}, page80, sizeof page80).scsiStatus, 2);
}

TEST(Data, PhysicalLunReportListsEveryDeviceWithItsType)
{
    TempState state("server");
    SimLibrary lib;
    ImgrHandle slot3 = lib.localControllers().at(1);
    std::uint8_t header[8] = {};
    ASSERT_TRUE(lib.scsi(slot3, {0xC3, 0x02, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0}, header, sizeof header).ok());
    EXPECT_EQ(header[4], 2);
    std::uint32_t listLength = (header[0] << 24) | (header[1] << 16) | (header[2] << 8) | header[3];
    ASSERT_EQ(listLength, 12u * sizeof(PHYSICAL_LUN_ENTRY));
    std::vector<std::uint8_t> all(8 + listLength);
    ASSERT_TRUE(
        lib.scsi(slot3, {0xC3, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, all.data(), static_cast<std::uint32_t>(all.size()))
            .ok());
    PHYSICAL_LUN_ENTRY tape;
    std::memcpy(&tape, all.data() + 8 + 11 * sizeof tape, sizeof tape);
    EXPECT_EQ(tape.bDeviceType, 1);
    EXPECT_EQ(+tape.wDriveIndex, 11);
}

TEST(Data, AccessListsAndHostModesOfAStorageSystem)
{
    TempState state("external");
    SimLibrary lib;
    ImgrHandle remote = lib.children(lib.adapters().at(1), IMGR_ENUM_REMOTE_CONTROLLERS).at(0);
    std::vector<std::uint8_t> report(sizeof(SSP2_ACL_REPORT));
    ASSERT_TRUE(lib.scsi(remote, {0x86, SSP_SERVICE_SSP2_ACL, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xEE, 0xE8, 0, 0},
                         report.data(), static_cast<std::uint32_t>(report.size()))
                    .ok());
    SSP2_ACL_REPORT parsed;
    std::memcpy(&parsed, report.data(), sizeof parsed);
    EXPECT_EQ(parsed.header.bSspEnabled, 1);
    ASSERT_EQ(+parsed.header.dwEntryCount, 3u);
    EXPECT_EQ(parsed.entry[2].pbLunMap[0], 0x03);
    EXPECT_STREQ(parsed.entry[0].sConnectionName, "web01");

    struct {
        SSP_ACL_HEADER header;
        SSP2_ACL_ENTRY entry;
    } grant{};
    grant.header.dwEntryCount = 1;
    grant.header.bSspEnabled = 1;
    grant.entry = parsed.entry[1];
    grant.entry.pbLunMap[0] = 0x02;
    ASSERT_TRUE(lib.scsi(remote, {0x87, SSP_SERVICE_SSP2_ACL, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 56}, &grant,
                         sizeof grant, IMGR_SCSI_DIRECTION_OUT)
                    .ok());
    ASSERT_TRUE(
        lib.scsi(remote, {0x86, SSP_SERVICE_SSP2_ACL}, report.data(), static_cast<std::uint32_t>(report.size())).ok());
    std::memcpy(&parsed, report.data(), sizeof parsed);
    EXPECT_EQ(parsed.entry[1].pbLunMap[0], 0x02);

    HOST_MODE_REPORT modes;
    ASSERT_TRUE(lib.scsi(remote, {0x86, SSP_SERVICE_HOST_MODES}, &modes, sizeof modes).ok());
    EXPECT_GT(+modes.header.dwEntryCount, 1u);
    EXPECT_STREQ(modes.entry[0].sModeName, "Default");
    std::uint8_t disable[12] = {};
    ASSERT_TRUE(
        lib.scsi(remote, {0x87, SSP_SERVICE_HOST_MODES}, disable, sizeof disable, IMGR_SCSI_DIRECTION_OUT).ok());
    ASSERT_TRUE(
        lib.scsi(remote, {0x86, SSP_SERVICE_SSP2_ACL}, report.data(), static_cast<std::uint32_t>(report.size())).ok());
    EXPECT_EQ(report[4], 0);
}

TEST(Data, TwoProcessesWritingAtOnceLoseNothing)
{
    TempState state("external");
    constexpr int kPerProcess = 40;
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        children[p] = ::fork();
        if (children[p] != 0)
            continue;
        SimLibrary lib;
        ImgrHandle remote = lib.children(lib.adapters().at(p), IMGR_ENUM_REMOTE_CONTROLLERS).at(0);
        bool ok = true;
        for (int i = 0; i < kPerProcess; ++i) {
            struct {
                HOST_LIST_HEADER header;
                HOST_ATTRIBUTE_ENTRY entry;
            } add{};
            add.header.dwEntryCount = 1;
            add.entry.bInitiatorID[0] = 0x7A;
            add.entry.bInitiatorID[1] = static_cast<std::uint8_t>(p);
            add.entry.bInitiatorID[7] = static_cast<std::uint8_t>(i);
            add.entry.bHostMode = 1;
            ok = ok &&
                lib.scsi(remote, {0x87, SSP_SERVICE_HOST_ATTRIBUTES}, &add, sizeof add, IMGR_SCSI_DIRECTION_OUT).ok();
        }
        ::_exit(ok ? 0 : 1);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Sim::StateStore store(state.dir());
    std::string error;
    const Sim::World* world = store.current(error);
    ASSERT_NE(world, nullptr) << error;
    EXPECT_EQ(world->controllers.at(0).initiators.size(), 3u + 2 * kPerProcess);
}

} // namespace
