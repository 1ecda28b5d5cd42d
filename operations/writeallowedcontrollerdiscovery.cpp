#include "operations/writeallowedcontrollerdiscovery.h"

#include "common/compoundlist.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

namespace RootFacts = Interface::StorageMod::ModRoot;
using Interface::StorageMod::ArrayController::ATTR_NAME_CONTROLLER_NAME;

struct ControllerMask {
    Common::string type;
    Common::CompoundList models{false};
};

ControllerMask& mask()
{
    static ControllerMask current;
    return current;
}

} // namespace

Common::string WriteAllowedControllerDiscovery::nameImpl() const
{
    return Interface::StorageMod::OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY;
}

Core::OperationReturn WriteAllowedControllerDiscovery::visit(Schema::ModRoot&)
{
    ControllerMask& current = mask();
    current.type = getArgValue(RootFacts::ATTR_NAME_MASK_TYPE);
    current.models.Clear();
    for (ArgumentList::const_iterator arg = beginArgument(); arg != endArgument(); ++arg)
        if (arg->second.first == ATTR_NAME_CONTROLLER_NAME)
            current.models.Add(arg->second.second.toString());
    return Core::OperationReturn();
}

bool WriteAllowedControllerDiscovery::isControllerEnabled(const Common::string& model)
{
    const ControllerMask& current = mask();
    if (current.type == RootFacts::ATTR_VALUE_MASK_TYPE_ENABLED)
        return current.models.contains(model);
    if (current.type == RootFacts::ATTR_VALUE_MASK_TYPE_DISABLED)
        return !current.models.contains(model);
    return false;
}

} // namespace Operations
