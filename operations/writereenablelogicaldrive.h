// Operations::WriteReenableLogicalDrive (OPERATION_WRITE_REENABLE_LOGICAL_DRIVE) - brings a failed
// logical drive back into service, for example after its drives were reseated. Its data may
// not be what it was.
//
// What a caller may rely on: bypass volume state, then accept media exchange, the second only
// when the first succeeded. Offered only on a failed logical drive (FailedLogicalDriveFilter).
#ifndef VNL_OPERATIONS_WRITEREENABLELOGICALDRIVE_H
#define VNL_OPERATIONS_WRITEREENABLELOGICALDRIVE_H

#include "operations/writeoperation.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class WriteReenableLogicalDrive : public Schema::VisitorLogicalDrive,
                                  public WriteOperation<Interface::ConfigMod::OPERATION_WRITE_REENABLE_LOGICAL_DRIVE> {
public:
    Core::OperationReturn visit(Schema::LogicalDrive& drive) override;

protected:
    Core::FilterPtr pFilterImpl() const override;
};

} // namespace Operations

#endif
