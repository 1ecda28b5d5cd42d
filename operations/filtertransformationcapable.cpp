#include "operations/filtertransformationcapable.h"

#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace ArrayFacts = Interface::StorageMod::Array;

// The controller (or storage system) above an array or logical drive.
Core::DevicePtr controllerOf(const Core::DevicePtr& device)
{
    Core::DevicePtr array = device;
    if (array && array->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_LOGICAL_DRIVE)
        array = array->hasParent() ? array->pParent() : Core::DevicePtr();
    return array && array->hasParent() ? array->pParent() : Core::DevicePtr();
}

} // namespace

Core::FilterReturn FilterTransformationCapable::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr controller = controllerOf(device);
    if (!controller)
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_IS_TRANSFORMING);
    for (auto child = controller->beginChild(); child != controller->endChild(); ++child)
        if ((*child)->getValueFor(ArrayFacts::ATTR_NAME_IS_ARRAY_TRANSFORMING) ==
            ArrayFacts::ATTR_VALUE_IS_ARRAY_TRANSFORMING_TRUE)
            return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_IS_TRANSFORMING);
    if (controller->getValueFor(Interface::StorageMod::ATTR_NAME_TRANSFORMATION_CACHE_SIZE) == "0")
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_TRANSFORMATION_SIZE_ZERO);
    return Core::FilterReturn();
}

} // namespace Operations
