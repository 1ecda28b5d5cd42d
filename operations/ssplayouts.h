// Parameter data of the controller's selective-storage-presentation and host services (SCSI
// 0x86 report / 0x87 manage, the service in command block byte 1): packed little-endian records,
// each with its offsets checked. A report is a header followed by entries; the header's entry
// count is the controller's word and is never trusted beyond the data actually received
// (entriesIn).
#ifndef VNL_OPERATIONS_SSPLAYOUTS_H
#define VNL_OPERATIONS_SSPLAYOUTS_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#pragma pack(push, 1)

// Start of every access-list report.
struct SSP_ACL_HEADER {
    std::uint32_t dwEntryCount;
    std::uint8_t  bSspEnabled;
    std::uint8_t  reserved[3];
};
static_assert(offsetof(SSP_ACL_HEADER, dwEntryCount) == 0);
static_assert(offsetof(SSP_ACL_HEADER, bSspEnabled) == 4);
static_assert(offsetof(SSP_ACL_HEADER, reserved) == 5);
static_assert(sizeof(SSP_ACL_HEADER) == 8);

// One initiator of the second-form access list: its name, host mode and the logical drives it
// may reach (bit n = logical drive n). bInitiatorID is the port world-wide name, most
// significant byte first.
struct SSP2_ACL_ENTRY {
    std::uint8_t  bInitiatorID[8];
    char          sConnectionName[16];
    std::uint8_t  bHostMode;
    std::uint8_t  bFlags;
    std::uint8_t  reserved[6];
    std::uint8_t  pbLunMap[16];
};
static_assert(offsetof(SSP2_ACL_ENTRY, bInitiatorID) == 0);
static_assert(offsetof(SSP2_ACL_ENTRY, sConnectionName) == 8);
static_assert(offsetof(SSP2_ACL_ENTRY, bHostMode) == 24);
static_assert(offsetof(SSP2_ACL_ENTRY, bFlags) == 25);
static_assert(offsetof(SSP2_ACL_ENTRY, reserved) == 26);
static_assert(offsetof(SSP2_ACL_ENTRY, pbLunMap) == 32);
static_assert(sizeof(SSP2_ACL_ENTRY) == 48);

// Host modes and host attributes share a 28-byte header.
struct HOST_LIST_HEADER {
    std::uint32_t dwEntryCount;
    std::uint8_t  reserved[24];
};
static_assert(offsetof(HOST_LIST_HEADER, dwEntryCount) == 0);
static_assert(offsetof(HOST_LIST_HEADER, reserved) == 4);
static_assert(sizeof(HOST_LIST_HEADER) == 28);

struct HOST_MODE_ENTRY {
    std::uint8_t  bModeNumber;
    std::uint8_t  reserved[3];
    char          sModeName[36];
};
static_assert(offsetof(HOST_MODE_ENTRY, bModeNumber) == 0);
static_assert(offsetof(HOST_MODE_ENTRY, reserved) == 1);
static_assert(offsetof(HOST_MODE_ENTRY, sModeName) == 4);
static_assert(sizeof(HOST_MODE_ENTRY) == 40);

// One host connection as the controller sees it; bit 0 of bFlags: logged in (online).
struct HOST_ATTRIBUTE_ENTRY {
    std::uint8_t  bInitiatorID[8];
    std::uint8_t  bHostMode;
    std::uint8_t  bFlags;
    std::uint8_t  reserved1[2];
    char          sConnectionName[16];
    std::uint8_t  reserved2[12];
};
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, bInitiatorID) == 0);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, bHostMode) == 8);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, bFlags) == 9);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, reserved1) == 10);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, sConnectionName) == 12);
static_assert(offsetof(HOST_ATTRIBUTE_ENTRY, reserved2) == 28);
static_assert(sizeof(HOST_ATTRIBUTE_ENTRY) == 40);

#pragma pack(pop)

namespace Operations {

// The header of a report, zeroed when the data is shorter than a header.
template <class Header>
Header headerOf(const std::vector<std::uint8_t>& data)
{
    Header header{};
    if (data.size() >= sizeof(Header))
        std::memcpy(&header, data.data(), sizeof(Header));
    return header;
}

// The entries of a report: as many as the header announces and the data holds.
template <class Header, class Entry>
std::vector<Entry> entriesIn(const std::vector<std::uint8_t>& data)
{
    const Header header = headerOf<Header>(data);
    const std::size_t room = data.size() > sizeof(Header) ? (data.size() - sizeof(Header)) / sizeof(Entry) : 0;
    const std::size_t count = header.dwEntryCount < room ? header.dwEntryCount : room;
    std::vector<Entry> entries(count);
    if (count > 0)
        std::memcpy(entries.data(), data.data() + sizeof(Header), count * sizeof(Entry));
    return entries;
}

} // namespace Operations

#endif
