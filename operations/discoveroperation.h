// Operations::DiscoverOperation - what the discover operations of arrays, drives and enclosures
// share: their name and kind, the publishing of a found device into the device visited, and
// the Identify Controller command most of them start with.
//
// The discoveries ask their controller questions (identify, logical drive configuration and
// status, bus parameters) through the rescan's reply cache (operations/replycache.h), so that a
// question several operations ask in one rescan reaches the controller once; commands
// addressed to a single drive go straight to the controller.
#ifndef VNL_OPERATIONS_DISCOVEROPERATION_H
#define VNL_OPERATIONS_DISCOVEROPERATION_H

#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "core/deviceoperation.h"

namespace Operations {

template <const char* Name>
class DiscoverOperation : public Core::DeviceOperation {
protected:
    Common::string nameImpl() const override { return Name; }
    EnType eTypeImpl() const override { return TYPE_DISCOVER; }

    // Hands a device made by this discovery to its parent, which keeps an equal one it
    // already has and merges the new facts into it.
    void publishInto(Core::Device& parent, Core::Device* found) const { PublishDevice(parent, Core::DevicePtr(found)); }
};

// Publishes one fact into a device (an empty value is left out, as every fact is).
void publishFact(Core::Device& device, const char* name, const Core::AttributeValue& value);

// Sends Identify Controller through `channel` into `identify`; the return is the command's.
Core::OperationReturn IdentifyController(BMICDevice& channel, IDENTIFY_CONTROLLER& identify);

} // namespace Operations

#endif
