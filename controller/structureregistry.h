// A registry of named structures: for each controller buffer, its members with offset, size and
// type name, so that a diagnostic report can print any buffer field by field (see StructureProxy).
//
// Capacity is bounded: at most kMaxStructures structures and kMaxMembers members in all; further
// registrations are refused. Names and type names are kept and compared on their first
// kMaxNameLength characters. A member of an unknown structure, or a second structure or member of
// the same name, is ignored. The registry is filled once at start; afterwards it is only read.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct StructureMember {
    std::string name;
    std::size_t offset = 0;
    std::size_t size = 0;
    std::string type;
};

struct StructureDescription {
    std::string name;
    std::size_t size = 0;
    std::vector<StructureMember> members; // in registration order

    const StructureMember* findMember(std::string_view member) const;

private:
    friend class StructureRegistry;
    std::unordered_map<std::string, std::size_t> m_memberIndex;
};

class StructureRegistry {
public:
    static constexpr std::size_t kMaxStructures = 256;
    static constexpr std::size_t kMaxMembers = 1024;
    static constexpr std::size_t kMaxNameLength = 64;

    // The process-wide registry; it holds the controller buffer layouts from the first call on.
    static StructureRegistry& instance();

    // Each returns false when the registration was refused or ignored.
    bool AddStructure(std::string_view name);
    bool AddStructureMember(std::string_view structure, std::string_view member, std::size_t offset, std::size_t size,
                            std::string_view type);
    bool SetStructureSize(std::string_view structure, std::size_t size);

    const StructureDescription* find(std::string_view name) const; // nullptr when unknown
    std::vector<std::string> structureNames() const; // in registration order
    std::size_t structureCount() const { return m_structures.size(); }
    std::size_t memberCount() const { return m_memberCount; }

private:
    StructureDescription* findMutable(std::string_view name);

    std::deque<StructureDescription> m_structures; // a deque keeps found pointers valid
    std::unordered_map<std::string, std::size_t> m_index;
    std::size_t m_memberCount = 0;
};
