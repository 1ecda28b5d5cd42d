// The storage-API layer's own module: the model's terms (device kinds, operation returns,
// capabilities, unavailable-operation reasons, event records; defined by the device model in
// core/modelterms.h and offered here under the module's name), the layer's version, and the two
// switches that the program sets once at start-up: the XML dump of the whole tree after every
// rescan, and the timing of every operation.
#ifndef VNL_SCHEMA_MORUMOD_H
#define VNL_SCHEMA_MORUMOD_H

#include "core/modelterms.h"

namespace Interface::MORUMod {

using namespace Core::ModelTerms;

// The module's name; the tree dump is written to this name with ".xml" appended.
inline constexpr const char MODULE_NAME[] = "MORUMod";

// Sets both switches; the console passes false for both.
void InitializeModule(bool debugXML, bool profiling);
bool debugXMLFileEnabled();
bool profilingEnabled();

// Version of the layer: 4.5.15.
unsigned VersionMajor();
unsigned VersionMinor();
unsigned VersionBuild();

// The event source of tree changes (no front end of this program subscribes to it).
VNL_IDENTIFIER(EVENT_SOURCE_MORUMOD_TREE_DELTA)

} // namespace Interface::MORUMod

#endif
