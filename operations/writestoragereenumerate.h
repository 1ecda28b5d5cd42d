// Operations::WriteStorageReenumerate - rescans part of the tree below a controller or a storage
// system, chosen by ATTR_NAME_REENUMERATE_TYPE:
// - ATTR_VALUE_REENUMERATE_TYPE_LOGICAL: the arrays (with their logical drives) and the
//   initiators;
// - ATTR_VALUE_REENUMERATE_TYPE_PHYSICAL: on a storage system its controllers, then (on either)
//   the storage enclosures;
// - ATTR_VALUE_REENUMERATE_TYPE_DEFAULT or no argument: the device's whole subtree, as a rescan
//   aimed at the device.
// rebuild(device, discovery, typeName) collects the devices at or below `device` whose type is
// typeName (the device's own type when empty) and that have the discovery, and rescans each of
// them with only that discovery at it (everything below what it finds is rescanned in full).
// Because other discoveries do not run there, no child of it is removed as gone: a device that
// disappeared is dropped by the next full rescan. The result is success when every rescan step
// succeeded, ATTR_VALUE_STATUS_FAILURE otherwise; the tree keeps what was rediscovered.
#ifndef VNL_OPERATIONS_WRITESTORAGEREENUMERATE_H
#define VNL_OPERATIONS_WRITESTORAGEREENUMERATE_H

#include "core/deviceoperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemastoragesystem.h"

namespace Operations {

class WriteStorageReenumerate : public Core::DeviceOperation,
                                public Schema::VisitorArrayController,
                                public Schema::VisitorStorageSystem {
public:
    Core::OperationReturn visit(Schema::ArrayController& controller) override;
    Core::OperationReturn visit(Schema::StorageSystem& storageSystem) override;

    static Core::OperationReturnList rebuild(const Core::DevicePtr& device, const Common::string& discovery,
                                             const Common::string& typeName = Common::string());

protected:
    Common::string nameImpl() const override;
    EnType eTypeImpl() const override { return TYPE_WRITE; }

private:
    Core::OperationReturn reenumerate(const Core::DevicePtr& device, bool isStorageSystem) const;
};

} // namespace Operations

#endif
