#include "operations/writeclearconfiguration.h"

#include "operations/writedeletelogicaldrive.h"

namespace Operations {

Core::OperationReturn WriteClearConfiguration::visit(Schema::ArrayController& controller)
{
    return WriteDeleteLogicalDrive::DeleteAll(controller);
}

Core::OperationReturn WriteClearConfiguration::visit(Schema::StorageSystem& system)
{
    return WriteDeleteLogicalDrive::DeleteAll(system);
}

} // namespace Operations
