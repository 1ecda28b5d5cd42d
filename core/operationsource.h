// Core::OperationSource - the operations a device offers.
//
// hasOperation / getOperation look an operation up by its OPERATION_* name;
// getOperation gives an empty pointer for a name the device does not have.
// performImpl is the device class's typed dispatch (see core/visitordevice.h).
#ifndef CORE_OPERATIONSOURCE_H
#define CORE_OPERATIONSOURCE_H

#include "common/containers.h"
#include "common/ctlstring.h"
#include "common/sharedptr.h"
#include "core/operationreturn.h"

namespace Core {

class DeviceOperation;
class VisitorDevice;
using DeviceOperationPtr = Common::shared_ptr<DeviceOperation>;
using DeviceOperationList = Common::list<DeviceOperationPtr>;

class OperationSource {
public:
    virtual DeviceOperationList::const_iterator beginOperation() const = 0;
    virtual DeviceOperationList::const_iterator endOperation() const = 0;
    virtual bool hasOperation(const Common::string& opName) const = 0;
    virtual DeviceOperationPtr getOperation(const Common::string& opName) const = 0;
    virtual ~OperationSource() = default;
    virtual OperationReturn performImpl(VisitorDevice& visitor) = 0;
};

// The first operation of the list with that name, or an empty pointer.
DeviceOperationPtr operationNamed(const DeviceOperationList& operations, const Common::string& opName);

} // namespace Core

#endif
