#include "cli/clisort.h"

#include <algorithm>
#include <map>
#include <unordered_map>

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

// A device's display name in a key. An array's letters are aligned to the
// right, so that array Z sorts before array AA.
std::string keyName(const CMFacade& facade, const DeviceValues& device)
{
    if (device.type() != ATTR_VALUE_TYPE_ARRAY)
        return facade.deviceName(device, KEY_WIDTH);
    const std::string letters = device.shown(ATTR_NAME_ARRAY_NUMBER);
    return "array " + std::string(KEY_WIDTH - 1 - std::min<std::size_t>(letters.size(), KEY_WIDTH - 1), ' ') + letters;
}

// Makes the name keys of one sort. The controller's and the array's parts of
// a key are the same for every device below them, so each is made once.
class KeyMaker {
public:
    std::string key(const Core::DevicePtr& device)
    {
        if (!device)
            return "";
        const DeviceValues values(device);
        const bool spare = values.type() == ATTR_VALUE_TYPE_PHYSICAL_DRIVE &&
            values.raw(ATTR_NAME_DRIVE_TYPE) == ATTR_VALUE_DRIVE_TYPE_SPARE;
        const Core::DevicePtr array = spare ? GetSparesArray(device) : m_facade.array(values);
        std::string key = part(m_facade.controller(values), false);
        key += ' ';
        if (array && array.get() != device.get()) {
            key += part(array, true);
            key += ' ';
        }
        if (spare)
            key += 'z';
        return key + keyName(m_facade, values);
    }

private:
    // A controller's name (width 0) or an array's name in a key.
    const std::string& part(const Core::DevicePtr& device, bool isArray)
    {
        auto [at, added] = m_parts.try_emplace(device.get());
        if (added)
            at->second = isArray ? keyName(m_facade, device) : m_facade.deviceName(device, 0);
        return at->second;
    }

    CMFacade m_facade;
    std::unordered_map<const Core::Device*, std::string> m_parts;
};

void sortKeyed(std::vector<Core::DevicePtr>& devices, bool clearSpares)
{
    KeyMaker maker;
    std::vector<KeyedDevice> keyed;
    keyed.reserve(devices.size());
    for (const Core::DevicePtr& device : devices)
        keyed.emplace_back(maker.key(device), device);
    if (clearSpares)
        ClearSparesList();
    std::stable_sort(keyed.begin(), keyed.end(), DevicesPred(ASCENDING));
    for (std::size_t i = 0; i < keyed.size(); ++i)
        devices[i] = std::move(keyed[i].second);
}

} // namespace

bool DevicesPred::operator()(const KeyedDevice& a, const KeyedDevice& b) const
{
    return m_comparison == ASCENDING ? a.first < b.first : b.first < a.first;
}

std::string genDeviceNameString(const Core::DevicePtr& device) { return KeyMaker().key(device); }

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
