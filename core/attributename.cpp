#include "core/attributename.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace Core {
namespace {

// The name last given at an address, for each of a few address slots. Names mostly come from the
// same constants again and again; one found this way is checked by its text, so a buffer that
// now holds another name at the same address is looked up as usual.
struct Recent {
    const char* data = nullptr;
    const Common::string* kept = nullptr;
};

bool holds(const Recent& recent, std::string_view name)
{
    return recent.data == name.data() && recent.kept->size() == name.size() &&
        std::memcmp(recent.kept->c_str(), name.data(), name.size()) == 0;
}

const Common::string& sharedCopy(std::string_view name)
{
    // Each key views the text of its own value, which never changes.
    static auto* names = new std::unordered_map<std::string_view, Common::string>;
    const auto found = names->find(name);
    if (found != names->end())
        return found->second;
    const Common::string kept(name.data(), name.size());
    return names->emplace(std::string_view(kept.c_str(), kept.size()), kept).first->second;
}

} // namespace

const Common::string& attributeName(std::string_view name)
{
    static std::array<Recent, 256> recent;
    Recent& slot = recent[(reinterpret_cast<std::uintptr_t>(name.data()) >> 3) % recent.size()];
    if (!holds(slot, name))
        slot = {name.data(), &sharedCopy(name)};
    return *slot.kept;
}

} // namespace Core
