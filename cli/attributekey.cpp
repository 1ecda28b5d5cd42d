#include "cli/attributekey.h"

#include <functional>
#include <string>
#include <unordered_map>

namespace {

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
};

} // namespace

const Common::string& attributeKey(std::string_view name)
{
    static std::unordered_map<std::string, Common::string, NameHash, std::equal_to<>> keys;
    auto found = keys.find(name);
    if (found == keys.end())
        found = keys.emplace(std::string(name), Common::string(name.data(), name.size())).first;
    return found->second;
}
