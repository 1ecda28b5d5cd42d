// ConcretePassThruDevice - the SCSI channel of a device that has no library
// handle of its own (an enclosure processor, an expander): requests go to
// its controller's handle together with the device's 8-byte address.
#ifndef CONTROLLER_CONCRETEPASSTHRUDEVICE_H
#define CONTROLLER_CONCRETEPASSTHRUDEVICE_H

#include <array>

#include "controller/imgrdefs.h"
#include "controller/scsidevice.h"

class ConcretePassThruDevice : public SCSIDevice {
public:
    struct _DEVICE_ADDRESS {
        ImgrHandle controllerHandle = 0;
        std::array<std::uint8_t, 8> lunAddress{}; // as the report of physical LUNs gives it
    };

    explicit ConcretePassThruDevice(const _DEVICE_ADDRESS& address) : m_address(address) {}

    bool sendSCSICommand(SCSIRequest& request) override;
    bool rescanScsiBus() override { return false; }

    const _DEVICE_ADDRESS& address() const { return m_address; }
    void UpdateAddress(const _DEVICE_ADDRESS& address) { m_address = address; }

private:
    _DEVICE_ADDRESS m_address;
};

#endif
