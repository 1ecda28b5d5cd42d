#include "operations/writeflushdisablecache.h"

#include "controller/bmiccommands.h"
#include "operations/settingcommands.h"

namespace Operations {

Core::OperationReturn WriteFlushDisableCache::visit(Schema::ArrayController& controller)
{
    namespace Config = Interface::ConfigMod;
    if (!hasArgument(Config::ATTR_NAME_CACHE_FLAG))
        return argumentFailure(Interface::MORUMod::ATTR_VALUE_STATUS_ARGUMENT_MISSING, Config::ATTR_NAME_CACHE_FLAG);
    FLUSH_DISABLE_CACHE request{};
    request.wDisableFlag = getArgValue(Config::ATTR_NAME_CACHE_FLAG) == Config::ATTR_VALUE_CACHE_FLAG_DISABLE ? 1 : 0;
    Core::OperationReturn result;
    SetControllerCommand<FlushDisableCacheTrait> flush(request);
    executeWriteCommand(flush, controller, result);
    return result;
}

} // namespace Operations
