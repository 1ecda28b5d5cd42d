#include "controller/localarraycontrolleriterator.h"

#include <cstring>

#include "controller/bmiccommands.h"
#include "controller/concretebmicdevice.h"

namespace {

// A probe channel as used during enumeration.
constexpr std::uint16_t kProbeLogicalUnits = 32;
constexpr std::uint16_t kProbePhysicalUnits = 128;

} // namespace

LocalArrayControllerIterator::LocalArrayControllerIterator(Sender send) : m_send(send)
{
    EnumerateRoot(IMGR_OBJECT_ARRAY_CONTROLLERS, [this](ImgrHandle handle) { return take(handle); });
}

bool LocalArrayControllerIterator::take(ImgrHandle handle)
{
    ImgrHostDeviceInfo info;
    if (!ReadInfo(handle, IMGR_INFO_HOST_DEVICE, info))
        return false;
    if (info.wDeviceType != IMGR_DEVICE_TYPE_ARRAY_CONTROLLER)
        return false;
    if (info.dwBoardID <= MINIMUM_BOARD_ID)
        return false;
    ConcreteBMICDevice probe(handle, false, kProbeLogicalUnits, kProbePhysicalUnits, false);
    SenseControllerCommand<SenseControllerParametersTrait> parameters;
    if (!m_send(parameters, probe))
        return false;
    const char* id = parameters.result().sAccessID;
    m_accessIDs[handle] = Common::string(id, strnlen(id, sizeof(parameters.result().sAccessID)));
    m_hostInfo[handle] = info;
    return true;
}

const ImgrHostDeviceInfo& LocalArrayControllerIterator::getHostDeviceInfo(ImgrHandle handle) const
{
    return Lookup(m_hostInfo, handle);
}

Common::string LocalArrayControllerIterator::getAccessID(ImgrHandle handle) const
{
    return Lookup(m_accessIDs, handle);
}
