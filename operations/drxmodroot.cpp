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

Core::DevicePtr CDRXModRoot::sm_pModroot;
bool CDRXModRoot::sm_fresh = false;
Operations::ReadScope CDRXModRoot::sm_scope = Operations::ReadScope::Whole;
Common::list<Common::string> CDRXModRoot::sm_failedDevices;

Core::DevicePtr CDRXModRoot::pModRoot()
{
    if (sm_pModroot && isComplete())
        return sm_pModroot;
    if (!sm_pModroot)
        buildRoot();
    rescanFrom(sm_pModroot);
    return sm_pModroot;
}

Core::DevicePtr CDRXModRoot::pControllers()
{
    if (sm_pModroot)
        return sm_pModroot;
    buildRoot();
    readScoped(Operations::ReadScope::Identity, Interface::StorageMod::ControllersOnlyPredicate(sm_pModroot));
    return sm_pModroot;
}

Core::DevicePtr CDRXModRoot::pConfiguration()
{
    if (sm_pModroot)
        return sm_scope == Operations::ReadScope::Identity ? pModRoot() : sm_pModroot;
    buildRoot();
    readScoped(Operations::ReadScope::Configuration, Interface::StorageMod::ConfigurationPredicate(sm_pModroot));
    return sm_pModroot;
}

void CDRXModRoot::buildRoot()
{
    DRXCommon::RegisterOperations();
    Operations::ReadPhysicalDriveInfo::readMonitoringCounters(false); // the console shows none
    sm_pModroot = ModRootFactory().pRoot();
    DRXCommon::MaskControllers(sm_pModroot);
}

void CDRXModRoot::Rescan()
{
    if (sm_pModroot)
        rescanFrom(sm_pModroot);
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
    readFrom(sm_pModroot, predicate);
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
