#include "core/capabilityfinder.h"

namespace Core {

bool CapabilityFinder::matches(const Capability& candidate) const
{
    for (const Attribute& criterion : m_criteria)
        if (!candidate.hasAttribute(criterion.first) ||
            candidate.getValueFor(criterion.first) != criterion.second.toString())
            return false;
    return true;
}

CapabilityPtr CapabilityFinder::find() const
{
    CapabilityList found;
    find(found);
    return found.empty() ? CapabilityPtr() : found.front();
}

void CapabilityFinder::find(CapabilityList& found) const
{
    if (!m_capability)
        return;
    for (auto child = m_capability->beginChild(); child != m_capability->endChild(); ++child)
        if (*child && matches(**child))
            found.push_back(*child);
}

} // namespace Core
