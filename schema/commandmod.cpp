#include "schema/commandmod.h"

#include "controller/structureregistry.h"

namespace Interface::CommandMod {

// The registry fills itself with the controller buffer layouts on its first use
// (controller/structureregistry.cpp); asking for it here does that at start-up, once.
void InitializeModule(bool) { StructureRegistry::instance(); }

} // namespace Interface::CommandMod
