// Core::VisitorDevice - typed access to a device.
//
// visit(Device&) hands the device to its own typed dispatch (performImpl),
// which calls the typed visit of the matching per-class visitor interface
// (Schema::Visitor<Class>) when the visitor implements it. A device class
// implements performImpl with dispatchVisit:
//
//     Core::OperationReturn Array::performImpl(Core::VisitorDevice& v)
//     { return Core::dispatchVisit<VisitorArray>(v, *this); }
//
// A visitor that does not implement the class's interface yields
// ATTR_VALUE_STATUS_PERFORM_NOT_REACHABLE.
#ifndef CORE_VISITORDEVICE_H
#define CORE_VISITORDEVICE_H

#include "common/fastcast.h"
#include "core/operationreturn.h"

namespace Core {

class Device;

class VisitorDevice {
public:
    virtual ~VisitorDevice() = default;
    virtual OperationReturn visit(Device& device);
};

template <class TypedVisitor, class DeviceClass>
OperationReturn dispatchVisit(VisitorDevice& visitor, DeviceClass& device)
{
    if (auto* typed = Common::fastCast<TypedVisitor>(&visitor))
        return typed->visit(device);
    return OperationReturn(ModelTerms::ATTR_VALUE_STATUS_PERFORM_NOT_REACHABLE);
}

} // namespace Core

#endif
