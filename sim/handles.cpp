#include "sim/handles.h"

namespace Sim {
namespace {

constexpr std::uint32_t kFirstMask = 0xFFF;
constexpr std::uint32_t kSecondMask = 0xFFFF;

int localControllerIndex(const World& world, std::uint32_t ordinal)
{
    for (size_t i = 0; i < world.controllers.size(); ++i)
        if (!world.controllers[i].external && ordinal-- == 0)
            return static_cast<int>(i);
    return -1;
}

int controllerIndexByName(const World& world, const std::string& name)
{
    for (size_t i = 0; i < world.controllers.size(); ++i)
        if (world.controllers[i].name == name)
            return static_cast<int>(i);
    return -1;
}

ImgrStatus logicalDriveChild(const World& world, int controller, std::uint32_t index, ImgrHandle& child)
{
    const auto& lds = world.controllers[static_cast<size_t>(controller)].logicalDrives;
    if (index >= lds.size())
        return IMGR_STATUS_NO_MORE_OBJECTS;
    auto it = lds.begin();
    std::advance(it, index);
    child = makeHandle(HANDLE_LOGICAL_DRIVE, static_cast<std::uint32_t>(controller), it->first);
    return IMGR_STATUS_OK;
}

} // namespace

ImgrHandle makeHandle(HandleKind kind, std::uint32_t first, std::uint32_t second)
{
    return (kind << 28) | ((first & kFirstMask) << 16) | (second & kSecondMask);
}

bool resolveHandle(const World& world, ImgrHandle handle, HandleTarget& t)
{
    t = HandleTarget{};
    t.kind = static_cast<HandleKind>(handle >> 28);
    std::uint32_t first = (handle >> 16) & kFirstMask, second = handle & kSecondMask;
    switch (t.kind) {
    case HANDLE_CONTROLLER_ROOT:
    case HANDLE_ADAPTER_ROOT:
        return first == 0 && second == 0;
    case HANDLE_CONTROLLER:
        t.controller = static_cast<int>(first);
        return second == 0 && first < world.controllers.size() && !world.controllers[first].external;
    case HANDLE_ADAPTER:
        t.adapter = static_cast<int>(first);
        return second == 0 && first < world.adapters.size();
    case HANDLE_REMOTE:
        if (first >= world.adapters.size() || second >= world.adapters[first].paths.size())
            return false;
        t.adapter = static_cast<int>(first);
        t.path = &world.adapters[first].paths[second];
        t.controller = controllerIndexByName(world, t.path->controller);
        t.side = t.path->side;
        t.remote = true;
        return t.controller >= 0;
    case HANDLE_LOGICAL_DRIVE:
        t.controller = static_cast<int>(first);
        t.logicalDrive = static_cast<int>(second);
        t.remote = first < world.controllers.size() && world.controllers[first].external;
        return first < world.controllers.size() &&
            world.controllers[first].logicalDrives.count(static_cast<std::uint16_t>(second)) != 0;
    }
    return false;
}

ImgrStatus childHandle(const World& world, ImgrHandle parent, std::uint32_t childKind, std::uint32_t index,
                       ImgrHandle& child)
{
    HandleTarget t;
    if (!resolveHandle(world, parent, t))
        return IMGR_STATUS_INVALID_HANDLE;
    if (t.kind == HANDLE_CONTROLLER_ROOT && childKind == IMGR_ENUM_CHILDREN) {
        int c = localControllerIndex(world, index);
        if (c < 0)
            return IMGR_STATUS_NO_MORE_OBJECTS;
        child = makeHandle(HANDLE_CONTROLLER, static_cast<std::uint32_t>(c));
        return IMGR_STATUS_OK;
    }
    if (t.kind == HANDLE_ADAPTER_ROOT && childKind == IMGR_ENUM_CHILDREN) {
        if (index >= world.adapters.size())
            return IMGR_STATUS_NO_MORE_OBJECTS;
        child = makeHandle(HANDLE_ADAPTER, index);
        return IMGR_STATUS_OK;
    }
    if (t.kind == HANDLE_ADAPTER && childKind == IMGR_ENUM_REMOTE_CONTROLLERS) {
        if (index >= world.adapters[static_cast<size_t>(t.adapter)].paths.size())
            return IMGR_STATUS_NO_MORE_OBJECTS;
        child = makeHandle(HANDLE_REMOTE, static_cast<std::uint32_t>(t.adapter), index);
        return IMGR_STATUS_OK;
    }
    if ((t.kind == HANDLE_CONTROLLER || t.kind == HANDLE_REMOTE) && childKind == IMGR_ENUM_LOGICAL_DRIVES)
        return logicalDriveChild(world, t.controller, index, child);
    if (childKind == IMGR_ENUM_DISK_EXTENTS)
        return IMGR_STATUS_NO_MORE_OBJECTS;
    return IMGR_STATUS_INVALID_REQUEST;
}

} // namespace Sim
