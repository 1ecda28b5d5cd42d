#include "schema/diagnosticmod.h"

namespace Interface::DiagnosticMod {

// The module's operation classes are registered here as they are written; until then the
// module adds nothing to the registration tables.
void InitializeModule() {}

} // namespace Interface::DiagnosticMod
