// The registration of the interface modules' operation classes: for each device type an
// operation class applies to, the type's operation list and the class's creator are entered
// into the registration tables (core/operationregistration.h). The modules' vocabularies live in
// schema/; their registrations live here, above both the schema and the operation classes.
// DRXCommon::RegisterOperations() calls them once, in its fixed order.
#ifndef VNL_OPERATIONS_MODULEREGISTRATION_H
#define VNL_OPERATIONS_MODULEREGISTRATION_H

namespace Interface::StorageMod {

// Adds the storage module's controller status descriptions and registers the discovery, read
// and association operations with the device classes.
void InitializeModule();

} // namespace Interface::StorageMod

namespace Interface::ConfigMod {

// Registers the write operations with the device classes.
void InitializeModule();

} // namespace Interface::ConfigMod

namespace Interface::DiagnosticMod {

// Registers the diagnostic operations with the device classes.
void InitializeModule();

} // namespace Interface::DiagnosticMod

#endif
