// Operations::ReadOperation - what the read operations share: their name and kind, and the
// publishing and clearing of the facts they read into the device they visit.
//
// A read operation only changes attributes of the device it visits (and, for a rebuild, the
// status of the drive being rebuilt); it never adds or removes devices. Every fact goes through
// the empty-value rule, so a fact the controller leaves blank is simply absent.
#ifndef VNL_OPERATIONS_READOPERATION_H
#define VNL_OPERATIONS_READOPERATION_H

#include "core/deviceoperation.h"

namespace Operations {

template <const char* Name>
class ReadOperation : public Core::DeviceOperation {
protected:
    Common::string nameImpl() const override { return Name; }
    EnType eTypeImpl() const override { return TYPE_READ; }
};

// Publishes one fact into a device; an empty value is left out.
void publishReading(Core::Device& device, const char* name, Core::AttributeValue value);
// Removes a fact the device may hold from an earlier reading.
void clearReading(Core::Device& device, const char* name);

} // namespace Operations

#endif
