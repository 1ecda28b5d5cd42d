// Reading a controller: what the server preset's controller offers, a
// controller that stops answering and comes back, and the cache ratios that may be shown.
#include <string>

#include <gtest/gtest.h>

#include "operations/readarraycontrollerinfo.h"
#include "operations/readcontrollerfacts.h"
#include "schema/schemalogicaldrive.h"
#include "tests/operations/simtree.h"

namespace {

using namespace Interface::StorageMod::ArrayController;

std::string value(const Core::DevicePtr& device, const char* name) { return device->getValueFor(name).c_str(); }

Core::DevicePtr controllerIn(const Core::DevicePtr& root, const char* id)
{
    for (const Core::DevicePtr& device : SimTree::devicesOf(root, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY_CONTROLLER))
        if (device->toString() == id)
            return device;
    return Core::DevicePtr();
}

void simulate(const std::string& state, const std::string& arguments)
{
    const std::string command = "VNLSIM_STATE=" + state + " " + VNLSIM_TOOL + " " + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// Its settings, cache and batteries are shown in the controller's detail listing.
TEST(ControllerReading, TheServerControllerOffersItsSettings)
{
    const Core::DevicePtr root = SimTree::build(SimTree::makeState("server"));
    const Core::DevicePtr controller = controllerIn(root, "AC:slot_3");
    ASSERT_TRUE(controller);
    EXPECT_FALSE(controller->hasAttribute(ATTR_NAME_REDUNDANT_STATE)) << "a local controller has no partner";

    // What the settings writes may choose, with the current and default values marked.
    Operations::ReadArrayControllerInfo reader;
    const Core::CapabilityPtr capability = reader.getCapabilityPtr(controller);
    std::string classes;
    for (auto it = capability->beginChild(); it != capability->endChild(); ++it)
        classes += std::string((*it)->getValueFor(Interface::MORUMod::ATTR_NAME_ATTRIBUTE_NAME).c_str()) + " ";
    EXPECT_EQ(classes,
              "ATTR_NAME_RAID ATTR_NAME_STRIPE_SIZE ATTR_NAME_CACHE_RATIO ATTR_NAME_REBUILD_PRIORITY "
              "ATTR_NAME_EXPAND_PRIORITY ATTR_NAME_SURFACE_ANALYSIS_DELAY ");
}

TEST(ControllerReading, AControllerThatStopsAnsweringSaysSoUntilItAnswersAgain)
{
    const std::string state = SimTree::makeState("small");
    const Core::DevicePtr root = SimTree::build(state);
    const Core::DevicePtr controller = controllerIn(root, "AC:slot_1");
    ASSERT_TRUE(controller);
    EXPECT_EQ(value(controller, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_OK);

    simulate(state, "comm-error slot1 on");
    const Core::OperationReturn failed =
        controller->perform(controller->getOperation(Interface::StorageMod::OPERATION_READ_ARRAY_CONTROLLER_INFO));
    EXPECT_FALSE(failed);
    EXPECT_EQ(value(controller, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_NOT_OK);
    EXPECT_EQ(value(controller, ATTR_NAME_CONTROLLER_STATE),
              ATTR_VALUE_CONTROLLER_STATE_CONTROLLER_COMMUNICATION_ERROR);
    EXPECT_EQ(value(controller, ATTR_NAME_FIRMWARE_VERSION), "3.42") << "facts read before stay";

    simulate(state, "comm-error slot1 off");
    EXPECT_TRUE(
        controller->perform(controller->getOperation(Interface::StorageMod::OPERATION_READ_ARRAY_CONTROLLER_INFO)));
    EXPECT_EQ(value(controller, ATTR_NAME_STATUS), ATTR_VALUE_STATUS_OK);
    EXPECT_FALSE(controller->hasAttribute(ATTR_NAME_CONTROLLER_STATE));
}

TEST(ControllerReading, OnlyListedCacheRatiosAreShown)
{
    EXPECT_EQ(std::string(Operations::cacheRatio(25, 75).c_str()), ATTR_VALUE_CACHE_RATIO_25_75);
    EXPECT_EQ(std::string(Operations::cacheRatio(100, 0).c_str()), ATTR_VALUE_CACHE_RATIO_100_0);
    EXPECT_TRUE(Operations::cacheRatio(33, 67).empty());

    Schema::LogicalDrive device(0, 0);
    CACHE_CONFIG_STATUS cache{};
    cache.bPercentReadCache = 50;
    cache.bPercentWriteCache = 40;
    cache.bDefaultPercentReadCache = 50;
    cache.bDefaultPercentWriteCache = 50;
    Operations::publishCacheRatioInfo(device, cache);
    EXPECT_FALSE(device.hasAttribute(ATTR_NAME_CACHE_RATIO)) << "a ratio that does not add up to 100 is not shown";
    EXPECT_EQ(std::string(device.getValueFor(ATTR_NAME_DEFAULT_CACHE_RATIO).c_str()), ATTR_VALUE_CACHE_RATIO_50_50);
    EXPECT_EQ(Operations::cacheBlocks(256, 0), 524288u);
    EXPECT_EQ(Operations::cacheBlocks(256, 40), 0u) << "a shift wider than the field reads as no size";
}

} // namespace
