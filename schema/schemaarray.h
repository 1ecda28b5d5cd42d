// Schema::Array - an array of physical drives on a controller or storage system, holding the
// logical drives carved out of it.
//
// Besides its attributes an array keeps five typed sets, given to its constructor: its logical
// drives (bit n = logical drive n) and its data, spare, active-spare and failed drives (bit n =
// controller drive index n). Two arrays are the same array when their data drives are the same,
// whatever their numbers: the controller renumbers arrays when one is deleted, the drives stay.
// The identifier (scope + ",A:" + array number) keeps the number the object was made with.
#ifndef VNL_SCHEMA_SCHEMAARRAY_H
#define VNL_SCHEMA_SCHEMAARRAY_H

#include "common/containers.h"
#include "controller/bmicforwarddevice.h"
#include "schema/schemacapacities.h"
#include "schema/schemadevice.h"

namespace Schema {

class Array;
using VisitorArray = Visitor<Array>;

class Array : public SchemaDevice<Array, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_ARRAY,
                                  MAX_EMBEDDED_ARRAY_OBJECTS>,
              public BMICForwardDevice {
public:
    using LogicalDriveSet = Common::bitset<32>;
    using DriveSet = Common::bitset<128>;

    Array(unsigned char arrayNumber, const LogicalDriveSet& logicalDrives, const DriveSet& dataDrives,
          const DriveSet& spareDrives, const DriveSet& activeSpares, const DriveSet& failedDrives);

    unsigned char arrayNumber() const { return m_arrayNumber; }
    const LogicalDriveSet& logicalDriveList() const { return m_logicalDrives; }
    const DriveSet& dataDriveList() const { return m_dataDrives; }
    const DriveSet& spareDriveList() const { return m_spareDrives; }
    const DriveSet& activeSpareList() const { return m_activeSpares; }
    const DriveSet& failedDriveList() const { return m_failedDrives; }

    void SpareDriveListIs(const DriveSet& spareDrives) { m_spareDrives = spareDrives; }
    // Clears logical drive n; a number outside the set is ignored.
    void RemoveLogicalDriveNumber(unsigned n);
    // Set by the operations that delete the array.
    void isDeleted(bool deleted) { m_deleted = deleted; }
    bool isDeleted() const { return m_deleted; }

    // Takes the five sets of an equal array from a newer discovery.
    void UpdateWith(const Core::DevicePtr& other) override;

    Common::string identityKey() const { return Common::string(m_dataDrives.to_string().c_str()); }

protected:
    Common::string toStringImpl() const override;

private:
    unsigned char m_arrayNumber;
    LogicalDriveSet m_logicalDrives;
    DriveSet m_dataDrives;
    DriveSet m_spareDrives;
    DriveSet m_activeSpares;
    DriveSet m_failedDrives;
    bool m_deleted = false;
};

} // namespace Schema

#endif
