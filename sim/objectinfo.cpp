#include "sim/objectinfo.h"

#include "controller/modeltable.h"
#include "sim/diskextents.h"
#include "sim/volumeimage.h"

#include <cstring>

namespace Sim {
namespace {

template <class T>
void put(std::vector<std::uint8_t>& record, const T& value)
{
    const std::uint8_t* p = reinterpret_cast<const std::uint8_t*>(&value);
    record.assign(p, p + sizeof value);
}

template <std::size_t N>
void copyText(char (&field)[N], std::string_view text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(N - 1, text.size()));
}

ImgrHostDeviceInfo controllerHostInfo(const Controller& c)
{
    ImgrHostDeviceInfo info;
    std::memset(&info, 0, sizeof info);
    info.wDeviceType = IMGR_DEVICE_TYPE_ARRAY_CONTROLLER;
    info.bBusType = c.busType;
    info.bAddressing = c.slot != 255 ? IMGR_ADDRESSING_SLOT : IMGR_ADDRESSING_NONE;
    info.wPciDomain = c.pciDomain;
    info.bPciBus = c.pciBus;
    info.bPciDevice = c.pciBus == 255 ? IMGR_PCI_BYTE_UNKNOWN : c.pciDevice;
    info.bPciFunction = c.pciBus == 255 ? IMGR_PCI_BYTE_UNKNOWN : c.pciFunction;
    info.bSlot = c.slot;
    info.dwBoardID = c.boardId;
    const ModelTable::Model* m = ModelTable::findByKey(c.model);
    copyText(info.szDescription, m ? m->name : std::string_view("array controller"));
    return info;
}

ImgrHostDeviceInfo adapterHostInfo(const Adapter& a)
{
    ImgrHostDeviceInfo info;
    std::memset(&info, 0, sizeof info);
    info.wDeviceType = IMGR_DEVICE_TYPE_FIBRE_ADAPTER;
    info.bBusType = 2;
    info.bAddressing = a.slot != 255 ? IMGR_ADDRESSING_SLOT : IMGR_ADDRESSING_NONE;
    info.wPciDomain = IMGR_PCI_DOMAIN_UNKNOWN;
    info.bPciBus = info.bPciDevice = info.bPciFunction = IMGR_PCI_BYTE_UNKNOWN;
    info.bSlot = a.slot;
    copyText(info.szDescription, "fibre channel host bus adapter");
    return info;
}

ImgrFibreDeviceInfo fibreInfo(const Adapter& a)
{
    ImgrFibreDeviceInfo info;
    std::memset(&info, 0, sizeof info);
    std::memcpy(info.abPortWWN, a.wwn.data(), 8);
    std::memcpy(info.abNodeWWN, a.wwn.data(), 8);
    info.abNodeWWN[0] = static_cast<std::uint8_t>(info.abNodeWWN[0] ^ 0x10);
    return info;
}

ImgrRemoteDeviceInfo remoteInfo(const Controller& c, const Path& path, int pathIndex)
{
    ImgrRemoteDeviceInfo info;
    std::memset(&info, 0, sizeof info);
    info.wDeviceType = IMGR_DEVICE_TYPE_REMOTE_ARRAY_CONTROLLER;
    info.bPort = path.port;
    info.abLunAddress[0] = static_cast<std::uint8_t>(pathIndex);
    info.abLunAddress[1] = path.side;
    std::memcpy(info.szDeviceText, IMGR_REMOTE_CONTROLLER_TEXT, sizeof info.szDeviceText);
    info.dwBoardID = c.boardId;
    for (size_t i = 0; i < 8 && i < c.chassisSerial.size(); ++i)
        info.abNodeWWN[i] = static_cast<std::uint8_t>(c.chassisSerial[i]);
    std::memcpy(info.abPortWWN, info.abNodeWWN, 8);
    info.abPortWWN[7] = static_cast<std::uint8_t>(info.abPortWWN[7] + 1 + path.side);
    return info;
}

// "/dev/sda", "/dev/sdb", ... in the order of all logical drives of the world.
std::string defaultAccessName(const World& world, int controller, int number)
{
    int ordinal = 0;
    for (int i = 0; i < controller; ++i)
        ordinal += static_cast<int>(world.controllers[static_cast<size_t>(i)].logicalDrives.size());
    for (const auto& [n, ld] : world.controllers[static_cast<size_t>(controller)].logicalDrives)
        if (n < number)
            ++ordinal;
    std::string suffix;
    for (int v = ordinal;; v = v / 26 - 1) {
        suffix.insert(suffix.begin(), static_cast<char>('a' + v % 26));
        if (v < 26)
            break;
    }
    return "/dev/sd" + suffix;
}

ImgrAccessNameInfo accessNameInfo(const World& world, const HandleTarget& t, const LogicalDrive& ld)
{
    ImgrAccessNameInfo info;
    std::memset(&info, 0, sizeof info);
    std::string name = ld.accessName.empty() ? defaultAccessName(world, t.controller, t.logicalDrive) : ld.accessName;
    std::memcpy(info.szAccessName, name.data(), std::min(sizeof info.szAccessName, name.size()));
    info.bFlags = ld.inUse ? IMGR_ACCESS_NAME_IN_USE : 0;
    return info;
}

void extentsRecord(const std::string& image, std::vector<std::uint8_t>& record)
{
    std::vector<ImgrDiskExtentEntry> extents = diskExtents(image);
    ImgrDiskExtentHeader header{static_cast<std::uint32_t>(extents.size()), 0};
    put(record, header);
    for (const ImgrDiskExtentEntry& e : extents) {
        const std::uint8_t* p = reinterpret_cast<const std::uint8_t*>(&e);
        record.insert(record.end(), p, p + sizeof e);
    }
}

} // namespace

ImgrStatus objectInfo(const World& world, const HandleTarget& t, std::uint32_t infoClass, const std::string& imageDir,
                      std::vector<std::uint8_t>& record)
{
    const Controller* c = t.controller >= 0 ? &world.controllers[static_cast<size_t>(t.controller)] : nullptr;
    const Adapter* a = t.adapter >= 0 ? &world.adapters[static_cast<size_t>(t.adapter)] : nullptr;
    const LogicalDrive* ld =
        c && t.logicalDrive >= 0 ? &c->logicalDrives.at(static_cast<std::uint16_t>(t.logicalDrive)) : nullptr;
    switch (infoClass) {
    case IMGR_INFO_HOST_DEVICE:
        if (t.kind == HANDLE_CONTROLLER)
            return put(record, controllerHostInfo(*c)), IMGR_STATUS_OK;
        if (t.kind == HANDLE_ADAPTER)
            return put(record, adapterHostInfo(*a)), IMGR_STATUS_OK;
        break;
    case IMGR_INFO_FIBRE_DEVICE:
        if (t.kind == HANDLE_ADAPTER)
            return put(record, fibreInfo(*a)), IMGR_STATUS_OK;
        break;
    case IMGR_INFO_REMOTE_DEVICE:
        if (t.kind == HANDLE_REMOTE)
            return put(record, remoteInfo(*c, *t.path, static_cast<int>(t.path - a->paths.data()))), IMGR_STATUS_OK;
        break;
    case IMGR_INFO_DRIVE_NUMBER:
        if (ld)
            return put(record, ImgrDriveNumberInfo{0, static_cast<std::uint8_t>(ld->number), 0}), IMGR_STATUS_OK;
        break;
    case IMGR_INFO_ACCESS_NAME:
        if (ld)
            return put(record, accessNameInfo(world, t, *ld)), IMGR_STATUS_OK;
        break;
    case IMGR_INFO_SCSI_ADDRESS:
        if (c)
            return put(record,
                       ImgrScsiAddressInfo{static_cast<std::uint32_t>(t.controller), ld ? ld->number : 0u,
                                           IMGR_SCSI_ADDRESS_SPECIAL_PATH}),
                   IMGR_STATUS_OK;
        break;
    case IMGR_INFO_DISK_EXTENTS:
        if (ld)
            return extentsRecord(imagePath(imageDir, *c, *ld), record), IMGR_STATUS_OK;
        break;
    }
    return IMGR_STATUS_INVALID_REQUEST;
}

} // namespace Sim
