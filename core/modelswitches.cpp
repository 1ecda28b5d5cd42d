#include "core/modelswitches.h"

#include <string>

#include "core/operationreturn.h"

namespace Core::ModelSwitches {

namespace {

bool s_profiling = false;
TreeWriter s_treeWriter = nullptr;

} // namespace

void setProfilingEnabled(bool enabled) { s_profiling = enabled; }

bool profilingEnabled() { return s_profiling; }

void setTreeWriter(TreeWriter writer) { s_treeWriter = writer; }

TreeWriter treeWriter() { return s_treeWriter; }

PerformTimer::PerformTimer()
{
    if (s_profiling)
        m_timer.emplace();
}

void PerformTimer::publish(OperationReturn& result) const
{
    if (m_timer)
        result.PublishAttribute(
            result, Attribute(ModelTerms::ATTR_NAME_PERFORM_TIME, std::to_string(m_timer->elapsedSeconds()).c_str()));
}

} // namespace Core::ModelSwitches
