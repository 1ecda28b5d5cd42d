// Operations::WriteDeleteArray (OPERATION_WRITE_DELETE_ARRAY) - deletes an array with every
// logical drive on it.
//
// What a caller may rely on:
// - The array's logical drives are deleted from the end of the array backwards
//   (WriteDeleteLogicalDrive::DeleteAll); the first failure ends the operation with its status,
//   the logical drives not reached still configured. The controller holds an array only while
//   it has logical drives, so the array goes with the last of them; the tree is left for the
//   caller's rescan.
// - An array that holds no logical drive (one made by create-array that got none) exists only
//   in the tree: it is marked deleted and removed from its parent, its drives become
//   unassigned again (ATTR_VALUE_DRIVE_TYPE_UNASSIGNED), and nothing is sent.
#ifndef VNL_OPERATIONS_WRITEDELETEARRAY_H
#define VNL_OPERATIONS_WRITEDELETEARRAY_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteDeleteArray : public Schema::VisitorArray,
                         public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_DELETE_ARRAY> {
public:
    Core::OperationReturn visit(Schema::Array& array) override;
};

} // namespace Operations

#endif
