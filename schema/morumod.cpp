#include "schema/morumod.h"

#include "core/modelswitches.h"
#include "schema/xmltreedump.h"

namespace Interface::MORUMod {

// The device model reads the switches through its own hooks: profiling, and the writer it
// calls with the root after every rescan.
void InitializeModule(bool debugXML, bool profiling)
{
    Core::ModelSwitches::setTreeWriter(debugXML ? &Schema::WriteTreeXMLDebugFile : nullptr);
    Core::ModelSwitches::setProfilingEnabled(profiling);
}

bool debugXMLFileEnabled() { return Core::ModelSwitches::treeWriter() != nullptr; }
bool profilingEnabled() { return Core::ModelSwitches::profilingEnabled(); }

unsigned VersionMajor() { return 4; }
unsigned VersionMinor() { return 5; }
unsigned VersionBuild() { return 15; }

} // namespace Interface::MORUMod
