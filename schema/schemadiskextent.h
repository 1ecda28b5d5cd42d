// Schema::DiskExtent - a partition the operating system has on a logical drive. It has no
// children.
//
// Identified by its logical drive's identifier + ",DE:" + its extent number
// (ATTR_NAME_DISK_EXTENT_NUMBER); extents with the same number are the same extent.
#ifndef VNL_SCHEMA_SCHEMADISKEXTENT_H
#define VNL_SCHEMA_SCHEMADISKEXTENT_H

#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"
#include "schema/storagemod.h"

namespace Schema {

class DiskExtent;
using VisitorDiskExtent = Visitor<DiskExtent>;

class DiskExtent : public FactKeyedDevice<DiskExtent, Core::Device, Interface::MORUMod::ATTR_VALUE_TYPE_DISK_EXTENT,
                                          MAX_EMBEDDED_DISK_EXTENT_OBJECTS, Anchor::Parent, DISK_EXTENT_TAG,
                                          Interface::StorageMod::DiskExtent::ATTR_NAME_DISK_EXTENT_NUMBER> {
public:
    explicit DiskExtent(unsigned extentNumber) : FactKeyedDevice(extentNumber) {}
};

} // namespace Schema

#endif
