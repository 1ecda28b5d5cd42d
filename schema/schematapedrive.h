// Schema::TapeDrive - a tape drive attached to a controller, drive cage or storage system. It
// has no children.
//
// Made from its controller drive index, which becomes ATTR_NAME_DEVICE_NUMBER. Identified by
// scope + ",TD:" + that index; tape drives with the same index are the same tape drive.
#ifndef VNL_SCHEMA_SCHEMATAPEDRIVE_H
#define VNL_SCHEMA_SCHEMATAPEDRIVE_H

#include "controller/bmicforwarddevice.h"
#include "controller/concretescsidevice.h"
#include "schema/keyeddevice.h"
#include "schema/schemacapacities.h"
#include "schema/storagemod.h"

namespace Schema {

class TapeDrive;
using VisitorTapeDrive = Visitor<TapeDrive>;

class TapeDrive : public NumberedDevice<TapeDrive, Core::Device, Interface::MORUMod::ATTR_VALUE_TYPE_TAPE_DRIVE,
                                        MAX_EMBEDDED_TAPEDRIVE_OBJECTS, Anchor::Scope, TAPE_DRIVE_TAG, unsigned short>,
                  public BMICForwardDevice,
                  public ConcreteSCSIDevice {
public:
    // `handle` is the library's handle of the tape drive, which its SCSI channel uses.
    TapeDrive(unsigned short driveIndex, ImgrHandle handle) : NumberedDevice(driveIndex), ConcreteSCSIDevice(handle)
    {
        publishFact(Interface::StorageMod::TapeDrive::ATTR_NAME_DEVICE_NUMBER, driveIndex);
    }
    unsigned short driveIndex() const { return number(); }

    // Takes the handle of an equal tape drive from a newer discovery.
    void UpdateWith(const Core::DevicePtr& other) override
    {
        if (const TapeDrive* newer = dynamic_cast<const TapeDrive*>(other.get()))
            UpdateHandle(newer->handle());
    }
};

} // namespace Schema

#endif
