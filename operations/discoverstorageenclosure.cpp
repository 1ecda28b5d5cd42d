#include "operations/discoverstorageenclosure.h"

#include "operations/drivecandidates.h"
#include "operations/fieldtext.h"
#include "operations/localcontrollerfilter.h"
#include "operations/replycache.h"
#include "schema/schemastorageenclosure.h"

namespace Operations {

namespace Facts = Interface::StorageMod::StorageEnclosure;

Core::OperationReturn DiscoverStorageEnclosure::visit(Schema::StorageSystem& system)
{
    return discover(system, system, Facts::ATTR_VALUE_LOCATION_EXTERNAL);
}

Core::OperationReturn DiscoverStorageEnclosure::visit(Schema::ArrayController& controller)
{
    return discover(controller, controller, Facts::ATTR_VALUE_LOCATION_INTERNAL);
}

Core::OperationReturn DiscoverStorageEnclosure::discover(Core::Device& device, BMICDevice& controller,
                                                         const char* location)
{
    CachedChannel channel(controller);
    return ForEachOccupiedBus(channel, [this, &device, location](unsigned, const SENSE_BUS_PARAMETERS& reply) {
        if (reply.bInquiryValid == 0)
            return;
        auto* enclosure = new Schema::StorageEnclosure(reply.bPhysicalBox);
        publishFact(*enclosure, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_OK);
        publishFact(*enclosure, Facts::ATTR_NAME_BOX, reply.bPhysicalBox);
        publishFact(*enclosure, Facts::ATTR_NAME_SERIAL_NUMBER, fieldText(reply.sChassisSerialNumber));
        publishFact(*enclosure, Facts::ATTR_NAME_LOCATION, location);
        publishInto(device, enclosure);
    });
}

Core::FilterPtr DiscoverStorageEnclosure::pFilterImpl() const { return Core::FilterPtr(new LocalControllerFilter()); }

} // namespace Operations
