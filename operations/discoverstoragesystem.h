// Operations::DiscoverStorageSystem - publishes into the root the external storage systems
// reached through the host bus adapters of this host.
//
// Every array controller behind every fibre adapter is asked whether it is the active one of its
// pair, and for its subsystem information; controllers of an unknown or masked model, or that
// name no chassis serial number, are skipped. The chassis serial number is the storage system's
// key: the first controller met with a new key makes the storage system (its name is the model
// identifier with CONTROLLER_NAME replaced by STORAGE_SYSTEM_NAME, its bus fibre), every
// controller adds a path (adapter, adapter port, controller), and the storage system speaks
// through its active controller when one is met. Its reader (ReadStorageSystemInfo) reads the
// rest, the access list included.
//
// IsControllerActive: Sense Redundant Parameters; `active` is bit 0 of the slot-control byte,
// `state` the controller status byte; false (and inactive) when the command fails.
#ifndef VNL_OPERATIONS_DISCOVERSTORAGESYSTEM_H
#define VNL_OPERATIONS_DISCOVERSTORAGESYSTEM_H

#include "controller/concretebmicdevice.h"
#include "core/deviceoperation.h"
#include "schema/schemamodroot.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class DiscoverStorageSystem : public Core::DeviceOperation, public Schema::VisitorModRoot {
public:
    using StorageSystemPtr = Common::shared_ptr<Schema::StorageSystem>;
    using StorageSystemList = Common::list<StorageSystemPtr>;

    Core::OperationReturn visit(Schema::ModRoot& root) override;

    // Appends the storage systems found, in the order their first controller was met.
    static void FindStorageSystems(StorageSystemList& found);

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_DISCOVER; }
};

bool IsControllerActive(ConcreteBMICDevice& controller, bool& active, unsigned char& state);

// The name of a storage system of the model: the model identifier with its CONTROLLER_NAME part
// replaced by STORAGE_SYSTEM_NAME.
Common::string storageSystemName(const Common::string& model);

} // namespace Operations

#endif
