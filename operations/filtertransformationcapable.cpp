#include "operations/filtertransformationcapable.h"

#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace ArrayFacts = Interface::StorageMod::Array;

// The array of a logical drive, or the array itself.
Core::DevicePtr arrayOf(const Core::DevicePtr& device)
{
    if (device && device->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_LOGICAL_DRIVE)
        return device->hasParent() ? device->pParent() : Core::DevicePtr();
    return device;
}

} // namespace

Core::FilterReturn FilterTransformationCapable::applyImpl(const Core::DevicePtr& device) const
{
    const Core::DevicePtr array = arrayOf(device);
    const Core::DevicePtr controller = array && array->hasParent() ? array->pParent() : Core::DevicePtr();
    if (!controller)
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_IS_TRANSFORMING);
    if (array->getValueFor(ATTR_NAME_STATUS) == ArrayFacts::ATTR_VALUE_STATUS_FAILED)
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_STATUS_NOT_OK);
    for (auto child = controller->beginChild(); child != controller->endChild(); ++child)
        if ((*child)->getValueFor(ArrayFacts::ATTR_NAME_IS_ARRAY_TRANSFORMING) ==
            ArrayFacts::ATTR_VALUE_IS_ARRAY_TRANSFORMING_TRUE)
            return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_ARRAY_IS_TRANSFORMING);
    if (controller->getValueFor(Interface::StorageMod::ATTR_NAME_TRANSFORMATION_CACHE_SIZE) == "0")
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_TRANSFORMATION_SIZE_ZERO);
    return Core::FilterReturn();
}

} // namespace Operations
