// _ArrayInfo - the record from which an array is rebuilt. A controller does not report arrays:
// each configured logical drive names the drives it lies on, and logical drives that share a
// data drive belong to one array. This unit reads those drive maps and groups them.
//
// What a caller may rely on:
// - ScanLogicalDrives senses the configuration of each logical drive number from 0 upward, and
//   the status of each configured one (a number without drives, such as one left by a deleted
//   logical drive, may have none); it stops after the controller's count of configured logical
//   drives has been found, after number 31, or at the first failing command (whose failure is in
//   the return). Each configured logical drive gives one record, in number order.
// - AddArrayInfoToList merges a record into the first record sharing a data drive (or keeps
//   it out when keepSeparate is set), else appends it: list order numbers the arrays.
// - ArraysWithoutLogicalDrives gives the records of arrays already below a device that hold
//   no logical drive yet and are not being deleted (an array made by this program run).
#ifndef VNL_OPERATIONS_ARRAYINFO_H
#define VNL_OPERATIONS_ARRAYINFO_H

#include <cstdint>

#include "common/containers.h"
#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "core/device.h"
#include "core/operationreturn.h"

namespace Operations {

using LogicalDriveSet = Common::bitset<32>;
using DriveSet = Common::bitset<128>;

struct _ArrayInfo {
    LogicalDriveSet logicalDrives;
    DriveSet dataDrives;
    DriveSet spareDrives;
    DriveSet activeSpares;
    DriveSet failedDrives;
};
using ArrayInfoList = Common::list<_ArrayInfo>;

// Highest logical drive number a controller may hold, plus one.
inline constexpr unsigned MAX_LOGICAL_DRIVES = 32;

// Bit n of the set is bit (n % 8) of byte n / 8.
DriveSet driveSetFromBytes(const std::uint8_t (&bytes)[16]);
void driveSetToBytes(const DriveSet& drives, std::uint8_t (&bytes)[16]);

Core::OperationReturn ScanLogicalDrives(BMICDevice& channel, const IDENTIFY_CONTROLLER& identify,
                                        ArrayInfoList& perLogicalDrive);

void AddArrayInfoToList(const _ArrayInfo& record, ArrayInfoList& list, const bool& keepSeparate);

ArrayInfoList ArraysWithoutLogicalDrives(const Core::Device& device);

} // namespace Operations

#endif
