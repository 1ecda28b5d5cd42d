// Core::attributeName - the one shared copy of an attribute name.
//
// A tree holds thousands of attributes under a few hundred names. An attribute source stores each
// name it is given as the copy returned here, so that every attribute of that name shares one text
// (Common::string copies share their buffer) instead of holding a copy of its own. Names are kept
// until the process ends. Like every Common::string, the shared names are used by one thread at a
// time, as the device model is.
#ifndef CORE_ATTRIBUTENAME_H
#define CORE_ATTRIBUTENAME_H

#include <string_view>

#include "common/ctlstring.h"

namespace Core {

const Common::string& attributeName(std::string_view name);

} // namespace Core

#endif
