#include "controller/structureproxy.h"

#include "controller/typeproxyfactory.h"

StructureProxy::StructureProxy(std::string_view structure, std::span<std::uint8_t> buffer,
                               const StructureRegistry& registry)
    : m_registry(registry), m_structure(registry.find(structure)), m_view(buffer), m_writable(buffer.data())
{
}

StructureProxy::StructureProxy(std::string_view structure, std::span<const std::uint8_t> buffer,
                               const StructureRegistry& registry)
    : m_registry(registry), m_structure(registry.find(structure)), m_view(buffer), m_writable(nullptr)
{
}

std::size_t StructureProxy::getStructureSize() const { return m_structure == nullptr ? 0 : m_structure->size; }

std::vector<std::string> StructureProxy::memberNameList() const
{
    std::vector<std::string> names;
    if (m_structure != nullptr) {
        names.reserve(m_structure->members.size());
        for (const StructureMember& member : m_structure->members) {
            names.push_back(member.name);
        }
    }
    return names;
}

std::optional<MemberDetails> StructureProxy::MemberInfo(std::string_view member) const
{
    const StructureMember* found = m_structure == nullptr ? nullptr : m_structure->findMember(member);
    if (found == nullptr) {
        return std::nullopt;
    }
    const bool isStructure = m_registry.find(TypeProxyFactory::elementType(found->type)) != nullptr;
    return MemberDetails{found->type, found->offset, found->size, isStructure};
}

std::string StructureProxy::read(std::string_view member) const
{
    const StructureMember* found = reachable(member);
    if (found == nullptr) {
        return {};
    }
    return TypeProxyFactory::proxyFor(found->type, found->size).read(m_view.subspan(found->offset, found->size));
}

bool StructureProxy::Write(std::string_view member, std::string_view text)
{
    const StructureMember* found = m_writable == nullptr ? nullptr : reachable(member);
    if (found == nullptr) {
        return false;
    }
    return TypeProxyFactory::proxyFor(found->type, found->size)
        .write(text, std::span<std::uint8_t>(m_writable + found->offset, found->size));
}

// The member, when it lies wholly inside the buffer.
const StructureMember* StructureProxy::reachable(std::string_view member) const
{
    const StructureMember* found = m_structure == nullptr ? nullptr : m_structure->findMember(member);
    const std::size_t length = m_view.size();
    if (found == nullptr || found->size > length || found->offset > length - found->size) {
        return nullptr;
    }
    return found;
}
