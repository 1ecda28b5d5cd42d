#include "schema/schemamodroot.h"

#include "schema/devicescope.h"
#include "schema/identifiertags.h"

namespace Schema {
namespace {

unsigned long long s_rootsConstructed = 0;

void forgetAssociationsBelow(const Core::Device& device)
{
    for (auto child = device.beginChild(); child != device.endChild(); ++child) {
        (*child)->DeleteAssociations();
        forgetAssociationsBelow(**child);
    }
}

} // namespace

ModRoot::ModRoot() : m_identifier(Common::string(MOD_ROOT_PREFIX) + decimalText(s_rootsConstructed++))
{
    publishFact(Interface::MORUMod::ATTR_NAME_UNIQUE_ID, m_identifier);
}

ModRoot::ModRoot(const ModRoot& other) : SchemaDevice(other), m_identifier(other.m_identifier) {}

ModRoot::~ModRoot()
{
    DeleteAssociations();
    forgetAssociationsBelow(*this);
}

Common::shared_ptr<ModRoot> ModRoot::create()
{
    Common::shared_ptr<ModRoot> root(new ModRoot());
    root->m_pOwnerCount = root.sharedCount();
    return root;
}

Core::DevicePtr ModRoot::getDevicePtr() const
{
    Core::DevicePtr self;
    self.share(const_cast<ModRoot*>(this), m_pOwnerCount);
    return self;
}

} // namespace Schema
