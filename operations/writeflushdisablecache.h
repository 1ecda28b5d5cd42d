// Operations::WriteFlushDisableCache (OPERATION_WRITE_FLUSH_DISABLE_CACHE) - writes the
// controller's cache out to the drives and, on request, leaves it off.
//
// What a caller may rely on: ATTR_NAME_CACHE_FLAG is required (ATTR_VALUE_STATUS_ARGUMENT_MISSING
// without it); ATTR_VALUE_CACHE_FLAG_DISABLE flushes and disables, any other value only
// flushes. One flush-disable-cache command.
#ifndef VNL_OPERATIONS_WRITEFLUSHDISABLECACHE_H
#define VNL_OPERATIONS_WRITEFLUSHDISABLECACHE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemaarraycontroller.h"

namespace Operations {

class WriteFlushDisableCache : public Schema::VisitorArrayController,
                               public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_FLUSH_DISABLE_CACHE> {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
};

} // namespace Operations

#endif
