#include "controller/structureregistry.h"

#include <utility>

#include "controller/bmicstructuretable.h"

namespace {

std::string significant(std::string_view name)
{
    return std::string(name.substr(0, StructureRegistry::kMaxNameLength));
}

} // namespace

const StructureMember* StructureDescription::findMember(std::string_view member) const
{
    const auto found = m_memberIndex.find(significant(member));
    return found == m_memberIndex.end() ? nullptr : &members[found->second];
}

StructureRegistry& StructureRegistry::instance()
{
    static StructureRegistry registry = [] {
        StructureRegistry filled;
        RegisterBmicStructures(filled);
        return filled;
    }();
    return registry;
}

bool StructureRegistry::AddStructure(std::string_view name)
{
    std::string key = significant(name);
    if (m_structures.size() >= kMaxStructures || m_index.count(key) != 0) {
        return false;
    }
    m_index.emplace(key, m_structures.size());
    m_structures.emplace_back().name = std::move(key);
    return true;
}

bool StructureRegistry::AddStructureMember(std::string_view structure, std::string_view member, std::size_t offset,
                                           std::size_t size, std::string_view type)
{
    StructureDescription* owner = findMutable(structure);
    std::string key = significant(member);
    if (owner == nullptr || m_memberCount >= kMaxMembers || owner->m_memberIndex.count(key) != 0) {
        return false;
    }
    owner->m_memberIndex.emplace(key, owner->members.size());
    owner->members.push_back(StructureMember{std::move(key), offset, size, significant(type)});
    ++m_memberCount;
    return true;
}

bool StructureRegistry::SetStructureSize(std::string_view structure, std::size_t size)
{
    StructureDescription* owner = findMutable(structure);
    if (owner == nullptr) {
        return false;
    }
    owner->size = size;
    return true;
}

const StructureDescription* StructureRegistry::find(std::string_view name) const
{
    const auto found = m_index.find(significant(name));
    return found == m_index.end() ? nullptr : &m_structures[found->second];
}

StructureDescription* StructureRegistry::findMutable(std::string_view name)
{
    return const_cast<StructureDescription*>(std::as_const(*this).find(name));
}

std::vector<std::string> StructureRegistry::structureNames() const
{
    std::vector<std::string> names;
    names.reserve(m_structures.size());
    for (const StructureDescription& structure : m_structures) {
        names.push_back(structure.name);
    }
    return names;
}
