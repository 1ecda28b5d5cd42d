#include "schema/drxmodroot.h"

#include "core/devicefactory.h"
#include "schema/defaultreenumeratepredicate.h"
#include "schema/drxcommon.h"
#include "schema/schemamodroot.h"

namespace {

class ModRootFactory : public Core::DeviceFactory {
protected:
    Core::DevicePtr createRoot() const override { return Schema::ModRoot::create(); }
};

void rescanFrom(const Core::DevicePtr& root)
{
    root->Reenumerate(Interface::StorageMod::DefaultReenumeratePredicate(root));
}

} // namespace

Core::DevicePtr CDRXModRoot::sm_pModroot;

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
