#include "operations/localcontrollerscan.h"

#include "controller/localarraycontrolleriterator.h"

namespace Operations {

LocalControllerScan::LocalControllerScan()
{
    EnumerateRoot(IMGR_OBJECT_ARRAY_CONTROLLERS, [this](ImgrHandle handle) { return take(handle); });
}

bool LocalControllerScan::take(ImgrHandle handle)
{
    ImgrHostDeviceInfo info;
    if (!ReadInfo(handle, IMGR_INFO_HOST_DEVICE, info) || info.wDeviceType != IMGR_DEVICE_TYPE_ARRAY_CONTROLLER ||
        info.dwBoardID <= LocalArrayControllerIterator::MINIMUM_BOARD_ID)
        return false;
    m_hostInfo[handle] = info;
    return true;
}

const ImgrHostDeviceInfo& LocalControllerScan::getHostDeviceInfo(ImgrHandle handle) const
{
    return Lookup(m_hostInfo, handle);
}

} // namespace Operations
