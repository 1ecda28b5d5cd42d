// Schema::Visitor<Class> - the typed visitor interface of one device class. An operation derives
// from the visitor of every device class it applies to and implements visit for each; a device
// hands itself to the visitor of its own class (Schema::SchemaDevice::performImpl). Each class
// header names its interface in the usual way: Schema::VisitorArray is Visitor<Schema::Array>.
#ifndef VNL_SCHEMA_VISITOR_H
#define VNL_SCHEMA_VISITOR_H

#include "core/operationreturn.h"

namespace Schema {

template <class DeviceClass>
class Visitor {
public:
    virtual ~Visitor() = default;
    virtual Core::OperationReturn visit(DeviceClass& device) = 0;
};

} // namespace Schema

#endif
