#include "schema/configmod.h"

namespace Interface::ConfigMod {

// The module's operation classes are registered here as they are written; until then the
// module adds nothing to the registration tables.
void InitializeModule() {}

} // namespace Interface::ConfigMod
