#include <gtest/gtest.h>

#include <vector>

#include "core/devicefactory.h"
#include "core/devicelock.h"
#include "core/visitordevice.h"
#include "tests/core/testtree.h"

namespace CoreTest {
namespace {

DevicePtr controllerWith(const char* slot, std::initializer_list<const char*> drives)
{
    DevicePtr controller(new Controller(slot));
    for (const char* drive : drives)
        controller->receive(DevicePtr(new PhysicalDrive(drive)));
    return controller;
}

TEST(DeviceTest, ReceivingAnEqualChildMergesIntoTheOneAlreadyThere)
{
    DevicePtr root = Root::make();
    DevicePtr first = controllerWith("5", {"0"});
    first->PublishAttribute(*first, Attribute("ATTR_NAME_OLD", "old"));
    ASSERT_TRUE(root->receive(first));
    DevicePtr again(new Controller("5"));
    again->PublishAttribute(*again, Attribute("ATTR_NAME_NEW", "new"));
    again->ReceivePrivateAttribute(PrivateAttribute("raw", Common::Any(7u)));
    EXPECT_TRUE(root->receive(again));
    ASSERT_EQ(std::distance(root->beginChild(), root->endChild()), 1);
    EXPECT_EQ(*root->beginChild(), first);
    EXPECT_EQ(first->getValueFor("ATTR_NAME_OLD"), "old");
    EXPECT_EQ(first->getValueFor("ATTR_NAME_NEW"), "new");
    EXPECT_EQ(*first->getPrivateValueFor("raw").get<unsigned>(), 7u);
    EXPECT_EQ(std::distance(first->beginChild(), first->endChild()), 1);
    EXPECT_TRUE(root->hasChild(again));
    EXPECT_FALSE(again->hasParent());
}

TEST(DeviceTest, APlainDeviceRefusesChildrenAndLeavesThemUntouched)
{
    DevicePtr drive(new PhysicalDrive("1"));
    DevicePtr stray(new PhysicalDrive("2"));
    EXPECT_FALSE(drive->receive(stray));
    EXPECT_TRUE(drive->beginChild() == drive->endChild());
    EXPECT_FALSE(stray->hasParent());
    EXPECT_FALSE(stray->hasAttribute(ATTR_NAME_UNIQUE_ID));
    EXPECT_NE(stray->mutexPtr(), drive->mutexPtr());
}

TEST(DeviceTest, TheTreeSharesTheRootsMutexAndDetachedDevicesHaveNoPointer)
{
    DevicePtr root = Root::make();
    DevicePtr controller = controllerWith("1", {"0", "1"});
    EXPECT_FALSE(controller->getDevicePtr());
    root->receive(controller);
    EXPECT_EQ(controller->getDevicePtr(), controller);
    for (auto drive = controller->beginChild(); drive != controller->endChild(); ++drive) {
        EXPECT_EQ((*drive)->mutexPtr(), root->mutexPtr());
        EXPECT_EQ((*drive)->getDevicePtr(), *drive);
    }
    DevicePtr unshared(new PhysicalDrive("9"));
    unshared->shareLock(false);
    controller->receive(unshared);
    EXPECT_NE(unshared->mutexPtr(), root->mutexPtr());
}

TEST(DeviceTest, ClearRemovesTheChildAndItForgetsItsParent)
{
    DevicePtr controller = controllerWith("1", {"0", "1"});
    DevicePtr drive = *controller->beginChild();
    controller->clear(*controller->beginChild());
    EXPECT_EQ(std::distance(controller->beginChild(), controller->endChild()), 1);
    EXPECT_FALSE(drive->hasParent());
    EXPECT_FALSE(controller->hasChild(drive));
}

TEST(DeviceTest, AcceptVisitsChildrenBeforeTheirParent)
{
    class Recorder : public VisitorDevice {
    public:
        OperationReturn visit(Device& device) override
        {
            order.push_back(device.getValueFor(KEY).c_str());
            return OperationReturn();
        }
        std::vector<std::string> order;
    };
    DevicePtr root = Root::make();
    root->receive(controllerWith("a", {"0", "1"}));
    root->receive(controllerWith("b", {"2"}));
    Recorder recorder;
    root->Accept(recorder);
    EXPECT_EQ(recorder.order, (std::vector<std::string>{"0", "1", "a", "2", "b", "root"}));
}

TEST(DeviceTest, AssociationsOfOneNameMergeInOrderWithoutRepeats)
{
    DevicePtr controller = controllerWith("1", {"0", "1", "2"});
    auto linkTo = [&](const char* name, std::initializer_list<const char*> keys) {
        DeviceAssociationPtr association(new DeviceAssociation(name));
        for (const char* key : keys)
            association->receive(childWithKey(controller, key));
        controller->receive(association);
    };
    linkTo("ASSOCIATION_A", {"0"});
    linkTo("ASSOCIATION_B", {"1"});
    linkTo("ASSOCIATION_A", {"2", "0"});
    EXPECT_EQ(std::distance(controller->beginAssociation(), controller->endAssociation()), 2);
    DeviceAssociationPtr merged = controller->getAssociation("ASSOCIATION_A");
    std::vector<std::string> keys;
    for (auto it = merged->beginDevice(); it != merged->endDevice(); ++it)
        keys.push_back((*it)->getValueFor(KEY).c_str());
    EXPECT_EQ(keys, (std::vector<std::string>{"0", "2"}));
    EXPECT_FALSE(controller->getAssociation("ASSOCIATION_C"));
    controller->clear(merged);
    EXPECT_FALSE(controller->hasAssociation("ASSOCIATION_A"));
}

TEST(DeviceTest, CloneIsADetachedCopyWithTheSameFacts)
{
    DevicePtr controller = controllerWith("4", {"0"});
    DevicePtr copy = controller->clone();
    EXPECT_TRUE(*copy == *controller);
    EXPECT_EQ(copy->getValueFor(KEY), "4");
    EXPECT_TRUE(copy->beginChild() == copy->endChild());
    EXPECT_NE(copy->mutexPtr(), controller->mutexPtr());
}

TEST(DeviceTest, PerformDispatchesByClassAndStartsEachRunWithoutArguments)
{
    registerTestOperations();
    DevicePtr drive(new PhysicalDrive("3"));
    DevicePtr controller = controllerWith("1", {});
    DeviceOperationPtr read = createOperation(READ_DRIVE);
    read->SetArgument({DeviceOperation::ACTION_SET, Attribute("ATTR_NAME_X", "1")});
    OperationReturn result = controller->perform(read);
    EXPECT_EQ(result.status(), ATTR_VALUE_STATUS_PERFORM_NOT_REACHABLE);
    EXPECT_FALSE(read->hasArgument("ATTR_NAME_X"));
    result = drive->perform(read);
    EXPECT_TRUE(result);
    EXPECT_EQ(result.getValueFor(ATTR_NAME_OPERATION_NAME), READ_DRIVE);
    EXPECT_EQ(result.getValueFor(ATTR_NAME_UNIQUE_ID), drive->toString());
    EXPECT_EQ(drive->perform(DeviceOperationPtr()).status(), ATTR_VALUE_STATUS_NOT_SUPPORTED);
}

TEST(DeviceFactoryTest, TheRootIsMadeOnceForTheProcess)
{
    class Factory : public DeviceFactory {
    public:
        mutable int made = 0;

    protected:
        DevicePtr createRoot() const override
        {
            ++made;
            return Root::make();
        }
    };
    Factory factory;
    DevicePtr root = factory.pRoot();
    EXPECT_TRUE(root);
    EXPECT_EQ(factory.pRoot(), root);
    EXPECT_EQ(Factory().pRoot(), root);
    EXPECT_EQ(factory.made, 1);
}

} // namespace
} // namespace CoreTest
