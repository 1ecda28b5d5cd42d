#include "operations/writemanagearrayaccelerator.h"

#include "controller/bmiccommands.h"
#include "operations/readlogicaldriveinfo.h"
#include "operations/settingcommands.h"
#include "operations/settingfilters.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;

// The bit of the logical drive `id` names below `scope`; false when there is none.
bool driveBit(const Core::Device& scope, const Common::string& id, std::uint32_t& bit)
{
    const Core::DevicePtr drive = logicalDriveBelow(scope, id);
    std::uint16_t number = 0;
    if (!drive || !ReadLogicalDriveInfo::driveNumber(*drive, number) || number >= 32)
        return false;
    bit = 1u << number;
    return true;
}

} // namespace

Core::OperationReturn WriteManageArrayAccelerator::visit(Schema::ArrayController& controller)
{
    return manage(controller, controller);
}

Core::OperationReturn WriteManageArrayAccelerator::visit(Schema::StorageSystem& system)
{
    return manage(system, system);
}

Core::FilterPtr WriteManageArrayAccelerator::pFilterImpl() const { return Core::FilterPtr(new CacheBoardFilter()); }

Core::OperationReturn WriteManageArrayAccelerator::manage(Core::Device& scope, BMICDevice& channel) const
{
    Core::OperationReturn result;
    SenseControllerCommand<SenseControllerCacheConfigStatusTrait> sense;
    if (!executeCommand(sense, channel, result) || !result)
        return result;
    std::uint32_t enabled = 0;
    if (!enabledSet(scope, enabledAccelerators(sense.result()), enabled))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, ATTR_NAME_UNIQUE_ID);
    return writeAcceleratorSet(channel, sense.result(), enabled);
}

bool WriteManageArrayAccelerator::enabledSet(const Core::Device& scope, std::uint32_t current,
                                             std::uint32_t& enabled) const
{
    bool fromCurrent = false;
    enabled = 0;
    for (auto argument = beginArgument(); argument != endArgument(); ++argument) {
        const Core::Attribute& named = argument->second;
        std::uint32_t bit = 0;
        if (named.first != ATTR_NAME_UNIQUE_ID)
            continue;
        if (!driveBit(scope, named.second.toString(), bit))
            return false;
        const bool relative = argument->first == ACTION_ADD || argument->first == ACTION_REMOVE;
        if (relative && !fromCurrent) {
            enabled |= current;
            fromCurrent = true;
        }
        if (argument->first == ACTION_REMOVE)
            enabled &= ~bit;
        else
            enabled |= bit;
    }
    return true;
}

} // namespace Operations
