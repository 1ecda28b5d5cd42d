// Where the devices of a controller live, and how the show-all listing
// collects them.
//
// A controller inside an external storage system holds none of its arrays or
// drives: the storage system does. DevicesHome gives the device below which a
// selected device's arrays, logical, physical and tape drives are found: the
// storage system for such a controller, the device itself otherwise.
//
// DevLister appends to `out`, in tree order, the devices of one kind found
// below `start` (searched from DevicesHome(start)), each once:
// - ATTR_VALUE_TYPE_PHYSICAL_DRIVE: every array's data drives, array by
//   array, then the unassigned drives;
// - ATTR_VALUE_DRIVE_TYPE_SPARE: the spare drives of the arrays;
// - any other device type (arrays, logical drives...): the devices of that
//   ATTR_NAME_TYPE.
#ifndef VNL_CLI_DEVLISTER_H
#define VNL_CLI_DEVLISTER_H

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/device.h"

Core::DevicePtr DevicesHome(const Core::DevicePtr& device);

void DevLister(const Core::DevicePtr& start, const std::string& type, std::vector<Core::DevicePtr>& out);
// DevLister of each type in turn, all found in one walk of the tree.
void DevLister(const Core::DevicePtr& start, std::initializer_list<std::string_view> types,
               std::vector<Core::DevicePtr>& out);

// The devices of type `type` below `start`, in tree order.
Core::DeviceList devicesBelow(const Core::DevicePtr& start, std::string_view type);

// The devices `device` holds through the association `name`, in order.
Core::DeviceList associated(const Core::DevicePtr& device, std::string_view name);

#endif
