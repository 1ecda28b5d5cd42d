#include "core/attributename.h"

#include <unordered_map>

namespace Core {

const Common::string& attributeName(std::string_view name)
{
    // Each key views the text of its own value, which never changes.
    static auto* names = new std::unordered_map<std::string_view, Common::string>;
    const auto found = names->find(name);
    if (found != names->end())
        return found->second;
    const Common::string kept(name.data(), name.size());
    return names->emplace(std::string_view(kept.c_str(), kept.size()), kept).first->second;
}

} // namespace Core
