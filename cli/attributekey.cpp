#include "cli/attributekey.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

namespace {

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
};

// A key recently asked for, found again by the address of the name it was
// asked with; the text is compared too, so any name may come at any address.
struct Recent {
    std::string_view name;
    const Common::string* key = nullptr;
};

} // namespace

const Common::string& attributeKey(std::string_view name)
{
    static std::unordered_map<std::string, Common::string, NameHash, std::equal_to<>> keys;
    static std::array<Recent, 64> recent;
    Recent& slot = recent[(reinterpret_cast<std::uintptr_t>(name.data()) / 8) % recent.size()];
    if (slot.key != nullptr && slot.name == name)
        return *slot.key;
    auto found = keys.find(name);
    if (found == keys.end())
        found = keys.emplace(std::string(name), Common::string(name.data(), name.size())).first;
    slot = Recent{found->first, &found->second};
    return found->second;
}
