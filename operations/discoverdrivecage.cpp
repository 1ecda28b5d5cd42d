#include "operations/discoverdrivecage.h"

#include "operations/drivecandidates.h"
#include "operations/fieldtext.h"
#include "operations/replycache.h"
#include "schema/devicescope.h"
#include "schema/schemadrivecage.h"

namespace Operations {

namespace Facts = Interface::StorageMod::DriveCage;

Common::string DiscoverDriveCage::duplexLocation(const Common::string& productID)
{
    if (productID.size() <= 15 || productID[14] != 'D')
        return Common::string();
    if (productID[15] == 'B')
        return Facts::ATTR_VALUE_DUPLEX_LOCATION_BOTTOM;
    if (productID[15] == 'T')
        return Facts::ATTR_VALUE_DUPLEX_LOCATION_TOP;
    return Common::string();
}

Core::Device* DiscoverDriveCage::driveCageFor(unsigned bus, const SENSE_BUS_PARAMETERS& reply)
{
    auto* cage = new Schema::DriveCage(Schema::decimalText(bus));
    const BOX_INQUIRY_DATA& inquiry = reply.boxInquiryData;
    const Common::string product = fieldText(inquiry.sProductID);
    const auto publish = [cage](const char* name, const Core::AttributeValue& value) {
        publishFact(*cage, name, value);
    };
    publish(Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_OK);
    publish(Facts::ATTR_NAME_BUS, bus);
    publish(Facts::ATTR_NAME_PORT, fieldText(reply.sPhysicalPort));
    publish(Facts::ATTR_NAME_VENDOR_ID, fieldText(inquiry.sVendorID));
    publish(Facts::ATTR_NAME_PRODUCT_ID, product);
    publish(Facts::ATTR_NAME_FIRMWARE_REVISION, fieldText(inquiry.sProductRevision));
    publish(Facts::ATTR_NAME_DRIVE_BAYS, reply.bBayCount);
    publish(Facts::ATTR_NAME_DUPLEX_LOCATION, duplexLocation(product));
    return cage;
}

Core::OperationReturn DiscoverDriveCage::visit(Schema::StorageEnclosure& enclosure)
{
    CachedChannel channel(enclosure);
    return ForEachOccupiedBus(channel, [this, &enclosure](unsigned bus, const SENSE_BUS_PARAMETERS& reply) {
        if (reply.bPhysicalBox == enclosure.boxIndex() && isDriveCage(reply))
            publishInto(enclosure, driveCageFor(bus, reply));
    });
}

} // namespace Operations
