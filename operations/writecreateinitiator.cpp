#include "operations/writecreateinitiator.h"

#include <algorithm>

#include "operations/hextext.h"
#include "operations/servernames.h"
#include "operations/settingcommands.h"
#include "operations/sspfilters.h"
#include "schema/storagemod.h"

namespace Operations {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::Initiator;

Core::OperationReturn WriteCreateInitiator::visit(Schema::StorageSystem& system)
{
    if (!hasArgument(Facts::ATTR_NAME_INITIATOR_ID))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, Facts::ATTR_NAME_INITIATOR_ID);
    std::uint8_t id[8] = {};
    if (!hexBytes(getArgValue(Facts::ATTR_NAME_INITIATOR_ID), id, sizeof id) ||
        std::all_of(std::begin(id), std::end(id), [](std::uint8_t byte) { return byte == 0; }))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_INITIATOR_ID);
    return nameInitiator(system, id, getArgValue(Facts::ATTR_NAME_CONNECTION_NAME));
}

Core::FilterPtr WriteCreateInitiator::pFilterImpl() const { return Core::FilterPtr(new SspFilter()); }

} // namespace Operations
