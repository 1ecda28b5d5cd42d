#include "operations/discoverdiskextent.h"

#include <cstring>

#include "controller/imgrimport.h"
#include "operations/fieldtext.h"
#include "schema/schemadiskextent.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::DiskExtent;

// The extent information of a handle; empty when the manager has none or refuses.
std::vector<std::uint8_t> readExtentInfo(ImgrHandle handle)
{
    ImgrDiskExtentHeader header{};
    std::uint32_t length = sizeof header;
    const ImgrStatus first = ImgrImport::InfoMgrGetObjectInfo(handle, IMGR_INFO_DISK_EXTENTS, 0, &header, &length);
    if (first != IMGR_STATUS_OK && first != IMGR_STATUS_BUFFER_TOO_SMALL)
        return {};
    if (length < sizeof header || length > DiscoverDiskExtent::MAX_EXTENT_INFO_BYTES)
        return {};
    std::vector<std::uint8_t> info(length);
    if (ImgrImport::InfoMgrGetObjectInfo(handle, IMGR_INFO_DISK_EXTENTS, 0, info.data(), &length) != IMGR_STATUS_OK)
        return {};
    info.resize(std::min<std::size_t>(info.size(), length));
    return info;
}

Core::AttributeValue bytes(std::uint64_t value) { return Core::AttributeValue(static_cast<unsigned long long>(value)); }

} // namespace

std::vector<ImgrDiskExtentEntry> DiscoverDiskExtent::partitionEntries(const std::vector<std::uint8_t>& info)
{
    std::vector<ImgrDiskExtentEntry> entries;
    ImgrDiskExtentHeader header{};
    if (info.size() < sizeof header)
        return entries;
    std::memcpy(&header, info.data(), sizeof header);
    const std::size_t room = (info.size() - sizeof header) / sizeof(ImgrDiskExtentEntry);
    const std::size_t count = std::min<std::size_t>(header.dwEntryCount, room);
    for (std::size_t i = 0; i < count; ++i) {
        ImgrDiskExtentEntry entry{};
        std::memcpy(&entry, info.data() + sizeof header + i * sizeof entry, sizeof entry);
        if (entry.dwEntryType == IMGR_DISK_EXTENT_PARTITION)
            entries.push_back(entry);
    }
    return entries;
}

Core::OperationReturn DiscoverDiskExtent::visit(Schema::LogicalDrive& drive)
{
    for (const ImgrDiskExtentEntry& entry : partitionEntries(readExtentInfo(drive.handle()))) {
        auto* extent = new Schema::DiskExtent(entry.dwExtentNumber);
        Publish(*extent, Core::Attribute(Facts::ATTR_NAME_DISK_EXTENT_OFFSET, bytes(entry.qwOffset)));
        Publish(*extent, Core::Attribute(Facts::ATTR_NAME_DISK_EXTENT_SIZE, bytes(entry.qwSize)));
        Publish(*extent, Core::Attribute(Facts::ATTR_NAME_DISK_EXTENT_MOUNT_POINT, fieldText(entry.szMountPoint)));
        publishInto(drive, extent);
    }
    return Core::OperationReturn();
}

} // namespace Operations
