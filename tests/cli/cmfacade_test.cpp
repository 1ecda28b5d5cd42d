// The facade names devices as the console prints them, translates user words
// into model values, answers "?" from capabilities and finds drives by the
// addresses users type.
#include "cli/ops/cmfacade.h"

#include <gtest/gtest.h>

#include "cli/clierror.h"
#include "operations/guitranslator.h"
#include "tests/cli/consolecapture.h"
#include "tests/cli/showtree.h"

using namespace ShowTree;

namespace {

class FacadeTest : public ::testing::Test {
protected:
    void SetUp() override { CError::reset(); }
    void TearDown() override { CError::reset(); }

    CMFacade facade;
    Server server;
};

Core::CapabilityPtr optionClass(const char* attribute, std::initializer_list<Core::CapabilityPtr> options,
                                const char* range = ATTR_VALUE_INSTANCE_RANGE_CLOSED)
{
    Core::CapabilityPtr made(new Core::CapabilityClass(attribute, "", "", "", range));
    for (const Core::CapabilityPtr& option : options)
        made->Subscribe(option);
    return made;
}

Core::CapabilityPtr option(const char* value, bool isDefault = false, bool isCurrent = false)
{
    return Core::CapabilityPtr(new Core::CapabilityInstance(value, isDefault, isCurrent));
}

// An open size range from 1 MB (2048 blocks) to 1000 MB plus a little.
Core::CapabilityPtr sizeRange()
{
    Core::CapabilityPtr range = optionClass(ATTR_NAME_USEABLE_BLOCKS, {option("2048")}, ATTR_VALUE_INSTANCE_RANGE_OPEN);
    range->Receive(Core::Attribute(ATTR_NAME_MINIMUM_VALUE, "2048"));
    range->Receive(Core::Attribute(ATTR_NAME_MAXIMUM_VALUE, "2048900"));
    return range;
}

} // namespace

// Names of controllers in a slot or a storage system are seen in every listing.
TEST_F(FacadeTest, EmbeddedAndUnknownControllersAreNamedToo)
{
    DevicePtr embedded = controller(server.root, "emb",
                                    {{ATTR_NAME_CONTROLLER_NAME, "ATTR_VALUE_CONTROLLER_NAME_TARN_410"},
                                     {ATTR_NAME_SLOT, ATTR_VALUE_SLOT_EMBEDDED}});
    EXPECT_EQ(facade.ctrlName(embedded), "Orvex Tarn 410");
    DevicePtr unknown = controller(server.root, "x", {{ATTR_NAME_CONTROLLER_NAME, "ATTR_VALUE_CONTROLLER_NAME_NONE"}});
    EXPECT_EQ(facade.ctrlName(unknown), "Unknown Controller");
}

TEST_F(FacadeTest, DeviceNamesUseDisplayNumbersAndPadForSorting)
{
    EXPECT_EQ(facade.deviceName(server.ld1), "logicaldrive 1");
    EXPECT_EQ(facade.deviceName(server.ld1, 6), "logicaldrive 00001");
    EXPECT_EQ(facade.deviceName(server.arrayA), "array A");
    EXPECT_EQ(facade.deviceName(server.pd2), "physicaldrive 1I:1:2");
    EXPECT_EQ(facade.deviceName(server.pd2, 6), "physicaldrive 0001I:00001:00002");
    DevicePtr scsi = physicalDrive(server.ctrl, "s", {{ATTR_NAME_SCSI_BUS, "1"}, {ATTR_NAME_SCSI_ID, "4"}});
    EXPECT_EQ(facade.pdName(scsi), "physicaldrive 2:4");
    EXPECT_EQ(facade.deviceName(add<TapeDevice>(server.ctrl, "t", {})), "");
}

TEST_F(FacadeTest, RelativesAreFoundThroughTreeAndAssociations)
{
    EXPECT_EQ(facade.controller(server.pd1).get(), server.ctrl.get());
    EXPECT_EQ(facade.array(server.ld1).get(), server.arrayA.get());
    EXPECT_EQ(facade.array(server.pd2).get(), server.arrayA.get());
    EXPECT_EQ(facade.array(server.spare).get(), server.arrayA.get());
    EXPECT_FALSE(facade.array(server.loose));
    EXPECT_FALSE(facade.storagesystem(server.ctrl));
    EXPECT_TRUE(facade.isDriveArrayType(server.pd1, server.arrayA));
}

TEST_F(FacadeTest, AttributeFallsBackToTheStorageSystemOnly)
{
    DevicePtr system = add<SystemDevice>(server.root, "box", {{ATTR_NAME_SSP_STATE, ATTR_VALUE_SSP_STATE_ENABLED}});
    DevicePtr inside = controller(system, "in", {});
    EXPECT_EQ(facade.attrVal(inside, ATTR_NAME_SSP_STATE), "Enabled");
    EXPECT_EQ(facade.attrVal(server.ld1, ATTR_NAME_SLOT), "");
    EXPECT_EQ(facade.attrVal(server.ld1, ATTR_NAME_DRIVE_NUMBER), "1");
}

TEST_F(FacadeTest, UserWordsBecomeModelValues)
{
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_RAID, "1+0"), ATTR_VALUE_RAID_1);
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_RAID, "QRX"), ATTR_VALUE_RAID_6);
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_CACHE_RATIO, "25/75"), ATTR_VALUE_CACHE_RATIO_25_75);
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_IO_SLOT, "2"), "1");
    // Every stripe size is typed in KB and kept in 512-byte blocks.
    for (int kilobytes : {8, 16, 32, 64, 128, 256, 512, 1024})
        EXPECT_EQ(facade.toConfigMod(ATTR_NAME_STRIPE_SIZE, std::to_string(kilobytes)), std::to_string(2 * kilobytes));
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_STRIPE_SIZE, "default"), "default");
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_STRIPE_SIZE, "64k"), "64k");
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_RAID, "7"), "7");
    EXPECT_EQ(facade.toConfigMod(ATTR_NAME_SLOT, "enable"), "enable");
    EXPECT_EQ(facade.attrNameToKeyword(ATTR_NAME_USEABLE_BLOCKS), "size");
    EXPECT_EQ(facade.attrNameToKeyword(ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE), "preferredpathmode");
    EXPECT_EQ(facade.attrNameToKeyword(ATTR_NAME_SLOT), ATTR_NAME_SLOT);
}

TEST_F(FacadeTest, NumbersAndLettersConvert)
{
    EXPECT_EQ(facade.toArrayIndex("a"), "0");
    EXPECT_EQ(facade.toArrayIndex("Z"), "25");
    EXPECT_EQ(facade.toArrayIndex("AB"), "27");
    // Every two-letter name the arrays are given leads back to its own array:
    // "BA" must not select array AB.
    for (std::uint64_t number = 0; number < 26 * 27; ++number)
        EXPECT_EQ(facade.toArrayIndex(Common::intToArrayLetter(number).c_str()), std::to_string(number));
    for (const char* bad : {"", "ABC", "1", "A1", "all"})
        EXPECT_EQ(facade.toArrayIndex(bad), "") << bad;
    EXPECT_EQ(facade.toZeroIndex("3"), "2");
    EXPECT_EQ(facade.padDigits("7", 6), "00007");
    EXPECT_EQ(facade.padDigits("123456", 6), "123456");
    EXPECT_EQ(facade.padDigits("7", 0), "7");
}

TEST_F(FacadeTest, DrivesAreFoundByTheirAddress)
{
    EXPECT_EQ(facade.findDrive(server.ctrl, {"1I", "1", "2"}).get(), server.pd2.get());
    EXPECT_EQ(facade.findDrive(server.ctrl, {"2I", "1", "1*"}).get(), server.loose.get());
    EXPECT_FALSE(facade.findDrive(server.ctrl, {"1I", "1", "9"}));
    EXPECT_FALSE(facade.findDrive(server.ctrl, {"1I"}));
    // Among an array's drives only its data drives count.
    EXPECT_EQ(facade.findDrive(server.arrayA, {"1I", "1", "1"}).get(), server.pd1.get());
    EXPECT_FALSE(facade.findDrive(server.arrayA, {"1I", "1", "3"}));

    // Every drive reports a SCSI bus and id; a box:bay drive is still found
    // and named by its box and bay.
    DevicePtr system = add<SystemDevice>(server.root, "box", {});
    DevicePtr boxed = physicalDrive(
        system, "b", {{ATTR_NAME_BOX, "1"}, {ATTR_NAME_BAY, "3"}, {ATTR_NAME_SCSI_BUS, "0"}, {ATTR_NAME_SCSI_ID, "0"}});
    EXPECT_EQ(facade.findDrive(controller(system, "in", {}), {"1", "3"}).get(), boxed.get());
    EXPECT_EQ(facade.pdName(boxed), "physicaldrive 1:3");

    DevicePtr scsiCtrl = controller(server.root, "scsi", {});
    DevicePtr scsi = physicalDrive(scsiCtrl, "s", {{ATTR_NAME_SCSI_BUS, "1"}, {ATTR_NAME_SCSI_ID, "4"}});
    EXPECT_EQ(facade.findDrive(scsiCtrl, {"2", "4"}).get(), scsi.get());
}

TEST_F(FacadeTest, DriveListsExpandAndRefuseDuplicatesAndUnknownDrives)
{
    Core::DeviceList drives;
    EXPECT_TRUE(facade.getPDList(server.ctrl, "all", drives));
    EXPECT_EQ(drives.size(), 4u);
    drives.clear();
    EXPECT_TRUE(facade.getPDList(server.ctrl, "allunassigned", drives));
    ASSERT_EQ(drives.size(), 1u);
    EXPECT_EQ(drives.front().get(), server.loose.get());
    drives.clear();
    // A tagged address from a range may name no drive; it is skipped.
    EXPECT_TRUE(facade.getPDList(server.ctrl, "1I:1:1*,1I:1:7*,1I:1:2", drives));
    EXPECT_EQ(drives.size(), 2u);
    drives.clear();
    EXPECT_TRUE(facade.getPDList(server.ctrl, "all", drives, ATTR_VALUE_INTERFACE_SATA));
    EXPECT_TRUE(drives.empty());

    ConsoleCapture console;
    EXPECT_FALSE(facade.getPDList(server.ctrl, "1I:1:1,1I:1:1", drives));
    EXPECT_NE(console.output().find("There cannot be duplicate drives specified."), std::string::npos);
    CError::reset();
    EXPECT_FALSE(facade.getPDList(server.ctrl, "1I:1:7", drives));
    EXPECT_NE(console.output().find("Cannot create array. Cannot add physical drive 1I:1:7"), std::string::npos);
}

TEST_F(FacadeTest, ArrayIsNamedOnlyByExactlyItsDataDrives)
{
    EXPECT_EQ(facade.getArray({server.pd1, server.pd2}).get(), server.arrayA.get());

    DevicePtr arrayB = array(server.ctrl, "1");
    DevicePtr pdB = sasDrive(server.ctrl, "3I", "1", "1", ATTR_VALUE_DRIVE_TYPE_DATA);
    member(arrayB, pdB);
    const std::pair<Core::DeviceList, std::string> refusals[] = {
        {{server.pd1, server.loose}, "Do not specify unassigned or"},
        {{server.pd1, pdB}, "Both array A and"},
        {{server.pd1}, "must match the drives in the targeted array"},
    };
    for (const auto& [drives, message] : refusals) {
        ConsoleCapture console;
        CError::reset();
        EXPECT_FALSE(facade.getArray(drives));
        EXPECT_NE(console.output().find(message), std::string::npos) << console.output();
        EXPECT_EQ(CError::errorCode(), 1);
    }
}

TEST_F(FacadeTest, OptionMatchingTakesTheLastMatchAndKnowsDefaultAndCurrent)
{
    Core::CapabilityPtr raid =
        optionClass(ATTR_NAME_RAID, {option(ATTR_VALUE_RAID_0, false, true), option(ATTR_VALUE_RAID_5, true)});
    EXPECT_EQ(facade.hasCapOption2(raid, ATTR_NAME_RAID, "default").get(), (*std::next(raid->beginChild())).get());
    EXPECT_EQ(facade.hasCapOption2(raid, ATTR_NAME_RAID, "current").get(), (*raid->beginChild()).get());
    EXPECT_TRUE(facade.hasCapOption2(raid, ATTR_NAME_RAID, ATTR_VALUE_RAID_5));
    EXPECT_FALSE(facade.hasCapOption2(raid, ATTR_NAME_RAID, "7"));
    EXPECT_FALSE(facade.hasCapOption2(Core::CapabilityPtr(), ATTR_NAME_RAID, "default"));

    Core::CapabilityPtr size = sizeRange();
    for (const char* inside : {"1", "1000", "max", "default"})
        EXPECT_TRUE(facade.hasCapOption2(size, ATTR_NAME_USEABLE_BLOCKS, inside)) << inside;
    for (const char* outside : {"0", "1001", "big", "-5", "99999999999999999999999"})
        EXPECT_FALSE(facade.hasCapOption2(size, ATTR_NAME_USEABLE_BLOCKS, outside)) << outside;
}

TEST_F(FacadeTest, QueryAnswersListOptionsWithTheirMarks)
{
    Core::CapabilityPtr cache = optionClass(
        ATTR_NAME_ARRAY_ACCELERATOR,
        {option(ATTR_VALUE_ARRAY_ACCELERATOR_ENABLED, true, true), option(ATTR_VALUE_ARRAY_ACCELERATOR_DISABLED)});
    EXPECT_EQ(facade.capOptions(cache, ATTR_NAME_ARRAY_ACCELERATOR),
              "\nAvailable options are:\n   enable (current value) (default value)\n   disable\n");
    EXPECT_EQ(facade.capOptions(sizeRange(), ATTR_NAME_USEABLE_BLOCKS),
              "\nAvailable options are:\n   Max: 1000 (Units in MB)\n   Min: 1 (Units in MB)\n");
    EXPECT_EQ(facade.capOptions(optionClass(ATTR_NAME_RAID, {}), ATTR_NAME_RAID),
              "\nAvailable options are:\n   There are no options currently available.\n");
    EXPECT_EQ(facade.capError(server.ld1, ATTR_NAME_RAID, "7"), "\"raid=7\" is not a valid option for logicaldrive 1");
}

TEST_F(FacadeTest, ParametersAreRefusedBeforeAnyCapabilityIsAsked)
{
    ConsoleCapture console;
    OpParams twoQueries = {{ATTR_NAME_RAID, "?"}, {ATTR_NAME_USEABLE_BLOCKS, "?"}};
    EXPECT_FALSE(facade.processParams(server.ld1, "OPERATION_WRITE_NOTHING", twoQueries));
    EXPECT_NE(console.output().find("Only one query can be issued at a time."), std::string::npos);
    CError::reset();
    OpParams one = {{ATTR_NAME_RAID, "5"}};
    EXPECT_FALSE(facade.processParams(server.ld1, "OPERATION_WRITE_NOTHING", one));
    EXPECT_NE(console.output().find("This operation is not supported with the current configuration."),
              std::string::npos);
    EXPECT_EQ(one.front().second, "5");
}

TEST_F(FacadeTest, OnlyAFailedOperationIsReported)
{
    ConsoleCapture console;
    facade.opErrMsg(Core::OperationReturn());
    EXPECT_EQ(console.output(), "");
    EXPECT_TRUE(CError::isOK());
    facade.opErrMsg(Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE));
    EXPECT_NE(console.output().find("Error: This command did not complete properly."), std::string::npos);
    EXPECT_EQ(CError::errorCode(), 1);
}
