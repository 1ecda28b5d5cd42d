#include "operations/drivelocation.h"

#include "operations/discoveroperation.h"
#include "operations/fieldtext.h"
#include "schema/storagemod.h"

namespace Operations {

void publishDriveLocation(Core::Device& drive, const PHYSICAL_DRIVE_STATUS& identity)
{
    namespace Facts = Interface::StorageMod;
    const bool known = identity.bPhysicalBox != NO_LOCATION && identity.bPhysicalBay != NO_LOCATION;
    const auto publish = [&drive](const char* name, const Core::AttributeValue& value) {
        publishFact(drive, name, value);
    };
    if (!known) {
        publish(Facts::ATTR_NAME_PORT, Facts::ATTR_VALUE_PORT_UNKNOWN);
        publish(Facts::ATTR_NAME_BOX, Facts::ATTR_VALUE_BOX_UNKNOWN);
        publish(Facts::ATTR_NAME_BAY, Facts::ATTR_VALUE_BAY_UNKNOWN);
        return;
    }
    publish(Facts::ATTR_NAME_PORT, fieldText(identity.sPhysicalPort));
    publish(Facts::ATTR_NAME_BOX, identity.bPhysicalBox);
    publish(Facts::ATTR_NAME_BAY, identity.bPhysicalBay);
}

} // namespace Operations
