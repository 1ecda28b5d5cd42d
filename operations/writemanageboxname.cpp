#include "operations/writemanageboxname.h"

#include <algorithm>
#include <cstring>

#include "operations/settingcommands.h"
#include "schema/storagemod.h"

namespace Operations {

Core::OperationReturn WriteManageBoxName::visit(Schema::StorageSystem& system)
{
    using namespace Interface::MORUMod;
    const char* const name = Interface::StorageMod::ATTR_NAME_BOX_NAME;
    if (!hasArgument(name))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, name);
    const Common::string box = getArgValue(name);
    return changeControllerParameters(system, [&box](CONTROLLER_PARAMETERS& parameters) {
        std::memset(parameters.sHardwareName, 0, sizeof parameters.sHardwareName);
        std::memcpy(parameters.sHardwareName, box.c_str(), std::min<std::size_t>(box.size(), MAXIMUM_LENGTH));
    });
}

Core::CapabilityPtr WriteManageBoxName::getCapabilityPtr(const Core::DevicePtr& /*device*/)
{
    using namespace Interface::MORUMod;
    Core::CapabilityPtr root(new Core::Capability());
    Core::CapabilityPtr name(new Core::CapabilityClass(Interface::StorageMod::ATTR_NAME_BOX_NAME,
                                                       ATTR_VALUE_INSTANCE_TYPE_STRING, ATTR_VALUE_CARDINALITY_SINGLE,
                                                       ATTR_VALUE_ACTION_ABSOLUTE, ATTR_VALUE_INSTANCE_RANGE_OPEN));
    name->Receive(Core::Attribute(ATTR_NAME_MAXIMUM_VALUE, MAXIMUM_LENGTH));
    root->Subscribe(name);
    return root;
}

} // namespace Operations
