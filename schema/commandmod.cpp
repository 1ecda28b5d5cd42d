#include "schema/commandmod.h"

namespace Interface::CommandMod {

// The registry fills itself with the controller buffer layouts on its first use
// (controller/structureregistry.cpp), so a command that decodes no reply by name never builds it.
void InitializeModule(bool) {}

} // namespace Interface::CommandMod
