#include "operations/writesplitarray.h"

#include "operations/joinsplitlogicaldrives.h"

namespace Operations {

Core::OperationReturn WriteSplitArray::visit(Schema::Array& array)
{
    return JoinSplitLogicalDrives(array, JOIN_SPLIT_SPLIT);
}

Core::FilterPtr WriteSplitArray::pFilterImpl() const { return Core::FilterPtr(new MirroredArrayFilter()); }

} // namespace Operations
