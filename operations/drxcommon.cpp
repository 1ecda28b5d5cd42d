#include "operations/drxcommon.h"

#include "controller/modeltable.h"
#include "core/deviceoperation.h"
#include "operations/moduleregistration.h"
#include "schema/activationtable.h"
#include "schema/commandmod.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace DRXCommon {
namespace {

using Core::DeviceOperation;
using Interface::StorageMod::OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY;
namespace RootFacts = Interface::StorageMod::ModRoot;

void setArgument(DeviceOperation& op, const char* name, const Common::string& value)
{
    op.SetArgument(DeviceOperation::Argument(DeviceOperation::ACTION_SET, Core::Attribute(name, value)));
}

} // namespace

void RegisterOperations()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    Interface::CommandMod::InitializeModule(false);
    Interface::MORUMod::InitializeModule(false, false);
    Interface::StorageMod::InitializeModule();
    Interface::ConfigMod::InitializeModule();
    Interface::DiagnosticMod::InitializeModule();
    ActivateOperations();
}

void ActivateOperations()
{
    for (const Schema::OperationActivation& entry : Schema::operationActivations())
        Core::Device::RegisterOperation(entry.typeName, entry.operationName);
}

void MaskControllers(const Core::DevicePtr& root)
{
    if (!root)
        return;
    // A device takes its write operations at a rescan, and the first full rescan comes after
    // the mask: without this refresh a new root would never have the operation and discovery
    // would never be allowed a single controller.
    if (!root->hasOperation(OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY))
        root->Refresh();
    const Core::DeviceOperationPtr op = root->getOperation(OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY);
    if (!op)
        return;
    setArgument(*op, RootFacts::ATTR_NAME_MASK_TYPE, RootFacts::ATTR_VALUE_MASK_TYPE_ENABLED);
    for (const ModelTable::Model& model : ModelTable::models())
        if (model.traits & ModelTable::TRAIT_DISCOVERABLE)
            setArgument(*op, Interface::StorageMod::ArrayController::ATTR_NAME_CONTROLLER_NAME,
                        Common::string(model.key.data(), model.key.size()));
    root->perform(op);
}

} // namespace DRXCommon
