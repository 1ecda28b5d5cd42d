#include "controller/fibrehbaiterator.h"

FibreHBAIterator::FibreHBAIterator()
{
    EnumerateRoot(IMGR_OBJECT_HOST_BUS_ADAPTERS, [this](ImgrHandle handle) { return take(handle); });
}

bool FibreHBAIterator::take(ImgrHandle handle)
{
    ImgrHostDeviceInfo host;
    ImgrFibreDeviceInfo fibre;
    if (!ReadInfo(handle, IMGR_INFO_HOST_DEVICE, host))
        return false;
    if (!ReadInfo(handle, IMGR_INFO_FIBRE_DEVICE, fibre))
        return false;
    m_hostInfo[handle] = host;
    m_fibreInfo[handle] = fibre;
    return true;
}

const ImgrHostDeviceInfo& FibreHBAIterator::getHostDeviceInfo(ImgrHandle handle) const
{
    return Lookup(m_hostInfo, handle);
}

const ImgrFibreDeviceInfo& FibreHBAIterator::getFibreDeviceInfo(ImgrHandle handle) const
{
    return Lookup(m_fibreInfo, handle);
}
