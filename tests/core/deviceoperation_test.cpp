#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/capabilityfinder.h"
#include "core/deviceoperation.h"
#include "core/modelterms.h"

namespace {

using namespace Core;
using namespace Core::ModelTerms;

constexpr char RAID[] = "ATTR_NAME_RAID";
constexpr char STRIPE[] = "ATTR_NAME_STRIPE_SIZE";
constexpr char PARITY[] = "ATTR_NAME_PARITY_GROUPS";
constexpr char SPARE[] = "ATTR_NAME_SPARE";

CapabilityPtr argumentClass(const char* name, const char* action)
{
    return CapabilityPtr(new CapabilityClass(name, ATTR_VALUE_INSTANCE_TYPE_STRING, ATTR_VALUE_CARDINALITY_SINGLE,
                                             action, ATTR_VALUE_INSTANCE_RANGE_CLOSED));
}

CapabilityPtr instance(const char* value, bool isDefault = false)
{
    return CapabilityPtr(new CapabilityInstance(value, isDefault));
}

// raid: 1, 5 (default); under raid 5: stripe 16, 64 (default) and parity
// groups 2 (default); under raid 1: stripe 128 (default); spare: relative,
// its default instance holding a nested absolute class.
class CreateOperation : public DeviceOperation {
public:
    CapabilityPtr getCapabilityPtr(const DevicePtr&) override
    {
        CapabilityPtr root(new Capability());
        CapabilityPtr raid = argumentClass(RAID, ATTR_VALUE_ACTION_ABSOLUTE);
        CapabilityPtr raid1 = instance("1");
        CapabilityPtr stripe1 = argumentClass(STRIPE, ATTR_VALUE_ACTION_BOTH);
        stripe1->Subscribe(instance("128", true));
        raid1->Subscribe(stripe1);
        CapabilityPtr raid5 = instance("5", true);
        CapabilityPtr stripe5 = argumentClass(STRIPE, ATTR_VALUE_ACTION_ABSOLUTE);
        stripe5->Subscribe(instance("16"));
        stripe5->Subscribe(instance("64", true));
        CapabilityPtr parity = argumentClass(PARITY, ATTR_VALUE_ACTION_ABSOLUTE);
        parity->Subscribe(instance("2", true));
        raid5->Subscribe(stripe5);
        raid5->Subscribe(parity);
        raid->Subscribe(raid1);
        raid->Subscribe(raid5);
        CapabilityPtr spare = argumentClass(SPARE, ATTR_VALUE_ACTION_RELATIVE);
        CapabilityPtr spareDefault = instance("none", true);
        CapabilityPtr nested = argumentClass("ATTR_NAME_NESTED", ATTR_VALUE_ACTION_ABSOLUTE);
        nested->Subscribe(instance("deep", true));
        spareDefault->Subscribe(nested);
        spare->Subscribe(spareDefault);
        root->Subscribe(raid);
        root->Subscribe(spare);
        return root;
    }

protected:
    Common::string nameImpl() const override { return "OPERATION_TEST_CREATE"; }
    EnType eTypeImpl() const override { return TYPE_WRITE; }
};

std::vector<std::string> arguments(const DeviceOperation& op)
{
    std::vector<std::string> listed;
    for (auto it = op.beginArgument(); it != op.endArgument(); ++it)
        listed.push_back(std::to_string(it->first) + " " + it->second.first.c_str() + "=" +
                         it->second.second.toString().c_str());
    return listed;
}

TEST(DeviceOperationTest, SeveralValuesOfANameAreKeptInOrderButATripleOnlyOnce)
{
    CreateOperation op;
    op.SetArgument({DeviceOperation::ACTION_ADD, Attribute("ATTR_NAME_DRIVE", "1:1")});
    op.SetArgument({DeviceOperation::ACTION_ADD, Attribute("ATTR_NAME_DRIVE", "1:2")});
    op.SetArgument({DeviceOperation::ACTION_ADD, Attribute("ATTR_NAME_DRIVE", "1:1")});
    op.SetArgument({DeviceOperation::ACTION_REMOVE, Attribute("ATTR_NAME_DRIVE", "1:2")});
    EXPECT_EQ(arguments(op),
              (std::vector<std::string>{"1 ATTR_NAME_DRIVE=1:2", "1 ATTR_NAME_DRIVE=1:1", "4 ATTR_NAME_DRIVE=1:2"}));
    EXPECT_EQ(op.getArgValue("ATTR_NAME_DRIVE"), "1:2");
    EXPECT_FALSE(op.hasArgument("ATTR_NAME_ABSENT"));
    EXPECT_EQ(op.getArgValue("ATTR_NAME_ABSENT"), "");
    op.ClearArgument({DeviceOperation::ACTION_ADD, Attribute("ATTR_NAME_DRIVE", "1:1")});
    EXPECT_EQ(arguments(op).size(), 2u);
}

TEST(DeviceOperationTest, DefaultsFillOmittedArgumentsThroughNestedInstances)
{
    CreateOperation op;
    EXPECT_TRUE(op.setDefaultArguments(DevicePtr()));
    EXPECT_EQ(arguments(op),
              (std::vector<std::string>{"8 ATTR_NAME_RAID=5", "8 ATTR_NAME_STRIPE_SIZE=64",
                                        "8 ATTR_NAME_PARITY_GROUPS=2", "8 ATTR_NAME_NESTED=deep"}));
}

TEST(DeviceOperationTest, DefaultsFollowTheUsersChoiceAndNeverChangeIt)
{
    CreateOperation op;
    op.SetArgument({DeviceOperation::ACTION_SET, Attribute(RAID, "1")});
    op.SetArgument({DeviceOperation::ACTION_SET, Attribute(SPARE, "none")});
    op.setDefaultArguments(DevicePtr());
    EXPECT_EQ(arguments(op),
              (std::vector<std::string>{"8 ATTR_NAME_RAID=1", "8 ATTR_NAME_SPARE=none", "8 ATTR_NAME_STRIPE_SIZE=128",
                                        "8 ATTR_NAME_NESTED=deep"}));
    CreateOperation unknown;
    unknown.SetArgument({DeviceOperation::ACTION_SET, Attribute(RAID, "7")});
    unknown.SetArgument({DeviceOperation::ACTION_SET, Attribute("ATTR_NAME_NESTED", "shallow")});
    unknown.setDefaultArguments(DevicePtr());
    EXPECT_EQ(arguments(unknown), (std::vector<std::string>{"8 ATTR_NAME_RAID=7", "8 ATTR_NAME_NESTED=shallow"}));
}

TEST(CapabilityTest, ASecondInstanceOfAValueReplacesTheFirst)
{
    CapabilityPtr stripe = argumentClass(STRIPE, ATTR_VALUE_ACTION_ABSOLUTE);
    stripe->Subscribe(instance("16"));
    stripe->Subscribe(instance("64"));
    stripe->Subscribe(CapabilityPtr(new CapabilityInstance(16u, true)));
    std::vector<std::string> values;
    for (auto it = stripe->beginChild(); it != stripe->endChild(); ++it)
        values.push_back((*it)->getValueFor(ATTR_NAME_CAPABILITY_INSTANCE).c_str());
    EXPECT_EQ(values, (std::vector<std::string>{"64", "16"}));
    EXPECT_EQ(stripe->beginChild()->get()->type(), ATTR_NAME_CAPABILITY_INSTANCE);
}

TEST(CapabilityTest, CloneIsDeepAndTheFinderMatchesEveryCriterion)
{
    CapabilityPtr root = CreateOperation().getCapabilityPtr(DevicePtr());
    CapabilityPtr copy = root->clone();
    root->Unsubscribe(*root->beginChild());
    EXPECT_EQ(std::distance(copy->beginChild(), copy->endChild()), 2);
    CapabilityFinder finder(copy);
    finder.Add(Attribute(ATTR_NAME_ACTION, ATTR_VALUE_ACTION_RELATIVE));
    finder.Add(Attribute(ATTR_NAME_ATTRIBUTE_NAME, SPARE));
    CapabilityPtr spare = finder.find();
    ASSERT_TRUE(spare);
    EXPECT_EQ(spare->type(), ATTR_NAME_CAPABILITY_CLASS);
    finder.Add(Attribute(ATTR_NAME_ATTRIBUTE_NAME, RAID));
    EXPECT_FALSE(finder.find());
    CapabilityFinder everyClass(copy);
    CapabilityList all;
    everyClass.find(all);
    EXPECT_EQ(all.size(), 2u);
}

} // namespace
