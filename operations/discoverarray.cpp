#include "operations/discoverarray.h"

#include "operations/arrayinfo.h"
#include "operations/discoverlogicaldrive.h"
#include "operations/localcontrollerfilter.h"
#include "operations/replycache.h"
#include "schema/schemaarray.h"

namespace Operations {

Core::OperationReturn DiscoverArray::discover(Core::Device& device, BMICDevice& controller)
{
    CachedChannel channel(controller);
    IDENTIFY_CONTROLLER identify{};
    Core::OperationReturn result = IdentifyController(channel, identify);
    if (!result)
        return result;

    ArrayInfoList perLogicalDrive;
    result = ScanLogicalDrives(channel, identify, perLogicalDrive);
    if (!result)
        return result;

    ArrayInfoList arrays;
    for (const _ArrayInfo& record : perLogicalDrive)
        AddArrayInfoToList(record, arrays, false);
    for (const _ArrayInfo& record : ArraysWithoutLogicalDrives(device))
        AddArrayInfoToList(record, arrays, true);

    DiscoverLogicalDrive::RememberHandles(device);
    unsigned number = 0;
    for (const _ArrayInfo& record : arrays)
        publishInto(device,
                    new Schema::Array(static_cast<unsigned char>(number++), record.logicalDrives, record.dataDrives,
                                      record.spareDrives, record.activeSpares, record.failedDrives));
    return result;
}

Core::FilterPtr DiscoverArray::pFilterImpl() const { return Core::FilterPtr(new LocalControllerFilter()); }

} // namespace Operations
