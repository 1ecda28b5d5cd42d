// attributeKey gives the device model's name of an attribute (or any other
// model identifier) as the key its lookups take. Listings read the same few
// names for every device; each key is made once for the process instead of
// once a lookup. The keys are used from the command thread only.
#ifndef VNL_CLI_ATTRIBUTEKEY_H
#define VNL_CLI_ATTRIBUTEKEY_H

#include <string_view>

#include "common/ctlstring.h"

const Common::string& attributeKey(std::string_view name);

#endif
