// Registration of operation classes with the device types they apply to.
//
// Three process-wide tables, filled once at start-up and never emptied:
// - type table (at most 30): device type name (an ATTR_VALUE_TYPE_*
//   identifier, at most 100 characters) -> the operation list of that
//   type's DeviceOperationRegistry<Class>;
// - creator table (at most 1000): one creator per operation name;
// - dependency table (at most 1000): declared (type name, operation name)
//   pairs, each name at most 100 characters.
// A module declares its pairs with RegisterSchema and RegisterOperation; then
// Core::Device::RegisterOperation(type, operation) activates a declared pair
// by appending a new operation to the type's list (replacing one of the same
// name). The order of activation is the order in which a rescan performs a
// device's operations. Repeated registrations change nothing; a full table or
// an over-long name refuses the entry (false).
//
// Devices take their operations from their class's registry at every rescan
// (core/device.h): each device gets its own operation objects, made by the
// creators.
#ifndef CORE_OPERATIONREGISTRATION_H
#define CORE_OPERATIONREGISTRATION_H

#include <cstddef>

#include "common/ctlstring.h"
#include "core/deviceoperation.h"
#include "core/operationsource.h"

namespace Core {

inline constexpr std::size_t MAX_REGISTERED_TYPES = 30;
inline constexpr std::size_t MAX_REGISTERED_CREATORS = 1000;
inline constexpr std::size_t MAX_REGISTERED_DEPENDENCIES = 1000;
inline constexpr std::size_t MAX_REGISTERED_NAME_LENGTH = 100;

class DeviceOperationCreatorBase {
public:
    virtual ~DeviceOperationCreatorBase() = default;
    virtual DeviceOperationPtr createOperationPtr() const = 0;
};

template <class Op>
class DeviceOperationCreator : public DeviceOperationCreatorBase {
public:
    DeviceOperationPtr createOperationPtr() const override { return DeviceOperationPtr(new Op()); }
};

class OperationRegistry {
public:
    virtual DeviceOperationList::const_iterator beginRegisteredOperation() const = 0;
    virtual DeviceOperationList::const_iterator endRegisteredOperation() const = 0;
    virtual void RegisterOperation(const DeviceOperationPtr& op) = 0;
    virtual ~OperationRegistry() = default;
};

// Appends `op` to the list, replacing an operation of the same name; an
// empty pointer changes nothing.
void replaceOrAppendOperation(DeviceOperationList& operations, const DeviceOperationPtr& op);

// The operations registered for one device class (one static list per class).
template <class Class>
class DeviceOperationRegistry : public OperationRegistry {
public:
    static DeviceOperationList* DeviceOperationListPtr()
    {
        static DeviceOperationList operations;
        return &operations;
    }

    DeviceOperationList::const_iterator beginRegisteredOperation() const override
    {
        return DeviceOperationListPtr()->begin();
    }
    DeviceOperationList::const_iterator endRegisteredOperation() const override
    {
        return DeviceOperationListPtr()->end();
    }
    void RegisterOperation(const DeviceOperationPtr& op) override
    {
        replaceOrAppendOperation(*DeviceOperationListPtr(), op);
    }
};

// Records {typeName, list} unless the type is already known.
bool RegisterSchema(const Common::string& typeName, DeviceOperationList* operationList);
// Takes ownership of `creator`: learns its operation's name, declares the
// (type, name) pair and keeps the creator unless one for that name exists.
// True when the pair is declared afterwards.
bool RegisterOperation(const Common::string& typeName, DeviceOperationCreatorBase* creator);
// Appends the pair unless present; true when it appended.
bool RegisterSchemaOperationDependency(const Common::string& typeName, const Common::string& operationName);
// A new operation made by the creator registered for that name, or an empty
// pointer.
DeviceOperationPtr createOperation(const Common::string& operationName);

} // namespace Core

#endif
