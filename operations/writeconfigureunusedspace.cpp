#include "operations/writeconfigureunusedspace.h"

#include "operations/filtercreatelogicaldrive.h"
#include "operations/writecreatelogicaldrive.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

namespace Operations {

Core::FilterPtr WriteConfigureUnusedSpace::pFilterImpl() const
{
    return Core::FilterPtr(new FilterCreateLogicalDrive());
}

Core::OperationReturn WriteConfigureUnusedSpace::visit(Schema::Array& array)
{
    namespace Facts = Interface::StorageMod::LogicalDrive;
    WriteCreateLogicalDrive create;
    if (hasArgument(Facts::ATTR_NAME_RAID))
        create.SetArgument({ACTION_SET, Core::Attribute(Facts::ATTR_NAME_RAID, getArgValue(Facts::ATTR_NAME_RAID))});
    return create.visit(array);
}

} // namespace Operations
