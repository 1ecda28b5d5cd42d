#include "operations/writejoinarray.h"

#include "operations/joinsplitlogicaldrives.h"

namespace Operations {

Core::OperationReturn WriteJoinArray::visit(Schema::Array& array)
{
    return JoinSplitLogicalDrives(array, JOIN_SPLIT_JOIN);
}

Core::FilterPtr WriteJoinArray::pFilterImpl() const { return Core::FilterPtr(new MirroredArrayFilter()); }

} // namespace Operations
