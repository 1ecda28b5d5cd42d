// Schema::SchemaDevice - what every device class of the schema shares, written once.
//
// A class Schema::X derives from SchemaDevice<X, Base, TypeName, Capacity>, which gives it its
// bases in the model's order (Common::Cloneable over Base - Core::DeviceComposite for classes
// with children, Core::Device otherwise - then the class's operation registry and its
// Common::LocalStaticAllocator record), ATTR_NAME_TYPE = TypeName from construction on, and:
// - equality and identity hash from X::identityKey(): two devices are equal when they are of
//   the same class and their identifying texts are equal (what "the same device found again"
//   means to a rescan, which merges it into the existing object);
// - performImpl handing the device to the operation's Visitor<X> interface, or
//   ATTR_VALUE_STATUS_PERFORM_NOT_REACHABLE when the operation has none.
// X supplies identityKey() and toStringImpl() (its identifier), and names the command channels
// it reaches its controller through (controller/) as further bases of its own, so that its
// constructor can give them their handles.
#ifndef VNL_SCHEMA_SCHEMADEVICE_H
#define VNL_SCHEMA_SCHEMADEVICE_H

#include <cstddef>
#include <functional>

#include "common/cloneable.h"
#include "common/fastcast.h"
#include "common/localstaticallocator.h"
#include "core/device.h"
#include "core/devicecomposite.h"
#include "core/operationregistration.h"
#include "core/visitordevice.h"
#include "schema/morumod.h"
#include "schema/visitor.h"

namespace Schema {

template <class Self, class Base, const char* TypeName, std::size_t Capacity>
class SchemaDevice : public Common::Cloneable<Base, Core::DevicePtr, Self>,
                     public Core::DeviceOperationRegistry<Self>,
                     public Common::LocalStaticAllocator<Self, Capacity, Common::LOCAL_MEM_FULL_USE_GLOBAL_HEAP> {
public:
    bool operator==(const Core::Device& other) const override
    {
        const Self* same = Common::fastCast<const Self>(&other);
        return same != nullptr && self().identityKey() == same->identityKey();
    }

    std::size_t identityHash() const override { return std::hash<Common::string>()(self().identityKey()); }

    Core::OperationReturn performImpl(Core::VisitorDevice& visitor) override
    {
        return Core::dispatchVisit<Visitor<Self>>(visitor, static_cast<Self&>(*this));
    }

protected:
    SchemaDevice() { this->Receive(Core::Attribute(Interface::MORUMod::ATTR_NAME_TYPE, TypeName)); }
    SchemaDevice(const SchemaDevice&) = default;

    // Stores a fact given to the constructor; an empty one is left out like any other.
    void publishFact(const char* name, const Core::AttributeValue& value)
    {
        this->Publish(*this, Core::Attribute(name, value), false);
    }

private:
    const Self& self() const { return static_cast<const Self&>(*this); }
};

} // namespace Schema

#endif
