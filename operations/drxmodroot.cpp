#include "operations/drxmodroot.h"

#include "core/devicefactory.h"
#include "core/devicefinder.h"
#include "operations/drxcommon.h"
#include "operations/readphysicaldriveinfo.h"
#include "schema/configurationpredicate.h"
#include "schema/controllersonlypredicate.h"
#include "schema/defaultreenumeratepredicate.h"
#include "schema/schemamodroot.h"
#include "schema/storagemod.h"

namespace {

class ModRootFactory : public Core::DeviceFactory {
protected:
    Core::DevicePtr createRoot() const override { return Schema::ModRoot::create(); }
};

bool failed(const Core::OperationReturn& result)
{
    const Common::string status = result.status();
    return status == Interface::StorageMod::ATTR_VALUE_STATUS_COMMUNICATION_ERROR ||
        status == Interface::MORUMod::ATTR_VALUE_STATUS_FAILURE;
}

} // namespace

// The tree lives until the process ends: taking its thousands of objects apart at exit would
// only add to the time of every command.
Core::DevicePtr& CDRXModRoot::tree()
{
    static auto* held = new Core::DevicePtr;
    return *held;
}

bool CDRXModRoot::sm_fresh = false;
Operations::ReadScope CDRXModRoot::sm_scope = Operations::ReadScope::Whole;
Common::list<Common::string> CDRXModRoot::sm_failedDevices;

Core::DevicePtr CDRXModRoot::pModRoot()
{
    if (tree() && isComplete())
        return tree();
    if (!tree())
        buildRoot();
    rescanFrom(tree());
    return tree();
}

Core::DevicePtr CDRXModRoot::pControllers()
{
    if (tree())
        return tree();
    buildRoot();
    readScoped(Operations::ReadScope::Identity, Interface::StorageMod::ControllersOnlyPredicate(tree()));
    return tree();
}

Core::DevicePtr CDRXModRoot::pConfiguration()
{
    if (tree())
        return sm_scope == Operations::ReadScope::Identity ? pModRoot() : tree();
    buildRoot();
    readScoped(Operations::ReadScope::Configuration, Interface::StorageMod::ConfigurationPredicate(tree()));
    return tree();
}

void CDRXModRoot::buildRoot()
{
    DRXCommon::RegisterOperations();
    Operations::ReadPhysicalDriveInfo::readMonitoringCounters(false); // the console shows none
    tree() = ModRootFactory().pRoot();
    DRXCommon::MaskControllers(tree());
}

void CDRXModRoot::Rescan()
{
    if (tree())
        rescanFrom(tree());
}

void CDRXModRoot::BeginCommand() { sm_fresh = false; }

bool CDRXModRoot::isFresh() { return sm_fresh; }

bool CDRXModRoot::isComplete() { return sm_scope == Operations::ReadScope::Whole; }

bool CDRXModRoot::readFailedAt(const Core::DevicePtr& device)
{
    for (const Common::string& failed : sm_failedDevices) {
        Core::DeviceFinder finder(device);
        finder.Add(Core::Attribute(Interface::MORUMod::ATTR_NAME_UNIQUE_ID, failed));
        if (finder.find(Core::DeviceFinder::DIRECTION_DOWN))
            return true;
    }
    return false;
}

void CDRXModRoot::rescanFrom(const Core::DevicePtr& root)
{
    readFrom(root, Interface::StorageMod::DefaultReenumeratePredicate(root));
    sm_scope = Operations::ReadScope::Whole;
}

void CDRXModRoot::readScoped(Operations::ReadScope scope, const Core::Device::ReenumeratePredicate& predicate)
{
    Operations::readScope(scope);
    readFrom(tree(), predicate);
    Operations::readScope(Operations::ReadScope::Whole);
    sm_scope = scope;
}

void CDRXModRoot::readFrom(const Core::DevicePtr& root, const Core::Device::ReenumeratePredicate& predicate)
{
    const Core::OperationReturnList results = root->Reenumerate(predicate);
    sm_failedDevices.clear();
    for (const Core::OperationReturn& result : results)
        if (failed(result))
            sm_failedDevices.push_back(result.getValueFor(Interface::MORUMod::ATTR_NAME_UNIQUE_ID));
    sm_fresh = sm_failedDevices.empty();
}
