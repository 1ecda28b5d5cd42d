#include "operations/drxmodroot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controller/modeltable.h"
#include "core/deviceoperation.h"
#include "core/operationregistration.h"
#include "operations/drxcommon.h"
#include "operations/writeallowedcontrollerdiscovery.h"
#include "schema/activationtable.h"
#include "schema/morumod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace {

using namespace Interface::MORUMod;

std::vector<Core::Device*> childrenOf(const Core::DevicePtr& device)
{
    std::vector<Core::Device*> children;
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        children.push_back(child->get());
    return children;
}

// Start-up happens once per process, so its whole story is one test, and no other test of this
// program asks for the module root.
TEST(ModuleRoot, StartsOnceRescansOnlyAnExistingTreeAndTheTreeIsFreshForTheCommandThatReadIt)
{
    // The hardware, if any library answers, is a fresh simulated one of this test's own.
    char stateParent[] = "/tmp/vnlmodroot.XXXXXX";
    ASSERT_NE(mkdtemp(stateParent), nullptr);
    struct Removed {
        const char* path;
        ~Removed() { std::filesystem::remove_all(path); }
    } removed{stateParent};
    setenv("VNLSIM_STATE", (std::string(stateParent) + "/state").c_str(), 1);

    CDRXModRoot::Rescan(); // no tree yet: nothing happens

    // Listing the controllers alone builds the tree without what lies below them; the first
    // request for the whole tree reads the rest into the same tree, keeping the controllers.
    const Core::DevicePtr listed = CDRXModRoot::pControllers();
    ASSERT_TRUE(listed);
    const std::vector<Core::Device*> controllers = childrenOf(listed);
    ASSERT_FALSE(controllers.empty());
    for (Core::Device* controller : controllers)
        EXPECT_TRUE(controller->beginChild() == controller->endChild());
    EXPECT_EQ(CDRXModRoot::pControllers().get(), listed.get());

    const Core::DevicePtr root = CDRXModRoot::pModRoot();
    ASSERT_EQ(root.get(), listed.get());
    const std::vector<Core::Device*> complete = childrenOf(root);
    for (Core::Device* controller : controllers) {
        EXPECT_NE(std::find(complete.begin(), complete.end(), controller), complete.end());
        EXPECT_FALSE(controller->beginChild() == controller->endChild()) << "its drives are read";
    }
    EXPECT_EQ(root->getValueFor(ATTR_NAME_TYPE), ATTR_VALUE_TYPE_MOD_ROOT);
    EXPECT_EQ(root->getValueFor(ATTR_NAME_UNIQUE_ID), root->toString());
    EXPECT_FALSE(debugXMLFileEnabled());
    EXPECT_FALSE(profilingEnabled());
    const std::vector<Core::Device*> found = childrenOf(root);

    EXPECT_EQ(CDRXModRoot::pModRoot().get(), root.get());
    CDRXModRoot::Rescan();
    EXPECT_EQ(CDRXModRoot::pModRoot().get(), root.get());
    EXPECT_EQ(childrenOf(root), found); // found again: the same device objects

    // A tree read during a command, every read answered, is fresh for that command only.
    CDRXModRoot::BeginCommand();
    EXPECT_FALSE(CDRXModRoot::isFresh());
    EXPECT_EQ(CDRXModRoot::pModRoot().get(), root.get()); // handing out the tree reads nothing
    EXPECT_FALSE(CDRXModRoot::isFresh());
    CDRXModRoot::Rescan();
    EXPECT_TRUE(CDRXModRoot::isFresh());
    CDRXModRoot::BeginCommand();
    EXPECT_FALSE(CDRXModRoot::isFresh());
}

bool enabled(std::string_view model)
{
    return Operations::WriteAllowedControllerDiscovery::isControllerEnabled(Common::string(model.data(), model.size()));
}

// A new root has no write operations until its first rescan, which comes after the mask; the
// mask must reach the operation all the same, or no controller would ever be discovered. The
// operations are registered once per process and for good, so the test uses the program's own,
// starting from a mask that allows nothing.
TEST(ModuleRoot, MasksDiscoveryToTheSupportedModelsOnANewRoot)
{
    DRXCommon::RegisterOperations();
    const Common::shared_ptr<Schema::ModRoot> scratch = Schema::ModRoot::create();
    Operations::WriteAllowedControllerDiscovery nothing;
    nothing.SetArgument(
        Core::DeviceOperation::Argument(Core::DeviceOperation::ACTION_SET,
                                        Core::Attribute(Interface::StorageMod::ATTR_NAME_MASK_TYPE,
                                                        Interface::StorageMod::ATTR_VALUE_MASK_TYPE_ENABLED)));
    nothing.visit(*scratch);
    ASSERT_FALSE(enabled(ModelTable::models().front().key));

    const Core::DevicePtr root = Schema::ModRoot::create();
    DRXCommon::MaskControllers(root);

    for (const ModelTable::Model& model : ModelTable::models())
        EXPECT_EQ(enabled(model.key), (model.traits & ModelTable::TRAIT_DISCOVERABLE) != 0) << model.key;
    EXPECT_FALSE(enabled("ATTR_VALUE_CONTROLLER_NAME_UNKNOWN_MODEL"));
}

// Stands in for an operation class of a module: a read operation of physical drives under the
// name of the program's own.
class FakeDriveRead : public Schema::VisitorPhysicalDrive, public Core::DeviceOperation {
public:
    Core::OperationReturn visit(Schema::PhysicalDrive&) override { return Core::OperationReturn(); }
    using Core::DeviceOperation::visit;

protected:
    Common::string nameImpl() const override { return Interface::StorageMod::OPERATION_READ_PHYSICAL_DRIVE_INFO; }
    EnType eTypeImpl() const override { return TYPE_READ; }
};

std::vector<std::string> namesOf(const Core::DeviceOperationList& operations)
{
    std::vector<std::string> names;
    for (const Core::DeviceOperationPtr& op : operations)
        names.emplace_back(op->name().c_str());
    return names;
}

std::vector<std::string> activationRow(const std::string& type)
{
    std::vector<std::string> row;
    for (const Schema::OperationActivation& entry : Schema::operationActivations())
        if (entry.typeName == type)
            row.emplace_back(entry.operationName);
    return row;
}

// Activation attaches the declared operations of a type in table order, once each, however often
// it runs. Operations are registered once per process and for good, so the test works on the
// program's own registration; declaring an operation again, with another class, changes nothing.
TEST(ModuleRoot, ActivatesDeclaredOperationsInTableOrderOnce)
{
    DRXCommon::RegisterOperations();
    Core::RegisterOperation(ATTR_VALUE_TYPE_PHYSICAL_DRIVE, new Core::DeviceOperationCreator<FakeDriveRead>());
    DRXCommon::ActivateOperations();

    const std::pair<const char*, const Core::DeviceOperationList*> lists[] = {
        {ATTR_VALUE_TYPE_MOD_ROOT, Schema::ModRoot::DeviceOperationListPtr()},
        {ATTR_VALUE_TYPE_ARRAY_CONTROLLER, Schema::ArrayController::DeviceOperationListPtr()},
        {ATTR_VALUE_TYPE_PHYSICAL_DRIVE, Schema::PhysicalDrive::DeviceOperationListPtr()}};
    for (const auto& [type, operations] : lists) {
        const std::vector<std::string> names = namesOf(*operations);
        EXPECT_FALSE(names.empty()) << type;
        DRXCommon::ActivateOperations();
        EXPECT_EQ(namesOf(*operations), names) << type << ": activating again changes nothing";
        const std::vector<std::string> row = activationRow(type);
        auto next = row.begin();
        for (const std::string& name : names) {
            next = std::find(next, row.end(), name);
            ASSERT_NE(next, row.end()) << type << ": " << name << " is not in the table, or out of its order, or twice";
            ++next;
        }
    }
    for (const Core::DeviceOperationPtr& op : *Schema::PhysicalDrive::DeviceOperationListPtr())
        EXPECT_EQ(dynamic_cast<const FakeDriveRead*>(op.get()), nullptr) << op->name().c_str();
}

} // namespace
