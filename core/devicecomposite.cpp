#include "core/devicecomposite.h"

namespace Core {

bool DeviceComposite::addChildImpl(const DevicePtr& child)
{
    if (!child || m_positions.count(child.get()) != 0)
        return false;
    const std::size_t hash = child->identityHash();
    auto entry = m_children.insert(m_children.end(), child);
    m_positions.emplace(child.get(), Position{entry, hash});
    m_byIdentity.emplace(hash, entry);
    return true;
}

bool DeviceComposite::removeChildImpl(const DevicePtr& child)
{
    auto position = m_positions.find(child.get());
    if (position == m_positions.end())
        return false;
    auto [first, last] = m_byIdentity.equal_range(position->second.hash);
    for (auto it = first; it != last; ++it) {
        if (it->second == position->second.entry) {
            m_byIdentity.erase(it);
            break;
        }
    }
    m_children.erase(position->second.entry);
    m_positions.erase(position);
    return true;
}

DevicePtr DeviceComposite::findEqualChild(const Device& device) const
{
    auto [first, last] = m_byIdentity.equal_range(device.identityHash());
    for (auto it = first; it != last; ++it)
        if (**it->second == device)
            return *it->second;
    return DevicePtr();
}

DevicePtr DeviceComposite::childPtrFor(const Device* child) const
{
    auto position = m_positions.find(child);
    return position != m_positions.end() ? *position->second.entry : DevicePtr();
}

} // namespace Core
