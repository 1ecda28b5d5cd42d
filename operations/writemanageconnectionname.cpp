#include "operations/writemanageconnectionname.h"

#include "operations/accesslist.h"
#include "operations/servernames.h"
#include "operations/settingcommands.h"

namespace Operations {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::Initiator;

Core::OperationReturn WriteManageConnectionName::visit(Schema::Initiator& initiator)
{
    if (!hasArgument(Facts::ATTR_NAME_CONNECTION_NAME))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, Facts::ATTR_NAME_CONNECTION_NAME);
    std::uint8_t id[8] = {};
    if (!initiatorIdOf(initiator, id))
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    return nameInitiator(initiator, id, getArgValue(Facts::ATTR_NAME_CONNECTION_NAME));
}

Core::CapabilityPtr WriteManageConnectionName::getCapabilityPtr(const Core::DevicePtr& /*device*/)
{
    Core::CapabilityPtr root(new Core::Capability());
    Core::CapabilityPtr name(new Core::CapabilityClass(Facts::ATTR_NAME_CONNECTION_NAME,
                                                       ATTR_VALUE_INSTANCE_TYPE_STRING, ATTR_VALUE_CARDINALITY_SINGLE,
                                                       ATTR_VALUE_ACTION_ABSOLUTE, ATTR_VALUE_INSTANCE_RANGE_OPEN));
    name->Receive(Core::Attribute(ATTR_NAME_MAXIMUM_VALUE, MAX_NAME_LENGTH));
    root->Subscribe(name);
    return root;
}

} // namespace Operations
