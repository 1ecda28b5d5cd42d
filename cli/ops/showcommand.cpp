// The show command of StorageCLI: the plain and detailed listings of the
// selected devices, the status summary, the SSP view and the configuration
// listing of controllers.
#include "cli/clierror.h"
#include "cli/clisort.h"
#include "cli/devlister.h"
#include "cli/ops/opmessages.h"
#include "cli/ops/showop.h"
#include "cli/ops/statusop.h"
#include "cli/storagecli.h"
#include "schema/storagemod.h"

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

namespace {

bool takeFirst(ParamList& params, const std::string& name)
{
    if (params.empty() || params.front().first != name)
        return false;
    params.pop_front();
    return true;
}

} // namespace

void StorageCLI::applyToSelected(CPerformOp& functor)
{
    m_printer.print_ln("");
    for (const Core::DevicePtr& device : m_devices)
        functor(device);
    m_printer.print_ln("");
}

void StorageCLI::ExecuteShowCommand()
{
    CLI_SORT::SortDevicesEx(m_devices);
    const bool wildcard = CLI_HELPERS::isWildcard(m_commandLine);
    if (takeFirst(m_params, "status")) {
        CStatusOp status(m_out);
        applyToSelected(status);
    } else if (takeFirst(m_params, "ssp")) {
        if (isExtraneousParams())
            return;
        CShowOp ssp(!wildcard, m_out, true);
        applyToSelected(ssp);
    } else if (takeFirst(m_params, "config")) {
        bool detail = takeFirst(m_params, "detail");
        if (!isExtraneousParams())
            ExecuteShowAllCommand(detail);
    } else {
        bool detail = CLI_HELPERS::popUnsettable(m_params, "detail");
        if (takeFirst(m_params, "config")) {
            if (!isExtraneousParams())
                ExecuteShowAllCommand(detail);
        } else if (!isExtraneousParams()) {
            CShowOp show(detail || !wildcard, m_out);
            CLI_SORT::ClearSparesList();
            applyToSelected(show);
        }
    }
}

void StorageCLI::ExecuteShowAllCommand(bool detail)
{
    bool error = false;
    extraneousCheck(error);
    targetCheck(error, ATTR_VALUE_TYPE_ARRAY_CONTROLLER, OP_MESSAGES::CONFIG_NEEDS_CONTROLLER);
    if (error)
        return;
    // Every selected controller is listed in turn, not only the first.
    const std::vector<Core::DevicePtr> controllers = m_devices;
    for (const Core::DevicePtr& controller : controllers)
        showConfiguration(controller, detail);
}

// The target selection of this same command has just read every selected
// controller ("controller all" rescans, a named controller is re-read) or
// found the tree read by this command already (CDRXModRoot::isFresh), so the
// listing uses the tree as it is: another read would only repeat every question.
void StorageCLI::showConfiguration(const Core::DevicePtr& controller, bool detail)
{
    CShowOp show(detail, m_out, false, true);
    m_printer.print_ln("");
    show(controller);
    m_printer.print_ln("");
    std::vector<Core::DevicePtr> devices;
    for (const char* kind : {ATTR_VALUE_TYPE_ARRAY, ATTR_VALUE_TYPE_LOGICAL_DRIVE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE,
                             ATTR_VALUE_DRIVE_TYPE_SPARE})
        DevLister(controller, kind, devices);
    CLI_SORT::SortDevicesEx(devices);
    for (const Core::DevicePtr& device : devices)
        show(device);
    m_printer.print_ln("");
}
