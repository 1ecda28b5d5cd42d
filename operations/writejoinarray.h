// Operations::WriteJoinArray (OPERATION_WRITE_JOIN_ARRAY) - joins the halves of a split mirrored
// array again, through the join/split logical drive command on each of its logical drives
// (operations/joinsplitlogicaldrives.h).
#ifndef VNL_OPERATIONS_WRITEJOINARRAY_H
#define VNL_OPERATIONS_WRITEJOINARRAY_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteJoinArray : public Schema::VisitorArray,
                       public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_JOIN_ARRAY> {
public:
    Core::OperationReturn visit(Schema::Array& array) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
