// What the controller-settings writes share: the sense-modify-set round of a settings block,
// the write-back of the set of logical drives whose array accelerator is on, the logical drive
// an argument names, and the returns they give for a bad argument.
//
// What a caller may rely on:
// - changeSettings senses the block with SenseTrait, lets `change` edit it and sends it back
//   with SetTrait; nothing is sent back when the sense failed. Every set drops the reply cache
//   (executeWriteCommand).
// - writeAcceleratorSet writes `enabled` (bit n = logical drive n) into a sensed cache
//   configuration: bDisableFlag 1 and an all-ones disabled map when no drive is enabled, else
//   bDisableFlag 0 and the complement of the set. A low-level buffer underrun counts as
//   success, as controllers answer a shorter cache block with one.
#ifndef VNL_OPERATIONS_SETTINGCOMMANDS_H
#define VNL_OPERATIONS_SETTINGCOMMANDS_H

#include <cstdint>

#include "controller/bmiccommands.h"
#include "controller/bmicdevice.h"
#include "controller/bmiclayouts.h"
#include "core/device.h"
#include "core/operationreturn.h"
#include "operations/replycache.h"

namespace Operations {

// The logical drive below `scope` whose unique identifier is `id`, or none.
Core::DevicePtr logicalDriveBelow(const Core::Device& scope, const Common::string& id);

// A return of `status` naming the argument `name`.
Core::OperationReturn argumentFailure(const char* status, const char* name);

// Success in place of a low-level buffer underrun; any other return as it is.
Core::OperationReturn underrunIsSuccess(const Core::OperationReturn& result);

// `field` with the bits of `mask` set when `on`, cleared otherwise.
template <class Field>
Field withBits(Field field, std::uint32_t mask, bool on)
{
    return static_cast<Field>(on ? field | mask : field & ~mask);
}

// The logical drives whose accelerator a cache configuration reports on.
std::uint32_t enabledAccelerators(const CACHE_CONFIG_STATUS& cache);

Core::OperationReturn writeAcceleratorSet(BMICDevice& channel, CACHE_CONFIG_STATUS cache, std::uint32_t enabled);

template <class SenseTrait, class SetTrait, class Change>
Core::OperationReturn changeSettings(BMICDevice& channel, Change change)
{
    Core::OperationReturn result;
    SenseControllerCommand<SenseTrait> sense;
    if (!executeCommand(sense, channel, result) || !result)
        return result;
    typename SetTrait::BufferType block = sense.result();
    change(block);
    SetControllerCommand<SetTrait> set(block);
    executeWriteCommand(set, channel, result);
    return result;
}

template <class Change>
Core::OperationReturn changeControllerParameters(BMICDevice& channel, Change change)
{
    return changeSettings<SenseControllerParametersTrait, SetControllerParametersTrait>(channel, change);
}

template <class Change>
Core::OperationReturn changeRedundantParameters(BMICDevice& channel, Change change)
{
    return changeSettings<SenseRedundantParameterTrait, SetRedundantParameterTrait>(channel, change);
}

} // namespace Operations

#endif
