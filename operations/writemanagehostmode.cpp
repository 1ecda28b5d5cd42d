#include "operations/writemanagehostmode.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "controller/scsicmds.h"
#include "operations/accesslist.h"
#include "operations/fieldtext.h"
#include "operations/readcontrollerfacts.h"
#include "operations/replycache.h"
#include "operations/settingcommands.h"
#include "operations/sspfilters.h"
#include "operations/ssplayouts.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::Initiator;

std::vector<HOST_MODE_ENTRY> hostModes(SCSIDevice& channel, Core::OperationReturn& result)
{
    ReportHostModes report;
    if (!executeCommand(report, channel, result) || !result)
        return {};
    return entriesIn<HOST_LIST_HEADER, HOST_MODE_ENTRY>(report.data());
}

// The reported host attributes of `id`, or a new entry with `name` when the report lacks it.
HOST_ATTRIBUTE_ENTRY hostAttributes(const ReportHostAttributes& report, const std::uint8_t (&id)[8],
                                    const Common::string& name)
{
    for (const HOST_ATTRIBUTE_ENTRY& entry : entriesIn<HOST_LIST_HEADER, HOST_ATTRIBUTE_ENTRY>(report.data()))
        if (std::memcmp(entry.bInitiatorID, id, sizeof id) == 0)
            return entry;
    HOST_ATTRIBUTE_ENTRY entry{};
    std::memcpy(entry.bInitiatorID, id, sizeof id);
    std::memcpy(entry.sConnectionName, name.c_str(), std::min(name.size(), sizeof entry.sConnectionName));
    return entry;
}

} // namespace

Core::OperationReturn WriteManageHostMode::visit(Schema::Initiator& initiator)
{
    if (!hasArgument(Facts::ATTR_NAME_HOST_MODE))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, Facts::ATTR_NAME_HOST_MODE);
    std::uint8_t id[8] = {};
    if (!initiatorIdOf(initiator, id))
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    SCSIDevice& channel = initiator;
    Core::OperationReturn result;
    const std::vector<HOST_MODE_ENTRY> modes = hostModes(channel, result);
    if (!result)
        return result;
    const Common::string wanted = getArgValue(Facts::ATTR_NAME_HOST_MODE);
    const auto mode = std::find_if(modes.begin(), modes.end(), [&wanted](const HOST_MODE_ENTRY& entry) {
        return fieldText(entry.sModeName) == wanted;
    });
    if (mode == modes.end())
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_HOST_MODE);
    ReportHostAttributes report;
    if (!executeCommand(report, channel, result) || !result)
        return result;
    HOST_LIST_HEADER header{};
    header.dwEntryCount = 1;
    HOST_ATTRIBUTE_ENTRY entry = hostAttributes(report, id, initiator.getValueFor(Facts::ATTR_NAME_CONNECTION_NAME));
    entry.bHostMode = mode->bModeNumber;
    MaintainHostAttributes maintain(1);
    std::memcpy(maintain.buffer().data(), &header, sizeof header);
    std::memcpy(maintain.buffer().data() + sizeof header, &entry, sizeof entry);
    executeWriteCommand(maintain, channel, result);
    return result;
}

Core::CapabilityPtr WriteManageHostMode::getCapabilityPtr(const Core::DevicePtr& device)
{
    Core::CapabilityPtr root(new Core::Capability());
    auto* channel = dynamic_cast<SCSIDevice*>(device.get());
    if (channel == nullptr)
        return root;
    Core::OperationReturn result;
    std::vector<Common::string> names;
    Common::string preset;
    for (const HOST_MODE_ENTRY& mode : hostModes(*channel, result)) {
        names.push_back(fieldText(mode.sModeName));
        if (mode.bModeNumber == 0)
            preset = names.back();
    }
    std::vector<const char*> values;
    for (const Common::string& name : names)
        if (!name.empty())
            values.push_back(name.c_str());
    root->Subscribe(closedCapabilityClass(Facts::ATTR_NAME_HOST_MODE, values.data(), values.data() + values.size(),
                                          device->getValueFor(Facts::ATTR_NAME_HOST_MODE), preset));
    return root;
}

Core::FilterPtr WriteManageHostMode::pFilterImpl() const { return Core::FilterPtr(new NamedInitiatorFilter()); }

} // namespace Operations
