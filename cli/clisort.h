// CLI_SORT orders selected devices for display, so that a list comes out as
// a tree: each controller, then its arrays, each array followed by its
// logical drives, its data drives and its spare drives, then the drives of no
// array. The order is that of the devices' name keys compared as bytes:
//   <controller name> [<array name> ]<device name>
// with numbers zero-padded and array letters aligned to the right, so that
// byte order is numeric order (array Z before array AA), and a "z" before a
// spare drive's name so that spares follow the data drives.
//
// A spare drive may serve several arrays. The process-wide spares list
// remembers which array a spare is shown under: the physical-drive step of a
// target records the array it named (UpdateSparesList), and GetSparesArray
// answers from the list, or records and returns the first array the spare
// serves. The list lives until ClearSparesList; SortDevicesEx clears it after
// making its keys.
#ifndef VNL_CLI_CLISORT_H
#define VNL_CLI_CLISORT_H

#include <string>
#include <utility>
#include <vector>

#include "core/device.h"

namespace CLI_SORT {

using KeyedDevice = std::pair<std::string, Core::DevicePtr>;

enum EnComparison { ASCENDING = 0, DESCENDING = 1 };

// Compares name keys as byte strings; 0 ascending, any other value descending.
class DevicesPred {
public:
    explicit DevicesPred(int comparison = ASCENDING) : m_comparison(comparison) {}
    bool operator()(const KeyedDevice& a, const KeyedDevice& b) const;

private:
    int m_comparison;
};

std::string genDeviceNameString(const Core::DevicePtr& device);

void ClearSparesList();
void UpdateSparesList(const Core::DevicePtr& spare, const Core::DevicePtr& array);
Core::DevicePtr GetSparesArray(const Core::DevicePtr& spare);

// Display order, equal keys keeping their order. SortDevicesEx also clears
// the spares list once the keys are made.
void SortDevices(std::vector<Core::DevicePtr>& devices);
void SortDevicesEx(std::vector<Core::DevicePtr>& devices);

} // namespace CLI_SORT

#endif
