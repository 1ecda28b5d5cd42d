// The command module: registers the descriptions of the controller data structures by which
// controller replies are decoded by name. It registers no device operations.
#ifndef VNL_SCHEMA_COMMANDMOD_H
#define VNL_SCHEMA_COMMANDMOD_H

namespace Interface::CommandMod {

void InitializeModule(bool enable);

} // namespace Interface::CommandMod

#endif
