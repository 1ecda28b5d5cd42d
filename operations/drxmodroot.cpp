#include "operations/drxmodroot.h"

#include <algorithm>

#include "core/devicefactory.h"
#include "operations/drxcommon.h"
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

Core::DevicePtr CDRXModRoot::pModRoot()
{
    if (sm_pModroot)
        return sm_pModroot;
    DRXCommon::RegisterOperations();
    sm_pModroot = ModRootFactory().pRoot();
    DRXCommon::MaskControllers(sm_pModroot);
    rescanFrom(sm_pModroot);
    return sm_pModroot;
}

void CDRXModRoot::Rescan()
{
    if (sm_pModroot)
        rescanFrom(sm_pModroot);
}

void CDRXModRoot::BeginCommand() { sm_fresh = false; }

bool CDRXModRoot::isFresh() { return sm_fresh; }

void CDRXModRoot::rescanFrom(const Core::DevicePtr& root)
{
    const Core::OperationReturnList results =
        root->Reenumerate(Interface::StorageMod::DefaultReenumeratePredicate(root));
    sm_fresh = std::none_of(results.begin(), results.end(), failed);
}
