// Operations::WriteAutoConfigureStorage (OPERATION_WRITE_AUTO_CONFIGURE_STORAGE) - puts every
// unassigned drive and all the unused array space of a controller or storage system to use at
// one RAID level.
//
// What a caller may rely on:
// - Arguments as configure-unassigned (operations/writeconfigureunassignedphysicaldrive.h):
//   ATTR_NAME_RAID and, optionally, ATTR_NAME_ASSIGN_SPARE.
// - First the unassigned drives become one array with one logical drive (configure-unassigned);
//   when that succeeded, every array that had room for a logical drive gets one of the largest
//   size (configure-unused-space), in tree order.
// - The level is checked against the new array and against every array to fill before anything
//   is written: one that cannot make it is ATTR_VALUE_STATUS_ARGUMENT_INVALID naming
//   ATTR_NAME_RAID.
// - The first failure ends it and is the return; what was written before it stays. The device's
//   arrays and logical drives are read again after each logical drive, so that the next one
//   takes a free number and sees the space that is left.
// - It applies where an unassigned drive is left (FilterCreateArray).
#ifndef VNL_OPERATIONS_WRITEAUTOCONFIGURESTORAGE_H
#define VNL_OPERATIONS_WRITEAUTOCONFIGURESTORAGE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteAutoConfigureStorage : public Schema::VisitorArrayController,
                                  public Schema::VisitorStorageSystem,
                                  public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_AUTO_CONFIGURE_STORAGE> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& storageSystem) override;

protected:
    Core::FilterPtr pFilterImpl() const override;

private:
    Core::OperationReturn configure(Core::Device& device);
};

} // namespace Operations

#endif
