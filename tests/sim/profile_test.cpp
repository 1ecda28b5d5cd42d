// The text form of profiles and states: lines, quoting, the presets, and
// the mistakes a hand-written profile can contain.
#include "sim/presets.h"
#include "sim/profile.h"
#include "sim/textrecord.h"
#include "sim/volumegeometry.h"

#include <gtest/gtest.h>

namespace {

using namespace Sim;

TEST(TextRecord, QuotedValuesSurviveFormattingAndParsing)
{
    TextRecord r;
    r.kind = "drive";
    r.words = {"1I:1:1"};
    r.set("model", "ORVX \"fast\" # one");
    r.set("empty", "");
    r.set("eq", "a=b");
    std::string error;
    auto back = parseRecordLine(formatRecord(r) + "   # comment", error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->kind, "drive");
    EXPECT_EQ(back->words, r.words);
    EXPECT_EQ(back->get("model"), "ORVX \"fast\" # one");
    EXPECT_TRUE(back->has("empty"));
    EXPECT_EQ(back->get("eq"), "a=b");
}

TEST(TextRecord, BlankCommentAndMalformedLines)
{
    std::string error;
    EXPECT_TRUE(parseRecordLine("   # nothing here", error)->kind.empty());
    EXPECT_FALSE(parseRecordLine("drive model=\"open", error));
    EXPECT_FALSE(parseRecordLine("drive =value", error));
    EXPECT_FALSE(parseRecordLine("key=value", error));
}

TEST(Profile, EveryPresetLoadsAndItsStateReadsBackUnchanged)
{
    for (std::string_view name : presetNames()) {
        World world, again;
        std::string error;
        ASSERT_TRUE(loadWorld(*presetText(name), world, error)) << name << ": " << error;
        std::string saved = saveWorld(world);
        ASSERT_TRUE(loadWorld(saved, again, error)) << name << ": " << error;
        EXPECT_EQ(saveWorld(again), saved) << name;
    }
    EXPECT_FALSE(presetText("nosuch"));
}

TEST(Profile, AMutedDriveStaysMutedInTheState)
{
    const std::string controller = "controller c model=TARN_410\n";
    World world, again;
    std::string error;
    ASSERT_TRUE(loadWorld(controller + "drive 1:0 size=18GB muted=yes\ndrive 1:1 size=18GB\n", world, error)) << error;
    ASSERT_TRUE(loadWorld(saveWorld(world), again, error)) << error;
    EXPECT_TRUE(again.controllers.at(0).drives.at(0).muted);
    EXPECT_FALSE(again.controllers.at(0).drives.at(1).muted);
    EXPECT_FALSE(loadWorld(controller + "drive 1:0 size=18GB muted=maybe\n", world, error));
}

TEST(Profile, LogicalDrivesOfOneArrayFollowEachOther)
{
    World world;
    std::string error;
    ASSERT_TRUE(loadWorld(*presetText("server"), world, error)) << error;
    const Controller& slot3 = world.controllers.at(1);
    LOGICAL_DRIVE_CONFIG first = configOf(slot3.logicalDrives.at(0)), second = configOf(slot3.logicalDrives.at(1));
    EXPECT_EQ(dataOffset(second), dataOffset(first) + first.qwExtendedBlocksPerDrive);
    EXPECT_NE(slot3.logicalDrives.at(0).volumeId, slot3.logicalDrives.at(1).volumeId);
    EXPECT_EQ(+first.wFaultTolerance, RAID5);
    EXPECT_EQ(+first.wDistribution, 128); // 64 KB
}

TEST(Profile, MistakesAreReportedWithTheirLine)
{
    const char* bad[] = {
        "drive 1I:1:1 size=72GB", // before any controller
        "controller a model=NO_SUCH_MODEL", // unknown model
        "controller a model=TARN_410\ndrive 1:0 interface=scsi", // no size
        "controller a model=TARN_410\ndrive 1:0 interface=ide size=9GB", // unknown interface
        "controller a model=TARN_410\ndrive x:y size=9GB", // bad location
        "controller a model=TARN_410\ndrive 1:0 size=9GB\ndrive 1:0 size=9GB",
        "controller a model=TARN_410\ndrive 0:3 interface=scsi size=9GB", // buses count from 1
        "controller a model=TARN_410\ndrive 1:3 interface=scsi size=9GB\ndrive 01:3 interface=scsi size=9GB",
        "controller a model=TARN_410\ndrive 1:0 size=9GB\nlogicaldrive 0 drives=1:0 size=20GB",
        "controller a model=TARN_410\ndrive 1:0 size=9GB\nlogicaldrive 0 drives=1:0 raid=5",
        "controller a model=TARN_410\nlogicaldrive 40 drives=1:0",
        "controller a model=TARN_410 slot=300",
        "adapter f wwn=00:11\n",
        "adapter f wwn=00:11:22:33:44:55:66:77\npath controller=a",
        "frobnicate",
    };
    for (const char* text : bad) {
        World world;
        std::string error;
        EXPECT_FALSE(loadWorld(text, world, error)) << text;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << text << " -> " << error;
    }
}

TEST(Profile, ScsiLocationsNameBusesFromOneAndOtherDrivesTakeTheAddressOfTheirIndex)
{
    World world;
    std::string error;
    ASSERT_TRUE(loadWorld("controller a model=TARN_410\n"
                          "drive 1:0 interface=scsi size=9GB\n"
                          "drive 2:7 interface=scsi size=9GB\n"
                          "controller b model=VARNEL_V30\n"
                          "drive 1E:1:1 size=9GB\n"
                          "drive 3:4 size=9GB\n"
                          "tape 1E:1:9\n",
                          world, error))
        << error;
    const auto address = [](const Drive& d) { return std::to_string(d.bus) + ":" + std::to_string(d.target); };
    const std::vector<Drive>& scsi = world.controllers.at(0).drives;
    EXPECT_EQ(address(scsi.at(0)), "0:0");
    EXPECT_EQ(address(scsi.at(1)), "1:7");
    const std::vector<Drive>& sas = world.controllers.at(1).drives;
    EXPECT_EQ(address(sas.at(0)), "0:0");
    EXPECT_EQ(address(sas.at(1)), "0:1") << "a box:bay drive";
    EXPECT_EQ(address(sas.at(2)), "0:2") << "the tape drive";
    EXPECT_EQ(+sas.at(1).box, 3);
}

TEST(Profile, AdapterPortsAndTheNodeNameOfAStorageSystem)
{
    World world;
    std::string error;
    ASSERT_TRUE(
        loadWorld("controller s model=CORVALE_1500 external=yes bustype=4 chassis=C1 node=50:0e:0d:00:00:00:00:01\n"
                  "adapter f1 wwn=5a:0e:0d:00:00:01:00:01 slot=4\n"
                  "path controller=s side=A\n"
                  "path controller=s side=B port=1\n"
                  "adapter f2 wwn=5a:0e:0d:00:00:01:00:02 slot=5\n"
                  "path controller=s port=255\n",
                  world, error))
        << error;
    EXPECT_EQ(world.adapters.at(0).paths.at(0).port, 0) << "a fibre adapter has at least its first port";
    EXPECT_EQ(world.adapters.at(0).paths.at(1).port, 1);
    EXPECT_EQ(world.adapters.at(1).paths.at(0).port, 255) << "an adapter without ports";
    EXPECT_EQ(world.controllers.at(0).nodeWwn, (WorldWideName{0x50, 0x0e, 0x0d, 0, 0, 0, 0, 1}));
    EXPECT_NE(saveWorld(world).find("node=50:0e:0d:00:00:00:00:01"), std::string::npos);

    World local;
    ASSERT_TRUE(loadWorld("controller a model=VARNEL_V30 slot=1\n", local, error)) << error;
    EXPECT_EQ(saveWorld(local).find("node="), std::string::npos) << "a controller without a node name keeps none";
}

TEST(Profile, SizesUseDecimalUnitsForDrivesAndBinaryUnitsForLogicalDrives)
{
    std::uint64_t blocks = 0;
    ASSERT_TRUE(parseDriveSize("300GB", blocks));
    EXPECT_EQ(blocks, 585937500u);
    ASSERT_TRUE(parseVolumeSize("1GB", blocks));
    EXPECT_EQ(blocks, 2097152u);
    ASSERT_TRUE(parseVolumeSize("2048", blocks));
    EXPECT_EQ(blocks, 2048u);
    EXPECT_FALSE(parseVolumeSize("12XB", blocks));
    EXPECT_FALSE(parseVolumeSize("-1GB", blocks));
    EXPECT_FALSE(parseDriveSize("", blocks));
}

} // namespace
