#include "cli/clisort.h"

#include <algorithm>
#include <map>

#include "cli/ops/cmfacade.h"
#include "schema/morumod.h"
#include "schema/storagemod.h"

namespace CLI_SORT {

namespace {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

// Display names in keys are padded to this width (five digits).
constexpr unsigned KEY_WIDTH = 6;

// Spare -> the array it is shown under. The entry holds the spare too, so its
// address cannot be taken by another device while it is listed.
using SpareEntry = std::pair<Core::DevicePtr, Core::DevicePtr>;

std::map<const Core::Device*, SpareEntry>& sparesList()
{
    static std::map<const Core::Device*, SpareEntry> spares;
    return spares;
}

bool isSpare(const Core::DevicePtr& device)
{
    return device->getValueFor(ATTR_NAME_TYPE) == ATTR_VALUE_TYPE_PHYSICAL_DRIVE &&
        device->getValueFor(ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_SPARE;
}

void sortKeyed(std::vector<Core::DevicePtr>& devices, bool clearSpares)
{
    std::vector<KeyedDevice> keyed;
    keyed.reserve(devices.size());
    for (const Core::DevicePtr& device : devices)
        keyed.emplace_back(genDeviceNameString(device), device);
    if (clearSpares)
        ClearSparesList();
    std::stable_sort(keyed.begin(), keyed.end(), DevicesPred(ASCENDING));
    for (std::size_t i = 0; i < keyed.size(); ++i)
        devices[i] = keyed[i].second;
}

// A device's display name in a key. An array's letters are aligned to the
// right, so that array Z sorts before array AA.
std::string keyName(const CMFacade& facade, const Core::DevicePtr& device)
{
    if (!facade.isTargetType(device, ATTR_VALUE_TYPE_ARRAY))
        return facade.deviceName(device, KEY_WIDTH);
    const std::string letters = facade.attrVal(device, ATTR_NAME_ARRAY_NUMBER);
    return "array " + std::string(KEY_WIDTH - 1 - std::min<std::size_t>(letters.size(), KEY_WIDTH - 1), ' ') + letters;
}

} // namespace

bool DevicesPred::operator()(const KeyedDevice& a, const KeyedDevice& b) const
{
    return m_comparison == ASCENDING ? a.first < b.first : b.first < a.first;
}

std::string genDeviceNameString(const Core::DevicePtr& device)
{
    if (!device)
        return "";
    const CMFacade facade;
    std::string key = facade.deviceName(facade.controller(device), 0) + " ";
    const bool spare = isSpare(device);
    const Core::DevicePtr array = spare ? GetSparesArray(device) : facade.array(device);
    if (array && array.get() != device.get())
        key += keyName(facade, array) + " ";
    return key + (spare ? "z" : "") + keyName(facade, device);
}

void ClearSparesList() { sparesList().clear(); }

void UpdateSparesList(const Core::DevicePtr& spare, const Core::DevicePtr& array)
{
    if (spare && array)
        sparesList().emplace(spare.get(), SpareEntry(spare, array));
}

Core::DevicePtr GetSparesArray(const Core::DevicePtr& spare)
{
    auto known = sparesList().find(spare.get());
    if (known != sparesList().end())
        return known->second.second;
    const Core::DevicePtr array = CMFacade().array(spare);
    UpdateSparesList(spare, array);
    return array;
}

void SortDevices(std::vector<Core::DevicePtr>& devices) { sortKeyed(devices, false); }

void SortDevicesEx(std::vector<Core::DevicePtr>& devices) { sortKeyed(devices, true); }

} // namespace CLI_SORT
