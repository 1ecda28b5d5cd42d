// Registers every controller buffer layout (45 structures, 671 members) in a structure registry, in
// the order the diagnostic report lists them. Registering twice changes nothing.
#pragma once

#include "controller/structureregistry.h"

void RegisterBmicStructures(StructureRegistry& registry);
