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

#include "controller/ssplayouts.h"

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
