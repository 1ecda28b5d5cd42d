// Operations::ReadScope - how much of each device the readers of a rescan ask for. A command
// that prints little reads little:
// - Identity: a controller says who it is and its serial numbers (and a remote one its
//   redundancy, which decides whether it is listed); no settings, no check of its logical
//   drives or host adapter.
// - Configuration: what a configuration listing prints. Controllers leave out their settings
//   (cache, parameters, surface scan); logical drives their label and unique identifier, surface
//   scan, array accelerator and preferred path.
// - Whole: everything (the default).
// CDRXModRoot sets the scope around one rescan and puts Whole back after it.
#ifndef VNL_OPERATIONS_READSCOPE_H
#define VNL_OPERATIONS_READSCOPE_H

namespace Operations {

enum class ReadScope { Identity, Configuration, Whole };

ReadScope readScope();
void readScope(ReadScope scope);

} // namespace Operations

#endif
