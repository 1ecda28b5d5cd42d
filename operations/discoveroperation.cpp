#include "operations/discoveroperation.h"

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"

namespace Operations {

void publishFact(Core::Device& device, const char* name, const Core::AttributeValue& value)
{
    device.Publish(device, Core::Attribute(name, value), false);
}

Core::OperationReturn IdentifyController(BMICDevice& channel, IDENTIFY_CONTROLLER& identify)
{
    Core::OperationReturn result;
    SenseControllerCommand<IdentifyControllerTrait> command;
    if (executeCommand(command, channel, result) && result)
        identify = command.result();
    return result;
}

} // namespace Operations
