// DRXCommon - the start-up steps of the storage-API layer that the module root runs once.
// - RegisterOperations(): initialises the five interface modules in their fixed order (command,
//   storage-API layer with both switches off, storage, configuration, diagnostic); each
//   declares its operation classes for the device types they apply to. Then ActivateOperations.
//   Runs once per process; later calls do nothing.
// - ActivateOperations(): attaches the declared operations to the device types in the order of
//   the activation table (schema/activationtable.h); attaching again changes nothing.
// - MaskControllers(root): restricts controller discovery to the supported controller models
//   (the discoverable rows of the product table) through the root's
//   OPERATION_WRITE_ALLOWED_CONTROLLER_DISCOVERY; does nothing when the root has no such
//   operation.
#ifndef VNL_OPERATIONS_DRXCOMMON_H
#define VNL_OPERATIONS_DRXCOMMON_H

#include "core/device.h"

namespace DRXCommon {

void RegisterOperations();
void ActivateOperations();
void MaskControllers(const Core::DevicePtr& root);

} // namespace DRXCommon

#endif
