#include "operations/filtercreatelogicaldrive.h"

#include <cstdlib>

#include "operations/arrayinfo.h"
#include "operations/createlogicaldrivecapability.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;

unsigned long long count(const Core::Device& device, const char* name)
{
    return std::strtoull(device.getValueFor(name).c_str(), nullptr, 10);
}

} // namespace

Core::FilterReturn FilterCreateLogicalDrive::applyImpl(const Core::DevicePtr& device) const
{
    if (!device ||
        count(*device, Interface::StorageMod::Array::ATTR_NAME_FREE_BLOCKS) <
            minimumLogicalDriveBlocks(Schema::LogicalDrive::SECTORS_63))
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_SPACE_FOR_CREATION_NOT_AVAILABLE);
    const Core::DevicePtr controller = device->hasParent() ? device->pParent() : Core::DevicePtr();
    if (controller && count(*controller, Interface::StorageMod::ATTR_NAME_LOGICAL_DRIVE_COUNT) >= MAX_LOGICAL_DRIVES)
        return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_MAX_LOGICAL_DRIVE_COUNT_REACHED);
    return Core::FilterReturn();
}

} // namespace Operations
