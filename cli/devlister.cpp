#include "cli/devlister.h"

#include <unordered_map>
#include <unordered_set>

#include "core/attributename.h"
#include "core/devicefinder.h"
#include "core/devicelock.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

// The devices below a device by type, each list in tree order.
using DevicesByType = std::unordered_map<Common::string, Core::DeviceList>;

void collectByType(const Core::DevicePtr& device, DevicesByType& found)
{
    found[device->getValueFor(Core::attributeName(ATTR_NAME_TYPE))].push_back(device);
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        collectByType(*child, found);
}

const Core::DeviceList& devicesOf(const DevicesByType& found, std::string_view type)
{
    static const Core::DeviceList none;
    auto devices = found.find(Core::attributeName(type));
    return devices == found.end() ? none : devices->second;
}

// Appends the members of `name` of the arrays, each drive once.
void appendArrayMembers(const Core::DeviceList& arrays, const char* name, std::vector<Core::DevicePtr>& out)
{
    std::unordered_set<const Core::Device*> seen;
    for (const Core::DevicePtr& array : arrays)
        for (const Core::DevicePtr& drive : associated(array, name))
            if (seen.insert(drive.get()).second)
                out.push_back(drive);
}

// Appends `device` and every device below it, depth first in child order,
// that is of `type`.
void appendOfType(const Core::DevicePtr& device, std::string_view type, Core::DeviceList& found)
{
    if (Core::isOfType(device, type))
        found.push_back(device);
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        appendOfType(*child, type, found);
}

} // namespace

Core::DevicePtr DevicesHome(const Core::DevicePtr& device)
{
    if (Core::isOfType(device, ATTR_VALUE_TYPE_ARRAY_CONTROLLER) && device->hasParent()) {
        Core::DevicePtr parent = device->pParent();
        if (Core::isOfType(parent, ATTR_VALUE_TYPE_STORAGE_SYSTEM))
            return parent;
    }
    return device;
}

Core::DeviceList devicesBelow(const Core::DevicePtr& start, std::string_view type)
{
    Core::DeviceList found;
    if (!start)
        return found;
    Core::DeviceLock lock(*start);
    appendOfType(start, type, found);
    return found;
}

Core::DeviceList associated(const Core::DevicePtr& device, std::string_view name)
{
    Core::DeviceList members;
    Core::DeviceAssociationPtr association =
        device ? device->getAssociation(Core::attributeName(name)) : Core::DeviceAssociationPtr();
    if (association)
        members.assign(association->beginDevice(), association->endDevice());
    return members;
}

void DevLister(const Core::DevicePtr& start, const std::string& type, std::vector<Core::DevicePtr>& out)
{
    DevLister(start, {type}, out);
}

void DevLister(const Core::DevicePtr& start, std::initializer_list<std::string_view> types,
               std::vector<Core::DevicePtr>& out)
{
    const Core::DevicePtr home = DevicesHome(start);
    DevicesByType below;
    if (home) {
        Core::DeviceLock lock(*home);
        collectByType(home, below);
    }
    for (std::string_view type : types) {
        if (type == ATTR_VALUE_TYPE_PHYSICAL_DRIVE) {
            appendArrayMembers(devicesOf(below, ATTR_VALUE_TYPE_ARRAY), ASSOCIATION_DATA_DRIVE, out);
            for (const Core::DevicePtr& drive : devicesOf(below, ATTR_VALUE_TYPE_PHYSICAL_DRIVE))
                if (drive->getValueFor(Core::attributeName(ATTR_NAME_DRIVE_TYPE)) == ATTR_VALUE_DRIVE_TYPE_UNASSIGNED)
                    out.push_back(drive);
        } else if (type == ATTR_VALUE_DRIVE_TYPE_SPARE) {
            appendArrayMembers(devicesOf(below, ATTR_VALUE_TYPE_ARRAY), ASSOCIATION_SPARE_DRIVE, out);
        } else {
            const Core::DeviceList& found = devicesOf(below, type);
            out.insert(out.end(), found.begin(), found.end());
        }
    }
}
