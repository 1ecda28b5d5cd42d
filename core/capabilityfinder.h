// Core::CapabilityFinder - looks among the direct children of a capability
// for those that carry every criterion attribute with the criterion's text.
// find() gives the first match in child order (or an empty pointer),
// find(list) appends every match.
#ifndef CORE_CAPABILITYFINDER_H
#define CORE_CAPABILITYFINDER_H

#include "common/containers.h"
#include "core/attributesource.h"
#include "core/capability.h"

namespace Core {

class CapabilityFinder {
public:
    explicit CapabilityFinder(const CapabilityPtr& capability) : m_capability(capability) {}

    void Add(const Attribute& criterion) { m_criteria.push_back(criterion); }
    CapabilityPtr find() const;
    void find(CapabilityList& found) const;

private:
    bool matches(const Capability& candidate) const;

    CapabilityPtr m_capability;
    Common::list<Attribute> m_criteria;
};

} // namespace Core

#endif
