// The top of the device tree as discovery builds it from the simulated presets: controllers,
// storage systems with their paths, host bus adapters and the associations between them; the
// discovery mask; partial rescans.
#include <string>

#include <gtest/gtest.h>

#include "operations/writeallowedcontrollerdiscovery.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"
#include "tests/operations/simtree.h"

namespace {

using namespace Interface::StorageMod;
using namespace Interface::MORUMod;
using SimTree::associated;
using SimTree::devicesOf;

std::string value(const Core::DevicePtr& device, const char* name) { return device->getValueFor(name).c_str(); }

std::string identifiers(const Core::DeviceList& devices)
{
    std::string text;
    for (const Core::DevicePtr& device : devices)
        text += std::string(text.empty() ? "" : " ") + device->toString().c_str();
    return text;
}

Core::DevicePtr child(const Core::DevicePtr& parent, const std::string& id)
{
    for (auto it = parent->beginChild(); it != parent->endChild(); ++it)
        if (std::string((*it)->toString().c_str()) == id)
            return *it;
    return Core::DevicePtr();
}

// Performs an operation of `device` with (name, value) arguments.
Core::OperationReturn perform(const Core::DevicePtr& device, const char* operation,
                              std::initializer_list<std::pair<const char*, const char*>> arguments)
{
    const Core::DeviceOperationPtr op = device->getOperation(operation);
    if (!op)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    for (const auto& [name, text] : arguments)
        op->SetArgument(
            Core::DeviceOperation::Argument(Core::DeviceOperation::ACTION_SET, Core::Attribute(name, text)));
    return device->perform(op);
}

// A tree of the external preset: one storage system behind two fibre adapters.
class ExternalTree : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        state = SimTree::makeState("external");
        root = SimTree::build(state);
    }
    static void TearDownTestSuite() { root = Core::DevicePtr(); }
    static Core::DevicePtr storageSystem() { return child(root, "SGV0511017"); }

    static inline std::string state;
    static inline Core::DevicePtr root;
};

TEST_F(ExternalTree, TheRedundantPairIsOneStorageSystemWithTwoPathsAndTwoControllers)
{
    EXPECT_EQ(identifiers(devicesOf(root, ATTR_VALUE_TYPE_STORAGE_SYSTEM)), "SGV0511017");
    const Core::DevicePtr system = storageSystem();
    ASSERT_TRUE(system);
    EXPECT_EQ(value(system, ATTR_NAME_STORAGE_SYSTEM_NAME), "ATTR_VALUE_STORAGE_SYSTEM_NAME_CORVALE_1500");
    EXPECT_EQ(value(system, ATTR_NAME_CHASSIS_SERIAL_NUMBER), "SGV0511017");
    EXPECT_EQ(value(system, ATTR_NAME_SSP_STATE), ATTR_VALUE_SSP_STATE_ENABLED);
    EXPECT_EQ(dynamic_cast<Schema::StorageSystem&>(*system).storageSystemPathList().size(), 2u);
    EXPECT_EQ(identifiers(devicesOf(system, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)), "AC:E7VN100420A_P0 AC:E7VN100420B_P0");
    EXPECT_EQ(identifiers(devicesOf(root, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)), "AC:E7VN100420A_P0 AC:E7VN100420B_P0")
        << "no controller of the storage system is also listed as a local one";
}

TEST_F(ExternalTree, ControllersOfTheStorageSystemAreRemoteAndAskedThroughTheirOwnPaths)
{
    const Core::DevicePtr a = child(storageSystem(), "AC:E7VN100420A_P0");
    const Core::DevicePtr b = child(storageSystem(), "AC:E7VN100420B_P0");
    ASSERT_TRUE(a && b);
    for (const Core::DevicePtr& controller : {a, b}) {
        EXPECT_EQ(value(controller, ATTR_NAME_LOCATION), ATTR_VALUE_LOCATION_REMOTE);
        EXPECT_EQ(value(controller, ATTR_NAME_BUS_TYPE), ATTR_VALUE_BUS_TYPE_FIBRE);
        EXPECT_EQ(value(controller, ATTR_NAME_HBA_PORT), "0") << "the first port of the adapter";
    }
    EXPECT_EQ(associated(a, ASSOCIATION_INTERCONNECT_PATH), "HBA:4");
    EXPECT_EQ(associated(b, ASSOCIATION_INTERCONNECT_PATH), "HBA:5");
    EXPECT_EQ(associated(child(root, "HBA:4"), ASSOCIATION_INTERCONNECT_PATH), "AC:E7VN100420A_P0")
        << "the adapter leads to the controller on its port";
    EXPECT_EQ(associated(child(root, "HBA:5"), ASSOCIATION_INTERCONNECT_PATH), "AC:E7VN100420B_P0");
}

TEST_F(ExternalTree, LogicalDrivesAreSelectivelyPresentedLikeTheirStorageSystem)
{
    const Core::DeviceList logicalDrives = devicesOf(storageSystem(), ATTR_VALUE_TYPE_LOGICAL_DRIVE);
    ASSERT_EQ(logicalDrives.size(), 2u);
    for (const Core::DevicePtr& logicalDrive : logicalDrives)
        EXPECT_EQ(value(logicalDrive, ATTR_NAME_SSP_STATE), ATTR_VALUE_SSP_STATE_ENABLED);
}

TEST_F(ExternalTree, AccessListLinksLogicalDrivesAndTheStorageSystemToInitiators)
{
    const Core::DevicePtr system = storageSystem();
    const Core::DeviceList logicalDrives = devicesOf(system, ATTR_VALUE_TYPE_LOGICAL_DRIVE);
    ASSERT_EQ(logicalDrives.size(), 2u);
    EXPECT_EQ(associated(logicalDrives.front(), ASSOCIATION_INITIATOR_WITH_ACCESS),
              "SGV0511017,I:5A0E0D0000010001 SGV0511017,I:5A0E0D0000010002 SGV0511017,I:5A0E0D0000020001");
    EXPECT_EQ(associated(logicalDrives.back(), ASSOCIATION_INITIATOR_WITH_ACCESS), "SGV0511017,I:5A0E0D0000020001");
    EXPECT_EQ(associated(system, ASSOCIATION_INITIATOR_WITH_ACCESS),
              "SGV0511017,I:5A0E0D0000010001 SGV0511017,I:5A0E0D0000010002 SGV0511017,I:5A0E0D0000020001");
}

TEST_F(ExternalTree, LogicalRescanOfTheStorageSystemKeepsEveryDevice)
{
    const std::string before = identifiers(devicesOf(root, ""));
    setenv("VNLSIM_STATE", state.c_str(), 1);
    EXPECT_TRUE(perform(storageSystem(), OPERATION_WRITE_REENUMERATE,
                        {{ATTR_NAME_REENUMERATE_TYPE, ATTR_VALUE_REENUMERATE_TYPE_LOGICAL}}));
    EXPECT_TRUE(perform(storageSystem(), OPERATION_WRITE_REENUMERATE,
                        {{ATTR_NAME_REENUMERATE_TYPE, ATTR_VALUE_REENUMERATE_TYPE_PHYSICAL}}));
    EXPECT_EQ(identifiers(devicesOf(root, "")), before);
    EXPECT_EQ(associated(child(storageSystem(), "AC:E7VN100420A_P0"), ASSOCIATION_INTERCONNECT_PATH), "HBA:4");
}

// Local controllers; each test that changes the discovery mask puts the supported models back.
class ServerTree : public testing::Test {
protected:
    void SetUp() override
    {
        state = SimTree::makeState("server");
        root = SimTree::build(state);
    }
    void TearDown() override { DRXCommon::MaskControllers(root); }
    std::string controllers() const { return identifiers(devicesOf(root, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)); }

    std::string state;
    Core::DevicePtr root;
};

TEST_F(ServerTree, HostSideOfEachControllerIsAnAdapterWarningOfItsMissingAccessId)
{
    const Core::DeviceList adapters = devicesOf(root, ATTR_VALUE_TYPE_HBA);
    ASSERT_EQ(adapters.size(), 2u);
    for (const Core::DevicePtr& adapter : adapters) {
        EXPECT_EQ(value(adapter, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_WARNING_NO_ACCESS_ID);
        EXPECT_FALSE(adapter->hasAttribute(ATTR_NAME_ACCESS_ID));
    }
}

TEST_F(ServerTree, LogicalDrivesOfLocalControllersHaveNoSspState)
{
    const Core::DeviceList logicalDrives = devicesOf(root, ATTR_VALUE_TYPE_LOGICAL_DRIVE);
    ASSERT_FALSE(logicalDrives.empty());
    for (const Core::DevicePtr& logicalDrive : logicalDrives)
        EXPECT_FALSE(logicalDrive->hasAttribute(ATTR_NAME_SSP_STATE));
}

TEST_F(ServerTree, UnassignedDrivesAreLinkedToTheirController)
{
    const std::string unassigned = associated(child(root, "AC:slot_3"), ASSOCIATION_UNASSIGNED_PHYSICAL_DRIVE);
    EXPECT_NE(unassigned, "");
    EXPECT_EQ(unassigned.find("AC:slot_0"), std::string::npos);
    EXPECT_EQ(associated(child(root, "AC:slot_0"), ASSOCIATION_UNASSIGNED_PHYSICAL_DRIVE), "");
}

TEST_F(ServerTree, MaskOfEnabledModelsDropsEveryOtherController)
{
    EXPECT_TRUE(perform(root, OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY,
                        {{ATTR_NAME_MASK_TYPE, ATTR_VALUE_MASK_TYPE_ENABLED},
                         {ATTR_NAME_CONTROLLER_NAME, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V30"}}));
    SimTree::rescan(root, state);
    EXPECT_EQ(controllers(), "AC:slot_3");
}

TEST_F(ServerTree, DisabledMaskWithNoModelsAllowsEveryKnownModel)
{
    EXPECT_TRUE(perform(root, OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY,
                        {{ATTR_NAME_MASK_TYPE, ATTR_VALUE_MASK_TYPE_DISABLED}}));
    SimTree::rescan(root, state);
    EXPECT_EQ(controllers(), "AC:slot_0 AC:slot_3");
    EXPECT_TRUE(perform(root, OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY,
                        {{ATTR_NAME_MASK_TYPE, ATTR_VALUE_MASK_TYPE_DISABLED},
                         {ATTR_NAME_CONTROLLER_NAME, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V22I"}}));
    SimTree::rescan(root, state);
    EXPECT_EQ(controllers(), "AC:slot_3");
}

TEST_F(ServerTree, MaskWithoutTypeAllowsNothing)
{
    EXPECT_TRUE(perform(root, OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY,
                        {{ATTR_NAME_CONTROLLER_NAME, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V30"}}));
    SimTree::rescan(root, state);
    EXPECT_EQ(controllers(), "");
}

TEST(PartialRescan, LogicalRescanOfAControllerFindsNewArraysAndKeepsItsDrives)
{
    const std::string hardware = "controller slot3 model=VARNEL_V30 slot=3 pcibus=11\n"
                                 "drive 1I:1:1 interface=sas size=72GB\n"
                                 "drive 1I:1:2 interface=sas size=72GB\n"
                                 "drive 1I:1:3 interface=sas size=72GB\n";
    const std::string configured = SimTree::makeState("", hardware + "logicaldrive 0 drives=1I:1:1,1I:1:2 raid=1\n");
    const std::string empty = SimTree::makeState("", hardware);
    const Core::DevicePtr root = SimTree::build(empty);
    const Core::DevicePtr controller = child(root, "AC:slot_3");
    ASSERT_TRUE(controller);
    const std::string drives = identifiers(devicesOf(controller, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    ASSERT_EQ(identifiers(devicesOf(controller, ATTR_VALUE_TYPE_ARRAY)), "");

    setenv("VNLSIM_STATE", configured.c_str(), 1);
    EXPECT_TRUE(perform(controller, OPERATION_WRITE_REENUMERATE,
                        {{ATTR_NAME_REENUMERATE_TYPE, ATTR_VALUE_REENUMERATE_TYPE_LOGICAL}}));
    EXPECT_EQ(identifiers(devicesOf(controller, ATTR_VALUE_TYPE_ARRAY)), "AC:slot_3,A:0");
    EXPECT_EQ(identifiers(devicesOf(controller, ATTR_VALUE_TYPE_LOGICAL_DRIVE)), "AC:slot_3,LD:0");
    EXPECT_EQ(identifiers(devicesOf(controller, ATTR_VALUE_TYPE_PHYSICAL_DRIVE)), drives);

    EXPECT_TRUE(perform(controller, OPERATION_WRITE_REENUMERATE, {})) << "a rescan of the whole controller";
    EXPECT_EQ(identifiers(devicesOf(controller, ATTR_VALUE_TYPE_PHYSICAL_DRIVE)), drives);
    EXPECT_EQ(associated(controller, ASSOCIATION_UNASSIGNED_PHYSICAL_DRIVE), "AC:slot_3,PD:2");
}

TEST(UnknownBoard, ControllerOfABoardOutsideTheProductTableIsNotDiscovered)
{
    const Core::DevicePtr root = SimTree::build(SimTree::makeState("",
                                                                   "controller slot1 model=VARNEL_V24 slot=1 pcibus=6\n"
                                                                   "drive 1I:1:1 interface=sas size=72GB\n"
                                                                   "controller slot2 board=0x12345678 slot=2 pcibus=7\n"
                                                                   "drive 1I:1:1 interface=sas size=72GB\n"));
    EXPECT_EQ(identifiers(devicesOf(root, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)), "AC:slot_1");
}

} // namespace
