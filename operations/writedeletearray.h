// Operations::WriteDeleteArray (OPERATION_WRITE_DELETE_ARRAY) - removes an array from the tree.
//
// What a caller may rely on:
// - An array that holds no logical drive (one made by create-array that got none) exists only
//   in the tree: it is marked deleted and removed from its parent, its drives become
//   unassigned again (ATTR_VALUE_DRIVE_TYPE_UNASSIGNED), and nothing is sent.
// - An array with logical drives is not removed here: its filter (DeleteableArrayFilter)
//   refuses it with ATTR_VALUE_UNAVAILABLE_REASON_NOT_ALL_LOGICAL_DRIVES_DELETEABLE, and
//   performed anyway the result is ATTR_VALUE_STATUS_FAILURE and nothing changes.
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

    class DeleteableArrayFilter : public Core::Filter {
    protected:
        Core::FilterReturn applyImpl(const Core::DevicePtr& device) const override;
    };

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
