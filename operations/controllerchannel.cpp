#include "operations/controllerchannel.h"

#include "controller/bmiccommands.h"
#include "operations/discoveroperation.h"
#include "operations/fieldtext.h"
#include "operations/replycache.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

constexpr std::uint16_t MAX_LOGICAL_UNITS = 32;
constexpr std::uint16_t MAX_PHYSICAL_UNITS = 128;
constexpr std::uint32_t OVER_2TB_SUPPORTED = 0x1;

Common::map<Common::string, ImgrHandle>& remoteHandles()
{
    static Common::map<Common::string, ImgrHandle> handles;
    return handles;
}

} // namespace

ConcreteBMICDevice controllerChannel(ImgrHandle handle, bool remote)
{
    return ConcreteBMICDevice(handle, remote, MAX_LOGICAL_UNITS, MAX_PHYSICAL_UNITS, false);
}

void PublishIdentity(Schema::ArrayController& controller)
{
    SenseControllerCommand<IdentifyControllerTrait> identify;
    Core::OperationReturn result;
    if (!executeCachedCommand(identify, controller, result) || !result)
        return;
    publishFact(controller, Interface::StorageMod::ATTR_NAME_FIRMWARE_VERSION,
                fieldText(identify.result().sRAMFirmwareRev));
    controller.over2TBSupport((identify.result().dwYetMoreControllerFlags & OVER_2TB_SUPPORTED) != 0);
}

void RememberRemoteControllerHandle(const Common::string& controllerText, ImgrHandle handle)
{
    remoteHandles()[controllerText] = handle;
}

ImgrHandle remoteControllerHandle(const Common::string& controllerText, ImgrHandle fallback)
{
    const auto found = remoteHandles().find(controllerText);
    return found == remoteHandles().end() ? fallback : found->second;
}

} // namespace Operations
