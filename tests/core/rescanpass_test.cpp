// Which rescan is running: a number per outermost rescan, 0 between rescans.
#include "core/rescanpass.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/modelswitches.h"
#include "tests/core/testtree.h"

namespace CoreTest {
namespace {

std::vector<unsigned long>& seen()
{
    static std::vector<unsigned long> passes;
    return passes;
}

TEST(RescanPass, ARescanStartedWithinAnotherBelongsToIt)
{
    EXPECT_EQ(Core::RescanPass::current(), 0u);
    unsigned long first = 0;
    {
        const Core::RescanPass outer;
        first = Core::RescanPass::current();
        EXPECT_NE(first, 0u);
        {
            const Core::RescanPass inner;
            EXPECT_EQ(Core::RescanPass::current(), first);
        }
        EXPECT_EQ(Core::RescanPass::current(), first);
    }
    EXPECT_EQ(Core::RescanPass::current(), 0u);
    const Core::RescanPass next;
    EXPECT_GT(Core::RescanPass::current(), first);
}

// The tree writer runs at the end of every rescan, inside it.
TEST(RescanPass, EveryRescanOfTheTreeIsANewPass)
{
    registerTestOperations();
    hardware() = Hardware();
    hardware().controllers["1"] = {2, 1};
    const DevicePtr root = Root::make();
    seen().clear();
    ModelSwitches::setTreeWriter([](Device&) { seen().push_back(Core::RescanPass::current()); });
    root->Reenumerate(Device::ReenumeratePredicate());
    root->Refresh();
    ModelSwitches::setTreeWriter(nullptr);
    ASSERT_EQ(seen().size(), 2u);
    EXPECT_NE(seen()[0], 0u);
    EXPECT_GT(seen()[1], seen()[0]);
    EXPECT_EQ(Core::RescanPass::current(), 0u);
}

} // namespace
} // namespace CoreTest
