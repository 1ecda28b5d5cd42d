// Operations::WriteSplitArray (OPERATION_WRITE_SPLIT_ARRAY) - splits a mirrored array into two
// halves, through the join/split logical drive command on each of its logical drives
// (operations/joinsplitlogicaldrives.h).
#ifndef VNL_OPERATIONS_WRITESPLITARRAY_H
#define VNL_OPERATIONS_WRITESPLITARRAY_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarray.h"

namespace Operations {

class WriteSplitArray : public Schema::VisitorArray,
                        public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_SPLIT_ARRAY> {
public:
    Core::OperationReturn visit(Schema::Array& array) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
