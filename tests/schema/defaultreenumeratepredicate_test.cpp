#include "schema/defaultreenumeratepredicate.h"

#include <gtest/gtest.h>

#include "tests/schema/testchannels.h"

#include "core/deviceoperation.h"
#include "core/operationregistration.h"

#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/schemastoragesystem.h"
#include "schema/storagemod.h"

namespace {

using Interface::StorageMod::DefaultReenumeratePredicate;
using namespace Interface::StorageMod;

class RescanPolicy : public ::testing::Test {
protected:
    Core::DevicePtr root = Schema::ModRoot::create();
    Core::DevicePtr controller{new Schema::ArrayController("slot_1", testChannel())};
    Core::DevicePtr system{new Schema::StorageSystem("SN", "", "", testChannel())};
    Core::DevicePtr array{new Schema::Array(0, {}, {}, {}, {}, {})};
};

TEST_F(RescanPolicy, FromTheRootEverythingIsRediscovered)
{
    const DefaultReenumeratePredicate policy(root);
    EXPECT_TRUE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_HOST_BUS_ADAPTERS));
    EXPECT_TRUE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_STORAGE_SYSTEMS));
    EXPECT_TRUE(policy.canPerformDiscoverFor(controller, OPERATION_DISCOVER_ARRAYS));
}

TEST_F(RescanPolicy, AimedAtAControllerTheRootsChildrenAreKept)
{
    const DefaultReenumeratePredicate policy(controller);
    EXPECT_FALSE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_ARRAY_CONTROLLERS));
    EXPECT_FALSE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_HOST_BUS_ADAPTERS));
    EXPECT_TRUE(policy.canPerformDiscoverFor(controller, OPERATION_DISCOVER_PHYSICAL_DRIVES));
    EXPECT_TRUE(policy.canPerformDiscoverFor(array, OPERATION_DISCOVER_LOGICAL_DRIVES));
}

TEST_F(RescanPolicy, AimedAtAStorageSystemOnlyControllersAreRediscoveredAtTheRoot)
{
    const DefaultReenumeratePredicate policy(system);
    EXPECT_TRUE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_ARRAY_CONTROLLERS));
    EXPECT_FALSE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_STORAGE_SYSTEMS));
    EXPECT_FALSE(policy.canPerformDiscoverFor(root, OPERATION_DISCOVER_HOST_BUS_ADAPTERS));
    EXPECT_TRUE(policy.canPerformDiscoverFor(system, OPERATION_DISCOVER_ARRAYS));
}

TEST_F(RescanPolicy, WithoutDeviceOrTargetNothingIsDiscoveredAndOtherQuestionsAreYes)
{
    EXPECT_FALSE(DefaultReenumeratePredicate(Core::DevicePtr()).canPerformDiscoverFor(controller, "any"));
    EXPECT_FALSE(DefaultReenumeratePredicate(root).canPerformDiscoverFor(Core::DevicePtr(), "any"));
    const DefaultReenumeratePredicate policy(controller);
    EXPECT_TRUE(policy.canPerformReadFor(root, "any"));
    EXPECT_TRUE(policy.canPerformAssociateFor(root, "any"));
    EXPECT_TRUE(policy.canReenumerateChildrenFor(root));
    EXPECT_TRUE(policy.canRegisterWriteOperationsFor(root, "any"));
    EXPECT_TRUE(policy.canRemoveStaleChildrenFor(controller));
    EXPECT_TRUE(DefaultReenumeratePredicate(root).canRemoveStaleChildrenFor(root));
}

// Removing what a rescan did not look for would empty the tree: a rescan aimed at a controller
// or storage system must leave the root's children in place.
TEST_F(RescanPolicy, KeepsTheRootsChildrenWhenDiscoveryThereIsWithheld)
{
    EXPECT_FALSE(DefaultReenumeratePredicate(controller).canRemoveStaleChildrenFor(root));
    EXPECT_FALSE(DefaultReenumeratePredicate(system).canRemoveStaleChildrenFor(root));
    EXPECT_FALSE(DefaultReenumeratePredicate(Core::DevicePtr()).canRemoveStaleChildrenFor(root));
    EXPECT_TRUE(DefaultReenumeratePredicate(system).canRemoveStaleChildrenFor(system));
}

// The policy in a real rescan: a root-like device whose one discovery publishes a controller.
// The discovery has a name of its own: operation names are registered once per process, and one
// the program registers under a real name would stand in for the program's own operation (or be
// ignored, when the program's came first).
namespace rescan {

using namespace Interface::MORUMod;

constexpr char OPERATION_DISCOVER_TEST_CONTROLLER[] = "OPERATION_DISCOVER_TEST_CONTROLLER";

class FakeRoot : public Schema::SchemaDevice<FakeRoot, Core::DeviceComposite, ATTR_VALUE_TYPE_MOD_ROOT, 1> {
public:
    const Common::string& identityKey() const { return m_id; }
    // A root answers its own pointer; this one shares the count of its owner.
    Core::DevicePtr getDevicePtr() const override
    {
        Core::DevicePtr self;
        self.share(const_cast<FakeRoot*>(this), m_pOwnerCount);
        return self;
    }
    long* m_pOwnerCount = nullptr;

protected:
    Common::string toStringImpl() const override { return m_id; }

private:
    Common::string m_id = "FAKE";
};

class DiscoverOneController : public Schema::Visitor<FakeRoot>, public Core::DeviceOperation {
public:
    Core::OperationReturn visit(FakeRoot& root) override
    {
        root.receive(Core::DevicePtr(new Schema::ArrayController("slot_1", testChannel())));
        return Core::OperationReturn();
    }
    using Core::DeviceOperation::visit;

protected:
    Common::string nameImpl() const override { return OPERATION_DISCOVER_TEST_CONTROLLER; }
    EnType eTypeImpl() const override { return TYPE_DISCOVER; }
};

TEST(RescanPolicyInARescan, AimedAtAControllerKeepsThatController)
{
    const char* const type = "TEST_TYPE_FAKE_ROOT";
    Core::RegisterSchema(type, FakeRoot::DeviceOperationListPtr());
    Core::RegisterOperation(type, new Core::DeviceOperationCreator<DiscoverOneController>());
    ASSERT_TRUE(Core::Device::RegisterOperation(type, OPERATION_DISCOVER_TEST_CONTROLLER));

    Common::shared_ptr<FakeRoot> fake(new FakeRoot());
    fake->m_pOwnerCount = fake.sharedCount();
    const Core::DevicePtr root = fake;
    root->Reenumerate(DefaultReenumeratePredicate(root));
    ASSERT_NE(root->beginChild(), root->endChild());
    const Core::DevicePtr controller = *root->beginChild();

    root->Reenumerate(DefaultReenumeratePredicate(controller));
    ASSERT_NE(root->beginChild(), root->endChild());
    EXPECT_EQ(root->beginChild()->get(), controller.get());
    EXPECT_TRUE(controller->isValid());
}

} // namespace rescan

} // namespace
