#include "schema/drxmodroot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "controller/modeltable.h"
#include "core/deviceoperation.h"
#include "core/operationregistration.h"
#include "schema/diagnosticmod.h"
#include "schema/drxcommon.h"
#include "schema/morumod.h"
#include "schema/schemamodroot.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace {

using namespace Interface::MORUMod;
using Interface::StorageMod::OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY;

// Start-up happens once per process, so its whole story is one test.
std::vector<Core::Device*> childrenOf(const Core::DevicePtr& device)
{
    std::vector<Core::Device*> children;
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        children.push_back(child->get());
    return children;
}

TEST(ModuleRoot, StartsOnceAndRescansOnlyAnExistingTree)
{
    // The hardware, if any library answers, is a fresh simulated one of this test's own.
    char stateParent[] = "/tmp/vnlmodroot.XXXXXX";
    ASSERT_NE(mkdtemp(stateParent), nullptr);
    setenv("VNLSIM_STATE", (std::string(stateParent) + "/state").c_str(), 1);

    CDRXModRoot::Rescan(); // no tree yet: nothing happens

    const Core::DevicePtr root = CDRXModRoot::pModRoot();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->getValueFor(ATTR_NAME_TYPE), ATTR_VALUE_TYPE_MOD_ROOT);
    EXPECT_EQ(root->getValueFor(ATTR_NAME_UNIQUE_ID), root->toString());
    EXPECT_FALSE(debugXMLFileEnabled());
    EXPECT_FALSE(profilingEnabled());
    const std::vector<Core::Device*> found = childrenOf(root);

    EXPECT_EQ(CDRXModRoot::pModRoot().get(), root.get());
    CDRXModRoot::Rescan();
    EXPECT_EQ(CDRXModRoot::pModRoot().get(), root.get());
    EXPECT_EQ(childrenOf(root), found); // found again: the same device objects
}

// A tree read during a command, every read answered, is fresh for that command only.
TEST(ModuleRoot, TheTreeIsFreshForTheCommandThatReadIt)
{
    const Core::DevicePtr root = CDRXModRoot::pModRoot();
    CDRXModRoot::BeginCommand();
    EXPECT_FALSE(CDRXModRoot::isFresh());
    EXPECT_EQ(CDRXModRoot::pModRoot().get(), root.get()); // handing out the tree reads nothing
    EXPECT_FALSE(CDRXModRoot::isFresh());
    CDRXModRoot::Rescan();
    EXPECT_TRUE(CDRXModRoot::isFresh());
    CDRXModRoot::BeginCommand();
    EXPECT_FALSE(CDRXModRoot::isFresh());
}

TEST(ModuleRoot, LayerVersionIs4_5_15)
{
    EXPECT_EQ(VersionMajor(), 4u);
    EXPECT_EQ(VersionMinor(), 5u);
    EXPECT_EQ(VersionBuild(), 15u);
}

// Stands in for the controller mask operation: remembers the arguments it was performed with.
class RecordMask : public Schema::VisitorModRoot, public Core::DeviceOperation {
public:
    static std::vector<std::pair<std::string, std::string>>& performedWith()
    {
        static std::vector<std::pair<std::string, std::string>> arguments;
        return arguments;
    }

    Core::OperationReturn visit(Schema::ModRoot&) override
    {
        for (auto it = beginArgument(); it != endArgument(); ++it)
            performedWith().emplace_back(it->second.first.c_str(), it->second.second.toString().c_str());
        return Core::OperationReturn();
    }
    using Core::DeviceOperation::visit;

protected:
    Common::string nameImpl() const override { return OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY; }
    EnType eTypeImpl() const override { return TYPE_WRITE; }
};

// A new root has no write operations until its first rescan, which comes after the mask; the
// mask must reach the operation all the same, or no controller would ever be discovered.
TEST(ModuleRoot, MasksDiscoveryToTheSupportedModelsOnANewRoot)
{
    Core::RegisterSchema(ATTR_VALUE_TYPE_MOD_ROOT, Schema::ModRoot::DeviceOperationListPtr());
    Core::RegisterOperation(ATTR_VALUE_TYPE_MOD_ROOT, new Core::DeviceOperationCreator<RecordMask>());
    ASSERT_TRUE(
        Core::Device::RegisterOperation(ATTR_VALUE_TYPE_MOD_ROOT, OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY));
    RecordMask::performedWith().clear();

    const Core::DevicePtr root = Schema::ModRoot::create();
    DRXCommon::MaskControllers(root);

    std::vector<std::pair<std::string, std::string>> expected{
        {Interface::StorageMod::ATTR_NAME_MASK_TYPE, Interface::StorageMod::ATTR_VALUE_MASK_TYPE_ENABLED}};
    for (const ModelTable::Model& model : ModelTable::models())
        if (model.traits & ModelTable::TRAIT_DISCOVERABLE)
            expected.emplace_back(Interface::StorageMod::ATTR_NAME_CONTROLLER_NAME, std::string(model.key));
    EXPECT_EQ(expected.size(), 25u);
    EXPECT_EQ(RecordMask::performedWith(), expected);
}

// Stands in for an operation class of a module: a read operation of physical drives named N.
template <const char* N> class NamedRead : public Schema::VisitorPhysicalDrive, public Core::DeviceOperation {
public:
    Core::OperationReturn visit(Schema::PhysicalDrive&) override { return Core::OperationReturn(); }
    using Core::DeviceOperation::visit;

protected:
    Common::string nameImpl() const override { return N; }
    EnType eTypeImpl() const override { return TYPE_READ; }
};

std::vector<std::string> registeredPhysicalDriveOperations()
{
    std::vector<std::string> names;
    const Core::DeviceOperationList& list = *Schema::PhysicalDrive::DeviceOperationListPtr();
    for (const Core::DeviceOperationPtr& op : list)
        names.emplace_back(op->name().c_str());
    return names;
}

// Modules declare operations in any order; activation attaches the declared ones in table order,
// once each, and leaves out what no module declared.
TEST(ModuleRoot, ActivatesDeclaredOperationsInTableOrderOnce)
{
    using Interface::DiagnosticMod::OPERATION_READ_DEVICE_DIAGNOSTIC_INFO;
    using Interface::StorageMod::OPERATION_READ_PHYSICAL_DRIVE_INFO;
    const char* const type = ATTR_VALUE_TYPE_PHYSICAL_DRIVE;
    Core::RegisterSchema(type, Schema::PhysicalDrive::DeviceOperationListPtr());
    Core::RegisterOperation(type, new Core::DeviceOperationCreator<NamedRead<OPERATION_READ_DEVICE_DIAGNOSTIC_INFO>>());
    Core::RegisterOperation(type, new Core::DeviceOperationCreator<NamedRead<OPERATION_READ_PHYSICAL_DRIVE_INFO>>());

    DRXCommon::ActivateOperations();
    DRXCommon::ActivateOperations();

    const std::vector<std::string> expected{OPERATION_READ_PHYSICAL_DRIVE_INFO, OPERATION_READ_DEVICE_DIAGNOSTIC_INFO};
    EXPECT_EQ(registeredPhysicalDriveOperations(), expected);
}

} // namespace
