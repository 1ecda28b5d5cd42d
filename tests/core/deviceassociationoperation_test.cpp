#include "core/deviceassociationoperation.h"

#include <gtest/gtest.h>

#include "tests/core/testtree.h"

namespace CoreTest {
namespace {

class Linker : public DeviceAssociationOperation {
protected:
    Common::string nameImpl() const override { return "OPERATION_TEST_LINK"; }
};

class SameKey : public DeviceAssociationOperation::AssociationPredicate {
public:
    SameKey() : AssociationPredicate("ASSOCIATION_TEST_PAIR", DIRECTION_TWO_WAY) {}
    bool operator()(const DevicePtr& from, const DevicePtr& candidate) const override
    {
        return from->getValueFor(KEY) == candidate->getValueFor(KEY);
    }
};

TEST(DeviceAssociationOperationTest, TwoWayPredicatesLinkBothEndsWithinTheScope)
{
    DevicePtr root = Root::make();
    DevicePtr controller(new Controller("c"));
    root->receive(controller);
    DevicePtr logical(new LogicalDrive("7"));
    controller->receive(logical);
    controller->receive(DevicePtr(new PhysicalDrive("7")));
    controller->receive(DevicePtr(new PhysicalDrive("8")));
    DevicePtr elsewhere(new Controller("d"));
    root->receive(elsewhere);
    elsewhere->receive(DevicePtr(new PhysicalDrive("7")));

    Linker linker;
    const SameKey predicate;
    linker.buildAssociations(logical, {&predicate}, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    DevicePtr drive = childWithKey(controller, "7", ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    ASSERT_TRUE(logical->hasAssociation("ASSOCIATION_TEST_PAIR"));
    EXPECT_EQ(logical->getAssociation("ASSOCIATION_TEST_PAIR")->size(), 1u);
    EXPECT_EQ(*logical->getAssociation("ASSOCIATION_TEST_PAIR")->beginDevice(), drive);
    ASSERT_TRUE(drive->hasAssociation("ASSOCIATION_TEST_PAIR"));
    EXPECT_EQ(*drive->getAssociation("ASSOCIATION_TEST_PAIR")->beginDevice(), logical);

    linker.buildAssociations(logical, {&predicate}, "ATTR_VALUE_TYPE_NOT_ABOVE", ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    EXPECT_EQ(logical->getAssociation("ASSOCIATION_TEST_PAIR")->size(), 1u);
    // Linking again (as every rescan does) lists each device once, at both ends.
    linker.buildAssociations(logical, {&predicate}, "", ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    linker.buildAssociations(logical, {&predicate}, "", ATTR_VALUE_TYPE_PHYSICAL_DRIVE);
    EXPECT_EQ(logical->getAssociation("ASSOCIATION_TEST_PAIR")->size(), 2u);
    EXPECT_EQ(drive->getAssociation("ASSOCIATION_TEST_PAIR")->size(), 1u);
    EXPECT_EQ(std::distance(logical->beginAssociation(), logical->endAssociation()), 1);
    // Both ends are inside the tree; drop the links so the tree can be freed.
    logical->DeleteAssociations();
    drive->DeleteAssociations();
    childWithKey(elsewhere, "7")->DeleteAssociations();
}

} // namespace
} // namespace CoreTest
