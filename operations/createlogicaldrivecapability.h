// What create-logical-drive offers on an array (the capability tree of
// Operations::WriteCreateLogicalDrive), from the controller's levels and stripe sizes and the
// array's drives and free space:
// - ATTR_NAME_RAID: the controller's levels that the array's data drive count makes; the default
//   is the first offered of RAID 5, RAID 1, RAID 0.
// - below each level, ATTR_NAME_STRIPE_SIZE (blocks): the controller's stripe sizes; for a level
//   other than RAID 0 and 1 only those whose full stripe over the array's drives stays within
//   the controller's ATTR_NAME_MAX_SAFE_FULL_STRIPE_SIZE, when it has one. Default 128 blocks,
//   else the largest offered.
// - below each stripe size, ATTR_NAME_SECTORS: 32 and 63, 63 the default;
// - below each sectors choice, ATTR_NAME_USEABLE_BLOCKS: an open range from the smallest
//   logical drive (32130 blocks with 63 sectors, 32640 with 32) to
//   the largest the free space holds, which is also the one value offered (the default). Left
//   out when the largest is below the smallest.
// - ATTR_NAME_ARRAY_ACCELERATOR (enabled by default, disabled) when the controller has a cache
//   board whose battery was not hot-removed.
#ifndef VNL_OPERATIONS_CREATELOGICALDRIVECAPABILITY_H
#define VNL_OPERATIONS_CREATELOGICALDRIVECAPABILITY_H

#include "core/capability.h"
#include "schema/schemaarray.h"

namespace Operations {

Core::CapabilityPtr createLogicalDriveCapability(const Schema::Array& array);

// The values the controller's own reader offers for the capability class `name`, in order.
Common::list<Common::string> controllerCapabilityValues(const Core::Device& controller, const char* name);

// The stripe size offered by default among `stripes` (blocks): 128 when offered, else the last.
unsigned long long defaultStripeSize(const Common::list<unsigned long long>& stripes);

// The smallest logical drive, in blocks, for `sectors` sectors per track.
unsigned long long minimumLogicalDriveBlocks(unsigned sectors);

} // namespace Operations

#endif
