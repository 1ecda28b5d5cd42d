// A view of one controller buffer through its registered structure description: lists the members,
// describes them, and reads or writes each one as text (formats in typeproxyfactory.h).
//
// The proxy never reads or writes outside the buffer it was given: a member that does not lie
// wholly inside it reads as empty text and cannot be written, whatever the registry claims. Unknown
// structures and members give empty results. A proxy over a const buffer refuses every write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "controller/structureregistry.h"

struct MemberDetails {
    std::string type;
    std::size_t offset = 0;
    std::size_t size = 0;
    bool isStructure = false; // the type (without " []") is itself a registered structure
};

class StructureProxy {
public:
    StructureProxy(std::string_view structure, std::span<std::uint8_t> buffer,
                   const StructureRegistry& registry = StructureRegistry::instance());
    StructureProxy(std::string_view structure, std::span<const std::uint8_t> buffer,
                   const StructureRegistry& registry = StructureRegistry::instance());

    // Over a whole layout record, e.g. StructureProxy("IDENTIFY_CONTROLLER", identify).
    template <class Layout>
    requires(std::is_class_v<Layout>&& std::is_trivially_copyable_v<Layout> &&
             !requires { typename Layout::element_type; }) // spans take the overloads above
        StructureProxy(std::string_view structure, Layout& record,
                       const StructureRegistry& registry = StructureRegistry::instance())
        : StructureProxy(structure, bytesOf(record), registry)
    {
    }

    std::size_t getStructureSize() const; // 0 for an unknown structure
    std::vector<std::string> memberNameList() const;
    std::optional<MemberDetails> MemberInfo(std::string_view member) const;
    std::string read(std::string_view member) const;
    bool Write(std::string_view member, std::string_view text);

private:
    template <class Layout>
    static auto bytesOf(Layout& record)
    {
        using Byte = std::conditional_t<std::is_const_v<Layout>, const std::uint8_t, std::uint8_t>;
        return std::span<Byte>(reinterpret_cast<Byte*>(&record), sizeof record);
    }

    const StructureMember* reachable(std::string_view member) const;

    const StructureRegistry& m_registry;
    const StructureDescription* m_structure;
    std::span<const std::uint8_t> m_view;
    std::uint8_t* m_writable; // nullptr for a read-only proxy
};
