#include "operations/writefailphysicaldrive.h"

#include "controller/bmiccommands.h"
#include "operations/replycache.h"
#include "operations/settingfilters.h"

namespace Operations {

Core::OperationReturn WriteFailPhysicalDrive::visit(Schema::PhysicalDrive& drive)
{
    FAIL_PHYSICAL_DRIVE_OPERATION request{};
    request.wPhysicalDrive = drive.driveIndex();
    Core::OperationReturn result;
    SetControllerCommand<FailPhysicalDriveTrait> fail(request);
    executeWriteCommand(fail, drive, result);
    return result;
}

Core::FilterPtr WriteFailPhysicalDrive::pFilterImpl() const { return Core::FilterPtr(new EnclosureControllerFilter()); }

} // namespace Operations
