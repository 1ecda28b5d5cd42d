// The parts device identifiers are made of. Most identifiers start with the identifier of the
// "box" the device belongs to - its scope: the nearest storage system at or above the device,
// or, when there is none, the nearest array controller - so that a drive reached through two
// controllers of one storage system is one device. Outside the tree (before the device is
// added) a device has no scope and these texts are empty.
#ifndef VNL_SCHEMA_DEVICESCOPE_H
#define VNL_SCHEMA_DEVICESCOPE_H

#include "common/ctlstring.h"
#include "core/device.h"

namespace Schema {

// Identifier of the device's scope, or empty.
Common::string scopeIdentifier(const Core::Device& device);

// Identifier of the device's parent, or empty.
Common::string parentIdentifier(const Core::Device& device);

// Where an identifier starts: at the device's scope or at its parent.
enum class Anchor { Scope, Parent };

// anchor identifier + tag + key, for example scope + ",LD:" + "3".
Common::string composeIdentifier(const Core::Device& device, Anchor anchor, const char* tag, const Common::string& key);

// The unsigned decimal text of a number.
Common::string decimalText(unsigned long long number);

} // namespace Schema

#endif
