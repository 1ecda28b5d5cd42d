#include "operations/writesetasymmetricalactiveactivesubmode.h"

#include <iterator>

#include "operations/readcontrollerfacts.h"
#include "operations/settingcommands.h"
#include "operations/settingfilters.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::StorageSystem;

// REDUNDANT_CONTROLLER_PARAMETERS.wAdditionalFlags: paths change on their own.
constexpr std::uint16_t kImplicitPathChanges = 0x0001;

} // namespace

Core::OperationReturn WriteSetAsymmetricalActiveActiveSubmode::visit(Schema::StorageSystem& system)
{
    const char* const name = Facts::ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE;
    if (!hasArgument(name))
        return argumentFailure(Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_MISSING, name);
    const bool implicit = getArgValue(name) == Facts::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_IMPLICIT;
    return changeRedundantParameters(system, [implicit](REDUNDANT_CONTROLLER_PARAMETERS& redundancy) {
        redundancy.wAdditionalFlags = withBits(redundancy.wAdditionalFlags, kImplicitPathChanges, implicit);
    });
}

Core::CapabilityPtr WriteSetAsymmetricalActiveActiveSubmode::getCapabilityPtr(const Core::DevicePtr& device)
{
    const char* const name = Facts::ATTR_NAME_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE;
    const char* const submodes[] = {Facts::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_IMPLICIT,
                                    Facts::ATTR_VALUE_ASYMMETRICAL_ACTIVE_ACTIVE_SUBMODE_EXPLICIT};
    Core::CapabilityPtr root(new Core::Capability());
    root->Subscribe(closedCapabilityClass(name, std::begin(submodes), std::end(submodes),
                                          device ? device->getValueFor(name) : Common::string(), submodes[0]));
    return root;
}

Core::FilterPtr WriteSetAsymmetricalActiveActiveSubmode::pFilterImpl() const
{
    return Core::FilterPtr(new ActiveActiveFilter());
}

} // namespace Operations
