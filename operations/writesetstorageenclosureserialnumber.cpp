#include "operations/writesetstorageenclosureserialnumber.h"

#include <algorithm>

#include "controller/concretec5passthroughdevice.h"
#include "controller/scsicmds.h"
#include "operations/replycache.h"
#include "operations/settingcommands.h"
#include "operations/settingfilters.h"
#include "schema/controllerchannels.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::StorageEnclosure;

// The controller or storage system whose handle reaches the enclosure.
const Schema::ControllerChannels* channelsAbove(const Core::Device& enclosure)
{
    for (Core::DevicePtr at = enclosure.hasParent() ? enclosure.pParent() : Core::DevicePtr(); at;
         at = at->hasParent() ? at->pParent() : Core::DevicePtr())
        if (const auto* channels = dynamic_cast<const Schema::ControllerChannels*>(at.get()))
            return channels;
    return nullptr;
}

} // namespace

Core::OperationReturn WriteSetStorageEnclosureSerialNumber::visit(Schema::StorageEnclosure& enclosure)
{
    if (!hasArgument(Facts::ATTR_NAME_SERIAL_NUMBER))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, Facts::ATTR_NAME_SERIAL_NUMBER);
    const Schema::ControllerChannels* channels = channelsAbove(enclosure);
    if (channels == nullptr)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    ConcreteC5PassThroughDevice processor(channels->handle(), static_cast<std::uint8_t>(enclosure.boxIndex()));
    Core::OperationReturn result;
    ReadChassisSerialNumber read;
    if (!executeCommand(read, processor, result) || !result)
        return result;
    std::vector<std::uint8_t> page = read.data();
    const Common::string serial = getArgValue(Facts::ATTR_NAME_SERIAL_NUMBER);
    std::fill(page.begin(), page.end(), std::uint8_t{0});
    std::copy_n(serial.c_str(), std::min(serial.size(), page.size()), page.begin());
    WriteChassisSerialNumber write(page);
    executeWriteCommand(write, processor, result);
    return result;
}

Core::FilterPtr WriteSetStorageEnclosureSerialNumber::pFilterImpl() const
{
    return Core::FilterPtr(new ExternalEnclosureFilter());
}

} // namespace Operations
