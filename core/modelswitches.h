// Process-wide switches of the device model, set once at start-up by the
// module that owns them (the storage-API layer's InitializeModule) before any
// rescan runs:
// - profiling: operation returns and rescan summaries carry
//   ATTR_NAME_PERFORM_TIME, and every return is written to the log;
// - tree writer: when set, called with the root after every rescan (the XML
//   dump of the whole tree).
// Both are off until set.
#ifndef CORE_MODELSWITCHES_H
#define CORE_MODELSWITCHES_H

#include <optional>

#include "common/synchronizationthread.h"

namespace Core {

class Device;
class OperationReturn;

namespace ModelSwitches {

using TreeWriter = void (*)(Device& root);

void setProfilingEnabled(bool enabled);
bool profilingEnabled();
void setTreeWriter(TreeWriter writer); // null: no dump
TreeWriter treeWriter();

// Times an operation from its construction when profiling is on (and reads no clock when off):
// publish() then stamps ATTR_NAME_PERFORM_TIME (seconds as text) on `result`.
class PerformTimer {
public:
    PerformTimer();
    void publish(OperationReturn& result) const;

private:
    std::optional<Common::Synchronization::Timer> m_timer;
};

} // namespace ModelSwitches
} // namespace Core

#endif
