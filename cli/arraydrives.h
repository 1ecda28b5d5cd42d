// What the add and remove commands need to know about an array's drives and the drives a user
// names for it: its data and spare drives, the smallest data drive (in MB, as the checks
// compare sizes), its interface, and the addresses of a "drives" or "spares" value.
#ifndef VNL_CLI_ARRAYDRIVES_H
#define VNL_CLI_ARRAYDRIVES_H

#include <string>
#include <vector>

#include "cli/ops/cmfacade.h"
#include "core/device.h"
#include "core/deviceoperation.h"

namespace ArrayDrives {

// The devices `array` is linked to by `association` (ASSOCIATION_DATA_DRIVE, ASSOCIATION_SPARE_DRIVE).
Core::DeviceList linked(const Core::DevicePtr& array, const char* association);

// A drive's size in MB (ATTR_NAME_TOTAL_BLOCKS).
double megabytes(const CMFacade& facade, const Core::DevicePtr& drive);
// The size of the smallest data drive of `array`, in MB; 0 without data drives.
double smallestDataDrive(const CMFacade& facade, const Core::DevicePtr& array);
// Whether any of `drives` has failed.
bool anyFailed(const CMFacade& facade, const Core::DeviceList& drives);

// One address of a list as typed: its parts at ":" and whether range expansion marked it
// ("*"), which lets it match no drive without an error.
struct Address {
    std::string text; // without the mark
    std::vector<std::string> parts;
    bool marked = false;
};
// The addresses of a comma list, ranges expanded.
std::vector<Address> addresses(const std::string& list);

// How a drive that may not join an array is refused: "Drive " + address + the text.
struct Refusals {
    const char* tooSmall;
    const char* notFree; // neither unassigned nor (where spares are free) a spare
    bool sparesFree; // a spare of another array may join (spares can be shared)
    bool sizeFirst; // the size is checked before whether the drive is free
};
// The drives of `list` ("all", "allunassigned" or addresses) below `array`'s controller that
// may join it: free, of its interface ("due to drive mixing" otherwise) and no smaller than its
// smallest data drive. False after reporting the first listed drive that may not; "all" and
// "allunassigned" pick only those that may.
bool chooseDrives(const CMFacade& facade, const Core::DevicePtr& array, const std::string& list,
                  const Refusals& refusals, Core::DeviceList& chosen);

// Gives `operation` one ATTR_NAME_UNIQUE_ID argument (the set action) per drive.
void setDrives(const CMFacade& facade, const Core::DeviceOperationPtr& operation, const Core::DeviceList& drives);

} // namespace ArrayDrives

#endif
