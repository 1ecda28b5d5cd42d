#include "cli/defaultinstance.h"

#include <gtest/gtest.h>

#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

Core::CapabilityPtr argument(const char* attribute, std::initializer_list<std::pair<const char*, bool>> values)
{
    Core::CapabilityPtr capability(new Core::CapabilityClass(attribute, "", "", "", ""));
    for (const auto& [value, isDefault] : values)
        capability->Subscribe(Core::CapabilityPtr(new Core::CapabilityInstance(value, isDefault)));
    return capability;
}

} // namespace

TEST(FindDefaultInstanceFor, FindsTheDefaultValueOfTheNamedArgument)
{
    Core::CapabilityPtr root(new Core::Capability());
    root->Subscribe(argument(ATTR_NAME_STRIPE_SIZE, {{"16", false}, {"128", true}}));
    root->Subscribe(argument(ATTR_NAME_RAID, {{ATTR_VALUE_RAID_0, false}, {ATTR_VALUE_RAID_5, true}}));

    const Core::CapabilityPtr raid = findDefaultInstanceFor(ATTR_NAME_RAID, root);
    ASSERT_TRUE(raid);
    EXPECT_EQ(raid->getValueFor(ATTR_NAME_CAPABILITY_INSTANCE), ATTR_VALUE_RAID_5);

    root->Subscribe(argument(ATTR_NAME_CACHE_RATIO, {{ATTR_VALUE_CACHE_RATIO_50_50, false}}));
    EXPECT_FALSE(findDefaultInstanceFor(ATTR_NAME_CACHE_RATIO, root));
    EXPECT_FALSE(findDefaultInstanceFor(ATTR_NAME_SECTORS, root));
    EXPECT_FALSE(findDefaultInstanceFor(ATTR_NAME_RAID, Core::CapabilityPtr()));
}
