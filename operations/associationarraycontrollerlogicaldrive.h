// Operations::AssociationArrayControllerLogicalDrive - links each logical drive of a storage
// system to the visited controller of that storage system when the controller is the drive's
// preferred path (ASSOCIATION_PREFERRED_PATH, PreferredPathPredicate). The link goes from the
// drive to the controller only: devices hold the devices they are associated with, and a link
// back from the controller would make the two hold each other.
#ifndef VNL_OPERATIONS_ASSOCIATIONARRAYCONTROLLERLOGICALDRIVE_H
#define VNL_OPERATIONS_ASSOCIATIONARRAYCONTROLLERLOGICALDRIVE_H

#include "operations/associationoperation.h"
#include "schema/schemaarraycontroller.h"
#include "schema/storagemod.h"

namespace Operations {

class AssociationArrayControllerLogicalDrive
    : public AssociationOperation<Schema::ArrayController,
                                  Interface::StorageMod::OPERATION_ASSOCIATION_ARRAY_CONTROLLER_LOGICAL_DRIVE> {
protected:
    void associate(const Core::DevicePtr& controller) override;
};

} // namespace Operations

#endif
