// Changing a controller's cache ratio, priorities and surface scan delay on the simulated
// controllers: what the firmware keeps, the commands it receives, and what a new tree reads.
#include <string>

#include <gtest/gtest.h>

#include "tests/operations/configurationwrites.h"

namespace {

using namespace ConfigurationWrites;
using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
namespace Facts = Interface::StorageMod::ArrayController;

Core::OperationReturn manage(const Tree& tree, const Arguments& arguments)
{
    return Tree::perform(tree.controller(), Config::OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS, arguments);
}

TEST(ManageControllerParameters, CacheRatioGivesTheWriteShareToWritingAndTheRestToReading)
{
    Tree tree(hardware(2)); // 256 MB of cache
    const struct {
        const char* ratio;
        unsigned read, write;
    } ratios[] = {{Facts::ATTR_VALUE_CACHE_RATIO_0_100, 0, 256},
                  {Facts::ATTR_VALUE_CACHE_RATIO_100_0, 256, 0},
                  {Facts::ATTR_VALUE_CACHE_RATIO_75_25, 192, 64}};
    for (const auto& r : ratios) {
        const Core::OperationReturn result = manage(tree, {{Facts::ATTR_NAME_CACHE_RATIO, r.ratio}});
        ASSERT_TRUE(result) << r.ratio;
        const CACHE_CONFIG_STATUS cache = sensed<SenseControllerCacheConfigStatusTrait>(tree.controller());
        EXPECT_EQ(+cache.wReadCacheSize, r.read) << r.ratio;
        EXPECT_EQ(+cache.wWriteCacheSize, r.write) << r.ratio;
    }
    const Tree other(Tree::SameControllers{}, tree);
    EXPECT_EQ(other.controller()->getValueFor(Facts::ATTR_NAME_CACHE_RATIO), Facts::ATTR_VALUE_CACHE_RATIO_75_25);
    EXPECT_EQ(
        manage(tree, {{Facts::ATTR_NAME_CACHE_RATIO, "ATTR_VALUE_CACHE_RATIO_half"}}).getValueFor(ATTR_NAME_STATUS),
        ATTR_VALUE_STATUS_ARGUMENT_INVALID);
}

TEST(ManageControllerParameters, BothPrioritiesGoInOneCommandAndANewTreeReadsThem)
{
    Tree tree(hardware(2));
    RequestLog log;
    ASSERT_TRUE(manage(tree,
                       {{Facts::ATTR_NAME_REBUILD_PRIORITY, Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH},
                        {Facts::ATTR_NAME_EXPAND_PRIORITY, Facts::ATTR_VALUE_EXPAND_PRIORITY_MEDIUM}}));
    EXPECT_EQ(log.count("63"), 1u);
    EXPECT_EQ(log.count("C0") + log.count("60"), 0u); // nothing else was asked for
    const CONTROLLER_PARAMETERS stored = sensed<SenseControllerParametersTrait>(tree.controller());
    EXPECT_EQ(stored.bRebuildPriority, 0x76);
    EXPECT_EQ(stored.bExpandPriority, 0x40);
    const Tree other(Tree::SameControllers{}, tree);
    const char* const op = Config::OPERATION_WRITE_MANAGE_CONTROLLER_PARAMETERS;
    EXPECT_EQ(current(other.controller(), op, Facts::ATTR_NAME_REBUILD_PRIORITY),
              Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH);
    EXPECT_EQ(current(other.controller(), op, Facts::ATTR_NAME_EXPAND_PRIORITY),
              Facts::ATTR_VALUE_EXPAND_PRIORITY_MEDIUM);
}

TEST(ManageControllerParameters, SurfaceDelayIsKeptInTenthsWithZeroAndTooLongAsThirtySeconds)
{
    Tree tree(hardware(2));
    const struct {
        const char* seconds;
        unsigned tenths;
    } delays[] = {{"0", 300}, {"5", 50}, {"45", 300}, {"70000", 300}};
    for (const auto& d : delays) {
        ASSERT_TRUE(manage(tree, {{Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY, d.seconds}})) << d.seconds;
        EXPECT_EQ(+sensed<SenseSurfaceStatusTrait>(tree.controller()).wSurfaceDelay, d.tenths) << d.seconds;
    }
}

TEST(ManageControllerParameters, AFailingStepLeavesTheLaterOnesUnsent)
{
    Tree tree(hardware(2));
    tree.tool("check-condition-on slot1 0xC0 1");
    RequestLog log;
    const Core::OperationReturn result =
        manage(tree,
               {{Facts::ATTR_NAME_CACHE_RATIO, Facts::ATTR_VALUE_CACHE_RATIO_50_50},
                {Facts::ATTR_NAME_REBUILD_PRIORITY, Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH},
                {Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY, "5"}});
    EXPECT_FALSE(result);
    EXPECT_EQ(log.count("C0"), 1u);
    EXPECT_EQ(log.count("63") + log.count("60"), 0u);
    const Tree other(Tree::SameControllers{}, tree);
    EXPECT_EQ(other.controller()->getValueFor(Facts::ATTR_NAME_REBUILD_PRIORITY),
              Facts::ATTR_VALUE_REBUILD_PRIORITY_LOW);
}

} // namespace
