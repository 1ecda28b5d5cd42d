// Operations::DiscoverPhy (OPERATION_DISCOVER_PHYS) - the SAS phys of a physical drive,
// expander or enclosure processor, from the phy table of the device's Identify Physical Drive
// reply (sent through the device's controller channel with the device's controller index).
//
// Each phy below the reported phy count (at most the table's 256 entries) becomes a
// Schema::Phy with status ATTR_VALUE_STATUS_DEVICE_NOT_ATTACHED when its attached index is
// NOT_ATTACHED, ATTR_VALUE_STATUS_OK otherwise; its attached index and device type; and its
// negotiated link rate when the code is one linkRateToName knows. The raw device type and link
// rate code are kept as private attributes (PHY_CONNECTED_DEVICE_TYPE, PHY_LINK_RATE_CODE).
#ifndef VNL_OPERATIONS_DISCOVERPHY_H
#define VNL_OPERATIONS_DISCOVERPHY_H

#include "controller/bmiclayouts.h"
#include "operations/discoveroperation.h"
#include "schema/schemaexpander.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/schemasep.h"
#include "schema/storagemod.h"

namespace Operations {

// ATTR_VALUE_NEGOTIATED_LINK_RATE_... of a SAS negotiated link rate code; empty for another.
Common::string linkRateToName(const unsigned char& code);

class DiscoverPhy : public Schema::VisitorPhysicalDrive,
                    public Schema::VisitorExpander,
                    public Schema::VisitorSEP,
                    public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_PHYS> {
public:
    static constexpr unsigned NOT_ATTACHED = 255;
    static constexpr char PHY_CONNECTED_DEVICE_TYPE[] = "PHY_CONNECTED_DEVICE_TYPE";
    static constexpr char PHY_LINK_RATE_CODE[] = "PHY_LINK_RATE_CODE";

    Core::OperationReturn visit(Schema::PhysicalDrive& drive) override
    {
        return discover(drive, drive, drive.driveIndex());
    }
    Core::OperationReturn visit(Schema::Expander& expander) override
    {
        return discover(expander, expander, expander.bmicIndex());
    }
    Core::OperationReturn visit(Schema::SEP& sep) override { return discover(sep, sep, sep.bmicIndex()); }

    Core::OperationReturn discover(Core::Device& device, BMICDevice& channel, const unsigned short& index);

    // Publishes the phys of a phy table into `device`.
    void publishPhys(Core::Device& device, const PHYSICAL_DRIVE_STATUS& table) const;
};

} // namespace Operations

#endif
