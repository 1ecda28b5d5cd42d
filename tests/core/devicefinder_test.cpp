#include "core/devicefinder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/testtree.h"

namespace CoreTest {
namespace {

std::vector<std::string> keys(const DeviceList& devices)
{
    std::vector<std::string> listed;
    for (const DevicePtr& device : devices)
        listed.push_back(device->getValueFor(KEY).c_str());
    return listed;
}

class FinderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = Root::make();
        for (const char* slot : {"a", "b"}) {
            DevicePtr controller(new Controller(slot));
            root->receive(controller);
            for (const char* drive : {"1", "2"})
                controller->receive(DevicePtr(new PhysicalDrive((std::string(slot) + drive).c_str())));
        }
        drive = childWithKey(childWithKey(root, "b"), "b2");
    }

    DevicePtr root;
    DevicePtr drive;
};

TEST_F(FinderTest, WithoutCriteriaTheStartDeviceIsFound)
{
    EXPECT_EQ(DeviceFinder(drive).find(DeviceFinder::DIRECTION_UP), drive);
    EXPECT_EQ(DeviceFinder(root).find(DeviceFinder::DIRECTION_DOWN), root);
    EXPECT_FALSE(DeviceFinder(DevicePtr()).find(DeviceFinder::DIRECTION_DOWN));
}

TEST_F(FinderTest, SearchingDownListsDevicesInTreeOrderOnce)
{
    DeviceFinder finder(root);
    finder.Add(Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    DeviceList found;
    finder.find(found, DeviceFinder::DIRECTION_DOWN);
    EXPECT_EQ(keys(found), (std::vector<std::string>{"a1", "a2", "b1", "b2"}));
    DeviceList everything;
    DeviceFinder(root).find(everything, DeviceFinder::DIRECTION_DOWN);
    EXPECT_EQ(keys(everything), (std::vector<std::string>{"root", "a", "a1", "a2", "b", "b1", "b2"}));
}

TEST_F(FinderTest, ASecondCriterionOfTheSameNameReplacesTheFirst)
{
    DeviceFinder finder(root);
    finder.Add(Attribute(KEY, "a1"));
    finder.AddAttribute(Attribute(KEY, "b1"));
    EXPECT_EQ(finder.find(DeviceFinder::DIRECTION_DOWN)->getValueFor(KEY), "b1");
}

TEST_F(FinderTest, SearchingUpWalksTheParentsToTheRoot)
{
    DeviceFinder finder(drive);
    finder.Add(Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_ARRAY_CONTROLLER));
    EXPECT_EQ(finder.find(DeviceFinder::DIRECTION_UP), childWithKey(root, "b"));
    DeviceList path;
    DeviceFinder(drive).find(path, DeviceFinder::DIRECTION_UP);
    EXPECT_EQ(keys(path), (std::vector<std::string>{"b2", "b", "root"}));
    EXPECT_EQ(storageSystemFinder(drive), childWithKey(root, "b"));
    EXPECT_FALSE(storageSystemFinder(root));
}

TEST_F(FinderTest, OperationsFiltersAndAssociationsMustAllHold)
{
    class OnlyKey : public Filter {
    public:
        explicit OnlyKey(const char* key) : m_key(key) {}

    protected:
        FilterReturn applyImpl(const DevicePtr& device) const override
        {
            return device->getValueFor(KEY) == m_key ? FilterReturn() : FilterReturn("ATTR_VALUE_NO");
        }

    private:
        const char* m_key;
    };
    DeviceFinder filtered(root);
    filtered.AddFilter(FilterPtr(new OnlyKey("a2")));
    EXPECT_EQ(filtered.find(DeviceFinder::DIRECTION_DOWN)->getValueFor(KEY), "a2");
    DeviceAssociationPtr link(new DeviceAssociation("ASSOCIATION_TEST"));
    link->receive(childWithKey(root, "a"));
    drive->receive(link);
    DeviceFinder linked(root);
    linked.AddAssociation("ASSOCIATION_TEST");
    EXPECT_EQ(linked.find(DeviceFinder::DIRECTION_DOWN), drive);
    linked.AddOperation("OPERATION_NOT_THERE");
    EXPECT_FALSE(linked.find(DeviceFinder::DIRECTION_DOWN));
}

} // namespace
} // namespace CoreTest
