// BMICForwardDevice - the BMIC channel of a device below a controller
// (array, logical drive, physical drive, enclosure ...): every call is
// handed to the parent device's BMIC channel, and so on up to the
// controller. A device with no parent, or whose parent carries no BMIC
// channel, is not remote, has no units and refuses every command.
#ifndef CONTROLLER_BMICFORWARDDEVICE_H
#define CONTROLLER_BMICFORWARDDEVICE_H

#include "controller/bmicdevice.h"

class BMICForwardDevice : public BMICDevice {
public:
    bool isRemote() const override;
    std::uint16_t maxLogicalUnits() const override;
    std::uint16_t maxPhysicalUnits() const override;
    bool sendBMICCommand(BMICRequest& request) override;
    bool usesVariableSizeBuffers() const override;
};

#endif
