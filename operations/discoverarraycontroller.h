// Operations::DiscoverArrayController - publishes the array controllers of the root (those in
// this host) and of a storage system (one per path through which it was reached).
//
// A controller is published only when its model is known and enabled by the discovery mask
// (WriteAllowedControllerDiscovery); it then carries its model, bus type, location facts and,
// when Identify Controller through its own channel succeeds, its firmware version.
//
// Location texts, which identify controllers ("AC:" + text):
// - in this host, the first rule that yields text: the subsystem identifier the controller
//   reports; "slot_" and the slot number (slot addressing, slot known); "slot_" and cabinet,
//   cell, I/O cabinet, I/O chassis, I/O bay and slot joined by "_" (cabinet addressing); the
//   known parts of the PCI address joined by "_" (PCI bus); the library handle. Models with the
//   slot-suffix trait get "b" after the two slot forms.
// - in a storage system: the path's controller text, then "_P" and the adapter port when the
//   adapter has ports.
#ifndef VNL_OPERATIONS_DISCOVERARRAYCONTROLLER_H
#define VNL_OPERATIONS_DISCOVERARRAYCONTROLLER_H

#include "controller/imgrdefs.h"
#include "core/deviceoperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class DiscoverArrayController : public Core::DeviceOperation,
                                public Schema::VisitorModRoot,
                                public Schema::VisitorStorageSystem {
public:
    Core::OperationReturn visit(Schema::ModRoot& root) override;
    Core::OperationReturn visit(Schema::StorageSystem& storageSystem) override;

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_DISCOVER; }
};

Common::string localLocationText(const ImgrHostDeviceInfo& info, const Common::string& subsystemId, ImgrHandle handle);
Common::string remoteLocationText(const Schema::StorageSystem::_STORAGE_SYSTEM_PATH& path);

} // namespace Operations

#endif
