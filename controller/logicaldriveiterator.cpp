#include "controller/logicaldriveiterator.h"

#include <cstring>

LogicalDriveIterator::LogicalDriveIterator(ImgrHandle controller)
{
    Enumerate(controller, IMGR_ENUM_LOGICAL_DRIVES, [this](ImgrHandle handle) { return take(handle); });
}

bool LogicalDriveIterator::take(ImgrHandle handle)
{
    ImgrDriveNumberInfo number;
    if (!ReadInfo(handle, IMGR_INFO_DRIVE_NUMBER, number))
        return false;
    ImgrAccessNameInfo name;
    ReadInfo(handle, IMGR_INFO_ACCESS_NAME, name);
    m_numbers[handle] = number;
    m_accessNames[handle] = name;
    return true;
}

std::uint8_t LogicalDriveIterator::getLogicalDriveNumber(ImgrHandle handle) const
{
    return Lookup(m_numbers, handle).bDriveNumber;
}

bool LogicalDriveIterator::isLogicalDriveInUse(ImgrHandle handle) const
{
    return (Lookup(m_accessNames, handle).bFlags & IMGR_ACCESS_NAME_IN_USE) != 0;
}

Common::string LogicalDriveIterator::getDriveAccessName(ImgrHandle handle) const
{
    const ImgrAccessNameInfo& info = Lookup(m_accessNames, handle);
    return Common::string(info.szAccessName, strnlen(info.szAccessName, sizeof(info.szAccessName)));
}
