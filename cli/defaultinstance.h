// findDefaultInstanceFor: the default value an operation offers for one of
// its arguments. Below `capability` (an operation's root capability) it finds
// the class whose ATTR_NAME_ATTRIBUTE_NAME is `attribute`, and below that the
// instance marked ATTR_VALUE_DEFAULT_VALUE_TRUE. Empty when there is no such
// class or no default instance.
#ifndef VNL_CLI_DEFAULTINSTANCE_H
#define VNL_CLI_DEFAULTINSTANCE_H

#include <string>

#include "core/capability.h"

Core::CapabilityPtr findDefaultInstanceFor(const std::string& attribute, const Core::CapabilityPtr& capability);

#endif
