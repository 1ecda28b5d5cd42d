// Schema::ControllerChannels - the three command channels of a device that the library knows by
// a controller handle (an array controller, a storage system): BMIC, the alternate command
// interface, and SCSI, all on the same handle. The handle comes with the BMIC channel that
// discovery sets up; a device found again takes the newer channel's handle.
#ifndef VNL_SCHEMA_CONTROLLERCHANNELS_H
#define VNL_SCHEMA_CONTROLLERCHANNELS_H

#include "controller/caisdevice.h"
#include "controller/concretebmicdevice.h"
#include "controller/concretescsidevice.h"

namespace Schema {

class ControllerChannels : public ConcreteBMICDevice, public ConcreteCAISDevice, public ConcreteSCSIDevice {
public:
    explicit ControllerChannels(const ConcreteBMICDevice& bmic)
        : ConcreteBMICDevice(bmic), ConcreteCAISDevice(bmic.handle()), ConcreteSCSIDevice(bmic.handle())
    {
    }

    ImgrHandle handle() const { return ConcreteBMICDevice::handle(); }

    void UpdateHandle(ImgrHandle handle)
    {
        ConcreteBMICDevice::UpdateHandle(handle);
        ConcreteCAISDevice::UpdateHandle(handle);
        ConcreteSCSIDevice::UpdateHandle(handle);
    }
};

} // namespace Schema

#endif
