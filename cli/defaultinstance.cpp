#include "cli/defaultinstance.h"

#include "core/capabilityfinder.h"
#include "schema/morumod.h"

using namespace Interface::MORUMod;

Core::CapabilityPtr findDefaultInstanceFor(const std::string& attribute, const Core::CapabilityPtr& capability)
{
    if (!capability)
        return Core::CapabilityPtr();
    Core::CapabilityFinder classFinder(capability);
    classFinder.Add(Core::Attribute(ATTR_NAME_ATTRIBUTE_NAME, Common::fromStdString(attribute)));
    const Core::CapabilityPtr argument = classFinder.find();
    if (!argument)
        return Core::CapabilityPtr();
    Core::CapabilityFinder instanceFinder(argument);
    instanceFinder.Add(Core::Attribute(ATTR_NAME_DEFAULT_VALUE, ATTR_VALUE_DEFAULT_VALUE_TRUE));
    return instanceFinder.find();
}
