#include "schema/commandmod.h"

#include "controller/bmicstructuretable.h"
#include "controller/structureregistry.h"

namespace Interface::CommandMod {

// Registers the controller buffer layouts by which replies are decoded by name; registering them
// again changes nothing, whatever the flag says.
void InitializeModule(bool) { RegisterBmicStructures(StructureRegistry::instance()); }

} // namespace Interface::CommandMod
