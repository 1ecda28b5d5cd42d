#include "operations/discoverphy.h"

#include <algorithm>

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "operations/silentdrive.h"
#include "schema/schemaphy.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::Phy;

struct LinkRate {
    unsigned char code;
    const char* name;
};

constexpr LinkRate LINK_RATES[] = {
    {0, Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_UNKNOWN},
    {1, Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_PHY_DISABLED},
    {2, Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_NEGOTIATION_FAILED},
    {3, Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_SATA_SPIN_UP_HOLD},
    {8, Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_1_5_GBPS},
    {9, Facts::ATTR_VALUE_NEGOTIATED_LINK_RATE_3_0_GBPS},
};

} // namespace

Common::string linkRateToName(const unsigned char& code)
{
    for (const LinkRate& rate : LINK_RATES)
        if (rate.code == code)
            return rate.name;
    return Common::string();
}

void DiscoverPhy::publishPhys(Core::Device& device, const PHYSICAL_DRIVE_STATUS& table) const
{
    const unsigned count = std::min<unsigned>(table.wPHYCount, sizeof table.bNegotiatedLinkRate);
    for (unsigned i = 0; i < count; ++i) {
        const unsigned attached = table.wPHYToAttachedDeviceIndex[i];
        const unsigned char type = table.bPHYConnectedDeviceType[i];
        const unsigned char rate = table.bNegotiatedLinkRate[i];
        auto* phy = new Schema::Phy(i);
        publishFact(*phy, Facts::ATTR_NAME_STATUS,
                    attached == NOT_ATTACHED ? Facts::ATTR_VALUE_STATUS_DEVICE_NOT_ATTACHED
                                             : Facts::ATTR_VALUE_STATUS_OK);
        publishFact(*phy, Facts::ATTR_NAME_ATTACHED_BMIC_INDEX, attached);
        publishFact(*phy, Facts::ATTR_NAME_ATTACHED_DEVICE_TYPE, type);
        publishFact(*phy, Facts::ATTR_NAME_NEGOTIATED_LINK_RATE, linkRateToName(rate));
        phy->ReceivePrivateAttribute(Core::PrivateAttribute(PHY_CONNECTED_DEVICE_TYPE, Common::Any(type)));
        phy->ReceivePrivateAttribute(Core::PrivateAttribute(PHY_LINK_RATE_CODE, Common::Any(rate)));
        publishInto(device, phy);
    }
}

Core::OperationReturn DiscoverPhy::discover(Core::Device& device, BMICDevice& channel, const unsigned short& index)
{
    Core::OperationReturn result;
    SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> identity(index);
    if (executeCommand(identity, channel, result) && result)
        publishPhys(device, identity.result());
    // A drive that does not answer shows no phys; its controller is not at fault.
    return isSilentDrive(identity) ? Core::OperationReturn() : result;
}

} // namespace Operations
