#include "operations/boxdrives.h"

#include <algorithm>

#include "core/devicefinder.h"
#include "core/rescanpass.h"
#include "operations/associationpredicates.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {

const BoxDrives& BoxDrives::of(const Core::DevicePtr& box)
{
    static BoxDrives cached;
    static const Core::Device* cachedBox = nullptr;
    static unsigned long cachedPass = 0;
    const unsigned long pass = Core::RescanPass::current();
    if (pass == 0 || pass != cachedPass || box.get() != cachedBox) {
        cached = BoxDrives(box);
        cachedBox = box.get();
        cachedPass = pass;
    }
    return cached;
}

BoxDrives::BoxDrives(const Core::DevicePtr& box)
{
    if (!box)
        return;
    Core::DeviceFinder finder(box);
    finder.Add(Core::Attribute(Interface::MORUMod::ATTR_NAME_TYPE, Interface::MORUMod::ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    Core::DeviceList drives;
    finder.find(drives, Core::DeviceFinder::DIRECTION_DOWN);
    for (const Core::DevicePtr& drive : drives)
        if (const auto* physical = dynamic_cast<const Schema::PhysicalDrive*>(drive.get())) {
            m_positions.emplace(physical->driveIndex(), m_drives.size());
            m_drives.push_back(drive.get());
        }
    for (const auto& [spare, replaced] : activeSparePairs(box))
        m_sparesFor.emplace(replaced, spare);
}

Core::DeviceList BoxDrives::inSet(const Schema::Array::DriveSet& set) const
{
    std::vector<std::size_t> positions;
    for (unsigned index = 0; index < set.size(); ++index)
        if (set.test(index))
            addPositions(index, positions);
    return atPositions(std::move(positions));
}

Core::DeviceList BoxDrives::activeSparesFor(unsigned replaced) const
{
    std::vector<std::size_t> positions;
    const auto [first, last] = m_sparesFor.equal_range(replaced);
    for (auto pair = first; pair != last; ++pair)
        addPositions(pair->second, positions);
    std::vector<std::size_t> spares;
    for (std::size_t position : positions)
        if (m_drives[position]->getValueFor(Interface::StorageMod::ATTR_NAME_DRIVE_TYPE) ==
            Interface::StorageMod::ATTR_VALUE_DRIVE_TYPE_SPARE)
            spares.push_back(position);
    return atPositions(std::move(spares));
}

void BoxDrives::addPositions(unsigned index, std::vector<std::size_t>& positions) const
{
    const auto [first, last] = m_positions.equal_range(index);
    for (auto entry = first; entry != last; ++entry)
        positions.push_back(entry->second);
}

Core::DeviceList BoxDrives::atPositions(std::vector<std::size_t> positions) const
{
    std::sort(positions.begin(), positions.end());
    Core::DeviceList drives;
    for (std::size_t position : positions)
        drives.push_back(m_drives[position]->getDevicePtr());
    return drives;
}

} // namespace Operations
