// Creating logical drives on arrays of the simulated controllers: the record the firmware
// stores, the numbering, what the capability tree offers, the big-drive form and the rescans.
#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "core/capabilityfinder.h"
#include "operations/writecreatelogicaldrive.h"
#include "schema/schemalogicaldrive.h"
#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
using Schema::LogicalDrive;

constexpr unsigned long long kCylinder63 = 255ull * 63;

Arguments request(const char* level, unsigned long long blocks, unsigned sectors = 63, unsigned stripe = 128)
{
    return {{Facts::ATTR_NAME_RAID, level},
            {Facts::ATTR_NAME_USEABLE_BLOCKS, std::to_string(blocks)},
            {Facts::ATTR_NAME_SECTORS, std::to_string(sectors)},
            {Facts::ATTR_NAME_STRIPE_SIZE, std::to_string(stripe)}};
}

Core::OperationReturn create(const Core::DevicePtr& array, const Arguments& arguments)
{
    return Tree::perform(array, Config::OPERATION_WRITE_CREATE_LOGICAL_DRIVE, arguments);
}

// The child capability of `parent` for the argument `name`, or the instance `value` of a class.
Core::CapabilityPtr classOf(const Core::CapabilityPtr& parent, const char* name)
{
    if (!parent)
        return parent;
    Core::CapabilityFinder finder(parent);
    finder.Add(Core::Attribute(ATTR_NAME_ATTRIBUTE_NAME, name));
    return finder.find();
}

Core::CapabilityPtr instanceOf(const Core::CapabilityPtr& parent, const std::string& value)
{
    if (!parent)
        return parent;
    Core::CapabilityFinder finder(parent);
    finder.Add(Core::Attribute(ATTR_NAME_CAPABILITY_INSTANCE, value.c_str()));
    return finder.find();
}

std::vector<std::string> valuesOf(const Core::CapabilityPtr& choice)
{
    std::vector<std::string> values;
    for (auto it = choice ? choice->beginChild() : Core::CapabilityList::const_iterator();
         choice && it != choice->endChild(); ++it)
        values.push_back((*it)->getValueFor(ATTR_NAME_CAPABILITY_INSTANCE).c_str());
    return values;
}

Core::CapabilityPtr capabilityOf(const Core::DevicePtr& array)
{
    return array->getOperation(Config::OPERATION_WRITE_CREATE_LOGICAL_DRIVE)->getCapabilityPtr(array);
}

// The largest size offered for a level with stripe 128 and `sectors`; 0 when none is.
unsigned long long maximumOffered(const Core::DevicePtr& array, const char* level, unsigned sectors = 63)
{
    const Core::CapabilityPtr stripe = instanceOf(classOf(capabilityOf(array), Facts::ATTR_NAME_RAID), level);
    const Core::CapabilityPtr sectorsChoice =
        instanceOf(classOf(instanceOf(classOf(stripe, Facts::ATTR_NAME_STRIPE_SIZE), "128"), Facts::ATTR_NAME_SECTORS),
                   std::to_string(sectors));
    const Core::CapabilityPtr sizes = classOf(sectorsChoice, Facts::ATTR_NAME_USEABLE_BLOCKS);
    return sizes ? std::stoull(sizes->getValueFor(ATTR_NAME_MAXIMUM_VALUE).c_str()) : 0;
}

TEST(CreateLogicalDrive, TheStoredRecordCarriesEveryFieldTheToolSets)
{
    Tree tree(hardware(8));
    const Core::DevicePtr array = tree.newArray(3);
    Arguments arguments = request(Facts::ATTR_VALUE_RAID_5, 2000 * kCylinder63 + 100, 63, 32);
    arguments.emplace_back(Facts::ATTR_NAME_ARRAY_ACCELERATOR, Facts::ATTR_VALUE_ARRAY_ACCELERATOR_DISABLED);
    const Core::OperationReturn result = create(array, arguments);
    ASSERT_TRUE(result) << status(result);
    EXPECT_EQ(result.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER), "0");
    // The firmware takes a new record only when its table checksum adds up.
    const LOGICAL_DRIVE_CONFIG stored = tree.stored(0);
    EXPECT_EQ(+stored.wAssignedDrives, 3);
    EXPECT_EQ(stored.pbBigDriveAssignmentMap[0], 0x07);
    EXPECT_EQ(+stored.dwAssignedDriveBitmap, 0u);
    EXPECT_EQ(+stored.wFaultTolerance, 3);
    EXPECT_EQ(+stored.wDistribution, 32);
    EXPECT_EQ(+stored.wCPCPort, 2);
    EXPECT_EQ(stored.bDataDistributionMode, 2);
    EXPECT_EQ(stored.bParityShiftFactor, 4);
    EXPECT_EQ(stored.bDriveTypeMixFlag, 0);
    EXPECT_EQ(+stored.wBlockSize, 512);
    EXPECT_EQ(+stored.wPhysicalDrives, 8);
    EXPECT_EQ(+stored.dwDataOffset, 0u);
    EXPECT_EQ(+stored.wOS, 0xFE00);
    const DRIVE_PARAM_TABLE table = stored.logicalDriveParamTable;
    EXPECT_EQ(table.bMaxHeads, 255);
    EXPECT_EQ(table.bSectorsPerTrack, 63);
    EXPECT_EQ(+table.wMaxCylinders, 2000); // the 100 blocks past the last cylinder are dropped
    EXPECT_EQ(+stored.qwBigBlocksInLogicalDrive, 0u);
    EXPECT_EQ(stored.bLogicalDriveProperty & 1, 0);
    EXPECT_EQ(stored.bConfigModMajorVer, 4);
    EXPECT_EQ(stored.bGUIOptions, 8);
    EXPECT_EQ(stored.dwSignature >> 28, 0xAu);
    CACHE_CONFIG_STATUS cache{};
    Core::OperationReturn asked;
    SenseControllerCommand<SenseControllerCacheConfigStatusTrait> sense;
    ASSERT_TRUE(executeCommand(sense, *dynamic_cast<Schema::ArrayController*>(tree.controller().get()), asked));
    cache = sense.result();
    EXPECT_EQ(cache.dwCacheDisabledMap & 1u, 1u);
}

TEST(CreateLogicalDrive, TakesTheLowestFreeNumberAndStartsAfterTheArraysLastDrive)
{
    Tree tree(hardware(8) +
              "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n"
              "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n"
              "logicaldrive 3 drives=1I:1:3,1I:1:4 raid=1 size=1GB\n");
    const Core::DevicePtr fresh = tree.newArray(2, 4);
    const Core::OperationReturn gap = create(fresh, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63));
    ASSERT_TRUE(gap) << status(gap);
    EXPECT_EQ(gap.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER), "2");
    EXPECT_EQ(tree.stored(2).pbBigDriveAssignmentMap[0], 0x30);
    tree.rescan();
    const Core::DevicePtr first = tree.arrays().front();
    const Core::OperationReturn next = create(first, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63));
    ASSERT_TRUE(next) << status(next);
    EXPECT_EQ(next.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER), "4");
    const LOGICAL_DRIVE_CONFIG before = tree.stored(1);
    EXPECT_EQ(+tree.stored(4).dwDataOffset, before.qwExtendedOffsetToData + before.qwExtendedBlocksPerDrive);
}

unsigned driveCountOf(const Core::DevicePtr& array)
{
    return static_cast<unsigned>(dynamic_cast<const Schema::Array&>(*array).dataDriveList().count());
}

bool offers(const std::vector<std::string>& values, const std::string& value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

TEST(CreateLogicalDrive, LevelsOfferedFollowTheArraysDriveCount)
{
    Tree tree(hardware(15, "36GB"));
    unsigned first = 0;
    for (unsigned drives : {2u, 3u, 4u, 6u}) {
        ASSERT_TRUE(tree.newArray(drives, first));
        first += drives;
    }
    const char* const controllerLevels[] = {Facts::ATTR_VALUE_RAID_0, Facts::ATTR_VALUE_RAID_1,
                                            Facts::ATTR_VALUE_RAID_4, Facts::ATTR_VALUE_RAID_5,
                                            Facts::ATTR_VALUE_RAID_6};
    for (const Core::DevicePtr& array : tree.arrays()) {
        const unsigned count = driveCountOf(array);
        const std::vector<std::string> levels = valuesOf(classOf(capabilityOf(array), Facts::ATTR_NAME_RAID));
        for (const char* level : controllerLevels) {
            unsigned dataDrives = 0;
            EXPECT_EQ(offers(levels, level), LogicalDrive::isDriveCountValidFor(level, count, dataDrives))
                << level << " on " << count;
        }
        if (count == 4) {
            // RAID 6 keeps two of the four drives for parity.
            const unsigned long long raid0 = maximumOffered(array, Facts::ATTR_VALUE_RAID_0);
            EXPECT_NEAR(static_cast<double>(maximumOffered(array, Facts::ATTR_VALUE_RAID_6)) * 2,
                        static_cast<double>(raid0), 2.0 * kCylinder63);
        }
    }
}

TEST(CreateLogicalDrive, FullStripesAboveTheSafeLimitAreOfferedOnlyToMirrorsAndStripes)
{
    Tree tree(hardware(16, "36GB", "model=VARNEL_V24 maxsafestripe=1"));
    const Core::DevicePtr array = tree.newArray(16);
    const unsigned long long limit = 2048; // 1 MB
    const Core::CapabilityPtr levels = classOf(capabilityOf(array), Facts::ATTR_NAME_RAID);
    for (const std::string& level : valuesOf(levels)) {
        const std::vector<std::string> stripes =
            valuesOf(classOf(instanceOf(levels, level), Facts::ATTR_NAME_STRIPE_SIZE));
        const bool unlimited = level == Facts::ATTR_VALUE_RAID_0 || level == Facts::ATTR_VALUE_RAID_1;
        EXPECT_EQ(offers(stripes, "256"), unlimited) << level;
        for (const std::string& stripe : stripes)
            EXPECT_TRUE(unlimited || std::stoull(stripe) * 16 <= limit) << level << " " << stripe;
    }
}

TEST(CreateLogicalDrive, OfferedSizesAreWholeCylindersOnlyBelowTheBootBoundary)
{
    Tree tree(hardware(8));
    const Core::DevicePtr small = tree.newArray(2);
    const Core::DevicePtr large = tree.newArray(6, 2);
    const unsigned long long mirror = maximumOffered(small, Facts::ATTR_VALUE_RAID_1);
    ASSERT_GT(mirror, 0u);
    ASSERT_LT(mirror, LogicalDrive::MAX_BOOT_BOUNDARY_63);
    EXPECT_EQ(mirror % kCylinder63, 0u);
    // Six drives aligned on the stripe: each share is a whole number of 128-block stripes.
    const unsigned long long stripes = maximumOffered(large, Facts::ATTR_VALUE_RAID_0);
    ASSERT_GT(stripes, LogicalDrive::MAX_BOOT_BOUNDARY_63);
    EXPECT_NE(stripes % kCylinder63, 0u);
    const unsigned long long freeBlocks =
        std::stoull(large->getValueFor(Interface::StorageMod::Array::ATTR_NAME_FREE_BLOCKS).c_str());
    EXPECT_EQ(stripes, (freeBlocks / 6) / 128 * 128 * 6 + (freeBlocks / 6) % 128);
}

TEST(CreateLogicalDrive, BigDrivesGoInTheBigDriveFormWithTheirMajorVersion)
{
    Tree tree(hardware(8, "1000GB"));
    const Core::DevicePtr array = tree.newArray(4);
    struct Case {
        unsigned long long blocks;
        unsigned sectors;
        unsigned major;
    };
    const Case cases[] = {{1200000000ull, 63, 5}, {600000000ull, 32, 8}, {5000000000ull, 63, 9}};
    unsigned number = 0;
    for (const Case& c : cases) {
        const Core::OperationReturn result = create(array, request(Facts::ATTR_VALUE_RAID_0, c.blocks, c.sectors));
        ASSERT_TRUE(result) << status(result) << " " << c.blocks;
        const LOGICAL_DRIVE_CONFIG stored = tree.stored(number++);
        EXPECT_EQ(stored.bLogicalDriveProperty & 1, 1);
        EXPECT_EQ(+stored.qwBigBlocksInLogicalDrive, c.blocks); // not rounded to cylinders
        EXPECT_EQ(+stored.logicalDriveParamTable.wMaxCylinders, 65535);
        EXPECT_EQ(stored.bConfigModMajorVer, c.major) << c.blocks;
        EXPECT_EQ(+stored.wOS, c.sectors == 32 ? 0xFD00 : 0xFE00);
        tree.rescan();
    }
}

TEST(CreateLogicalDrive, AFaultTolerantDriveOnAnArrayWithTwoSparesNamesThemBoth)
{
    Tree tree(hardware(6) + "logicaldrive 0 drives=1I:1:1,1I:1:2,1I:1:3 spares=1I:1:4,1I:1:5 raid=5 size=10GB\n");
    const Core::DevicePtr array = tree.arrays().front();
    ASSERT_TRUE(create(array, request(Facts::ATTR_VALUE_RAID_5, 1000 * kCylinder63)));
    const LOGICAL_DRIVE_CONFIG parity = tree.stored(1);
    EXPECT_EQ(parity.pbBigSpareAssignmentMap[0], 0x18);
    EXPECT_EQ(parity.bConfigModMajorVer, 7);
    tree.rescan();
    ASSERT_TRUE(create(tree.arrays().front(), request(Facts::ATTR_VALUE_RAID_0, 1000 * kCylinder63)));
    const LOGICAL_DRIVE_CONFIG striped = tree.stored(2);
    EXPECT_EQ(striped.pbBigSpareAssignmentMap[0], 0);
    EXPECT_EQ(striped.bConfigModMajorVer, 4);
}

TEST(CreateLogicalDrive, OnlyTheFirstLogicalDriveRediscoversTheControllersArrays)
{
    Tree tree(hardware(4));
    const Core::DevicePtr first = tree.newArray(2);
    const Core::DevicePtr second = tree.newArray(2, 2);
    ASSERT_TRUE(create(first, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63)));
    EXPECT_EQ(tree.logicalDrives().size(), 1u);
    EXPECT_EQ(tree.controller()->getValueFor(Interface::StorageMod::ArrayController::ATTR_NAME_LOGICAL_DRIVE_COUNT),
              "1");
    EXPECT_EQ(tree.arrays().size(), 2u);
    ASSERT_TRUE(create(second, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63)));
    EXPECT_EQ(tree.logicalDrives().size(), 1u); // left for the caller's rescan
    tree.rescan();
    EXPECT_EQ(tree.logicalDrives().size(), 2u);
}

TEST(CreateLogicalDrive, LeftOutArgumentsTakeTheOfferedDefaults)
{
    Tree tree(hardware(2));
    const Core::DevicePtr array = tree.newArray(2);
    const unsigned long long offered = maximumOffered(array, Facts::ATTR_VALUE_RAID_1);
    ASSERT_TRUE(create(array, {}));
    const LOGICAL_DRIVE_CONFIG stored = tree.stored(0);
    EXPECT_EQ(+stored.wFaultTolerance, 2);
    EXPECT_EQ(+stored.wDistribution, 128);
    EXPECT_EQ(stored.logicalDriveParamTable.bSectorsPerTrack, 63);
    EXPECT_EQ(std::uint64_t{stored.logicalDriveParamTable.wMaxCylinders} * kCylinder63, offered);
}

TEST(ConfigureUnusedSpace, FillsTheArrayWithTheLevelAsked)
{
    Tree tree(hardware(3));
    const Core::DevicePtr array = tree.newArray(3);
    const unsigned long long offered = maximumOffered(array, Facts::ATTR_VALUE_RAID_0);
    const Core::OperationReturn result = Tree::perform(array, Config::OPERATION_WRITE_CONFIGURE_UNUSED_SPACE,
                                                       {{Facts::ATTR_NAME_RAID, Facts::ATTR_VALUE_RAID_0}});
    ASSERT_TRUE(result) << status(result);
    EXPECT_EQ(result.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER), "0");
    const LOGICAL_DRIVE_CONFIG stored = tree.stored(0);
    EXPECT_EQ(+stored.wFaultTolerance, 0);
    const std::uint64_t blocks = stored.qwBigBlocksInLogicalDrive != 0
        ? std::uint64_t{stored.qwBigBlocksInLogicalDrive}
        : std::uint64_t{stored.logicalDriveParamTable.wMaxCylinders} * kCylinder63;
    EXPECT_EQ(blocks, offered);
}

TEST(CreateLogicalDrive, ArgumentsTheArrayCannotTakeAreRefusedByName)
{
    Tree tree(hardware(2));
    const Core::DevicePtr array = tree.newArray(2);
    struct Case {
        Arguments arguments;
        const char* argument;
    };
    const Case cases[] = {
        {request(Facts::ATTR_VALUE_RAID_5, 1000 * kCylinder63), Facts::ATTR_NAME_RAID},
        {request("ATTR_VALUE_RAID_7", 1000 * kCylinder63), Facts::ATTR_NAME_RAID},
        {request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63, 40), Facts::ATTR_NAME_SECTORS},
        {request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63, 63, 0), Facts::ATTR_NAME_STRIPE_SIZE},
        {request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63, 63, 70000), Facts::ATTR_NAME_STRIPE_SIZE},
        {request(Facts::ATTR_VALUE_RAID_1, 32129), Facts::ATTR_NAME_USEABLE_BLOCKS},
        {{{Facts::ATTR_NAME_RAID, Facts::ATTR_VALUE_RAID_1}, {Facts::ATTR_NAME_USEABLE_BLOCKS, "12x"}},
         Facts::ATTR_NAME_USEABLE_BLOCKS},
    };
    for (const Case& c : cases) {
        const Core::OperationReturn result = create(array, c.arguments);
        EXPECT_EQ(status(result), ATTR_VALUE_STATUS_ARGUMENT_INVALID) << c.argument;
        EXPECT_EQ(result.getValueFor(ATTR_NAME_ARGUMENT_NAME), c.argument);
    }
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
}

// Another process configured number 0 since this tree was read: nothing is written over it.
TEST(CreateLogicalDrive, ANumberTheControllerHasConfiguredIsNotWrittenOver)
{
    Tree tree(hardware(4));
    const Core::DevicePtr stale = tree.newArray(2, 2);
    Tree other(Tree::SameControllers{}, tree);
    ASSERT_TRUE(create(other.newArray(2), request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63)));
    const LOGICAL_DRIVE_CONFIG before = tree.stored(0);
    EXPECT_EQ(status(create(stale, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63))), ATTR_VALUE_STATUS_FAILURE);
    const LOGICAL_DRIVE_CONFIG after = tree.stored(0);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof after), 0);
}

TEST(CreateLogicalDrive, AFailingConfigurationCommandLeavesNothingBehind)
{
    Tree tree(hardware(2));
    const Core::DevicePtr array = tree.newArray(2);
    tree.tool("check-condition-on slot1 0x51 1");
    const Core::OperationReturn failed = create(array, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63));
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.getValueFor(Facts::ATTR_NAME_DRIVE_NUMBER).empty());
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 0);
    ASSERT_TRUE(create(array, request(Facts::ATTR_VALUE_RAID_1, 1000 * kCylinder63)));
    EXPECT_EQ(+tree.stored(0).wAssignedDrives, 2);
}

TEST(CreateLogicalDrive, OfferedOnlyOnAnArrayWithRoomBelowTheLogicalDriveLimit)
{
    const char* const carvers[] = {Config::OPERATION_WRITE_CREATE_LOGICAL_DRIVE,
                                   Config::OPERATION_WRITE_CONFIGURE_UNUSED_SPACE};
    std::string profile = hardware(4);
    for (unsigned number = 0; number < 32; ++number)
        profile += "logicaldrive " + std::to_string(number) + " drives=1I:1:1,1I:1:2 raid=1 size=1GB\n";
    Tree limit(profile);
    Tree full(hardware(2));
    const Core::DevicePtr room = full.newArray(2);
    for (const char* operation : carvers) {
        EXPECT_EQ(Tree::unavailableReason(limit.arrays().front(), operation),
                  ATTR_VALUE_UNAVAILABLE_REASON_MAX_LOGICAL_DRIVE_COUNT_REACHED);
        EXPECT_EQ(Tree::unavailableReason(room, operation), "");
    }
    ASSERT_TRUE(Tree::perform(room, Config::OPERATION_WRITE_CONFIGURE_UNUSED_SPACE, {}));
    full.rescan();
    for (const char* operation : carvers)
        EXPECT_EQ(Tree::unavailableReason(full.arrays().front(), operation),
                  ATTR_VALUE_UNAVAILABLE_REASON_SPACE_FOR_CREATION_NOT_AVAILABLE);
}

TEST(CreateLogicalDrive, LowestFreeNumberStepsPastEveryNumberInUse)
{
    Tree tree(hardware(4) +
              "logicaldrive 1 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n"
              "logicaldrive 2 drives=1I:1:1,1I:1:2 raid=1 size=1GB\n");
    EXPECT_EQ(Operations::WriteCreateLogicalDrive::lowestFreeNumber(*tree.controller()), 0u);
}

} // namespace
