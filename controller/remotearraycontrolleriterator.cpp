#include "controller/remotearraycontrolleriterator.h"

#include <cstring>

RemoteArrayControllerIterator::RemoteArrayControllerIterator(ImgrHandle adapter)
{
    Enumerate(adapter, IMGR_ENUM_REMOTE_CONTROLLERS, [this](ImgrHandle handle) { return take(handle); });
}

bool RemoteArrayControllerIterator::take(ImgrHandle handle)
{
    ImgrRemoteDeviceInfo info;
    if (!ReadInfo(handle, IMGR_INFO_REMOTE_DEVICE, info))
        return false;
    if (info.wDeviceType != IMGR_DEVICE_TYPE_REMOTE_ARRAY_CONTROLLER)
        return false;
    if (std::memcmp(info.szDeviceText, IMGR_REMOTE_CONTROLLER_TEXT, sizeof(info.szDeviceText))) {
        return false;
    }
    m_remoteInfo[handle] = info;
    return true;
}

const ImgrRemoteDeviceInfo& RemoteArrayControllerIterator::getRemoteDeviceInfo(ImgrHandle handle) const
{
    return Lookup(m_remoteInfo, handle);
}
