#include "controller/executecommand.h"

#include <string>

#include "core/modelterms.h"

namespace {

namespace Terms = Core::ModelTerms;

void publishNumber(Core::OperationReturn& result, const char* name, unsigned value)
{
    result.Receive(Core::Attribute(name, Common::string(std::to_string(value).c_str())));
}

} // namespace

bool PublishCommandFailure(const SCSIStatus& command, Core::OperationReturn& result)
{
    publishNumber(result, Terms::ATTR_NAME_SCSI_COMMAND_STATUS, command.wCommandStatus());
    publishNumber(result, Terms::ATTR_NAME_SCSI_STATUS, command.bScsiStatus());
    publishNumber(result, Terms::ATTR_NAME_SCSI_SENSE_KEY, command.bSenseKey());
    publishNumber(result, Terms::ATTR_NAME_SCSI_ASC, command.bASC());
    publishNumber(result, Terms::ATTR_NAME_SCSI_ASCQ, command.bASCQ());
    const Common::string status =
        command.hasStatusDescription() ? command.statusDescription() : Common::string(Terms::ATTR_VALUE_STATUS_FAILURE);
    result.Receive(Core::Attribute(Terms::ATTR_NAME_STATUS, status));
    return static_cast<bool>(result);
}
