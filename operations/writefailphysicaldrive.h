// Operations::WriteFailPhysicalDrive (OPERATION_WRITE_FAIL_PHYSICAL_DRIVE) - powers a physical
// drive down by failing it on purpose, so that it can be pulled; a spare takes over as after a
// real failure.
//
// What a caller may rely on: one fail-physical-drive command whose buffer names the drive by its
// controller drive index (wPhysicalDrive) and is zero otherwise. Offered only on drives behind
// the enclosure controller model (EnclosureControllerFilter).
#ifndef VNL_OPERATIONS_WRITEFAILPHYSICALDRIVE_H
#define VNL_OPERATIONS_WRITEFAILPHYSICALDRIVE_H

#include "operations/writeoperation.h"
#include "schema/diagnosticmod.h"
#include "schema/schemaphysicaldrive.h"

namespace Operations {

class WriteFailPhysicalDrive : public Schema::VisitorPhysicalDrive,
                               public WriteOperation<Interface::DiagnosticMod::OPERATION_WRITE_FAIL_PHYSICAL_DRIVE> {
public:
    Core::OperationReturn visit(Schema::PhysicalDrive& drive) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
