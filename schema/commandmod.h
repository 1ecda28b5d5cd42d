// The command module: the descriptions of the controller data structures by which controller
// replies are decoded by name. The structure registry of controller/ fills itself with them once,
// on its first use (not at start-up: most commands decode nothing by name); the module adds
// nothing of its own and registers no device operations.
#ifndef VNL_SCHEMA_COMMANDMOD_H
#define VNL_SCHEMA_COMMANDMOD_H

namespace Interface::CommandMod {

void InitializeModule(bool enable);

} // namespace Interface::CommandMod

#endif
