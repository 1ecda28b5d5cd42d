#include "operations/discoverstoragesystem.h"

#include "controller/bmiccommands.h"
#include "controller/fibrehbaiterator.h"
#include "controller/remotearraycontrolleriterator.h"
#include "operations/controllerchannel.h"
#include "operations/discoverhostbusadapter.h"
#include "operations/discoveroperation.h"
#include "operations/fieldtext.h"
#include "operations/hostdeviceinfo.h"
#include "operations/writeallowedcontrollerdiscovery.h"
#include "schema/devicescope.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

namespace Facts = Interface::StorageMod::StorageSystem;
using Path = Schema::StorageSystem::_STORAGE_SYSTEM_PATH;
using StorageSystemPtr = DiscoverStorageSystem::StorageSystemPtr;
using StorageSystemList = DiscoverStorageSystem::StorageSystemList;

constexpr std::uint8_t FIBRE_BUS = 4;
constexpr std::uint8_t SLOT_CONTROL_ACTIVE = 0x1;

// What one remote controller told about itself.
struct RemoteController {
    Common::string model;
    Common::string chassisSerialNumber;
    Common::string controllerText;
    bool active = false;
};

bool senseRemoteController(ImgrHandle handle, std::uint32_t boardId, RemoteController& remote)
{
    remote.model = controllerIDTostring(boardId);
    if (remote.model.empty() || !WriteAllowedControllerDiscovery::isControllerEnabled(remote.model))
        return false;
    ConcreteBMICDevice probe = controllerChannel(handle, true);
    unsigned char state = 0;
    IsControllerActive(probe, remote.active, state);
    SenseControllerCommand<SenseSubsystemInformationTrait> subsystem;
    if (!subsystem(probe))
        return false;
    remote.chassisSerialNumber = fieldText(subsystem.result().sChassisSerialNumber);
    remote.controllerText = fieldText(subsystem.result().sControllerSerialNumber);
    if (remote.controllerText.empty())
        remote.controllerText = Schema::decimalText(handle);
    return !remote.chassisSerialNumber.empty();
}

StorageSystemPtr newStorageSystem(const RemoteController& remote, ImgrHandle handle)
{
    StorageSystemPtr system(new Schema::StorageSystem(remote.chassisSerialNumber, remote.model,
                                                      busTypeToString(FIBRE_BUS), controllerChannel(handle, true)));
    publishFact(*system, Facts::ATTR_NAME_STORAGE_SYSTEM_NAME, storageSystemName(remote.model));
    return system;
}

StorageSystemPtr findByKey(const StorageSystemList& found, const Common::string& key)
{
    for (const StorageSystemPtr& system : found)
        if (system->identityKey() == key)
            return system;
    return StorageSystemPtr();
}

void addRemoteController(StorageSystemList& found, ImgrHandle handle, const RemoteController& remote, Path path)
{
    path.controller = remote.controllerText;
    RememberRemoteControllerHandle(remote.controllerText, handle);
    StorageSystemPtr system = findByKey(found, remote.chassisSerialNumber);
    if (!system) {
        system = newStorageSystem(remote, handle);
        found.push_back(system);
    } else if (remote.active) {
        system->UpdateHandle(handle);
    }
    system->AddStorageSystemPath(path);
}

} // namespace

Common::string DiscoverStorageSystem::nameImpl() const
{
    return Interface::StorageMod::OPERATION_DISCOVER_STORAGE_SYSTEMS;
}

bool IsControllerActive(ConcreteBMICDevice& controller, bool& active, unsigned char& state)
{
    SenseControllerCommand<SenseRedundantParameterTrait> sense;
    active = false;
    if (!sense(controller))
        return false;
    active = (sense.result().bSlotControl & SLOT_CONTROL_ACTIVE) != 0;
    state = sense.result().bControllerStatus;
    return true;
}

Common::string storageSystemName(const Common::string& model)
{
    static const Common::string controllerPart = "CONTROLLER_NAME";
    const std::size_t at = model.find(controllerPart);
    if (at == Common::string::npos)
        return model;
    Common::string name = model;
    return name.replace(at, controllerPart.size(), "STORAGE_SYSTEM_NAME");
}

void DiscoverStorageSystem::FindStorageSystems(StorageSystemList& found)
{
    const FibreHBAIterator adapters;
    for (ImgrHandle adapter : adapters) {
        const Common::string adapterName = newFibreAdapter(adapters, adapter)->toString();
        const RemoteArrayControllerIterator remotes(adapter);
        for (ImgrHandle handle : remotes) {
            const ImgrRemoteDeviceInfo& info = remotes.getRemoteDeviceInfo(handle);
            RemoteController remote;
            if (!senseRemoteController(handle, info.dwBoardID, remote))
                continue;
            Path path;
            path.hostBusAdapter = adapterName;
            path.port =
                info.bPort == IMGR_PORT_NOT_APPLICABLE ? Schema::StorageSystem::HBA_PORT_NOT_APPLICABLE : info.bPort;
            addRemoteController(found, handle, remote, path);
        }
    }
}

Core::OperationReturn DiscoverStorageSystem::visit(Schema::ModRoot& root)
{
    StorageSystemList found;
    FindStorageSystems(found);
    for (const StorageSystemPtr& system : found)
        PublishDevice(root, system);
    return Core::OperationReturn();
}

} // namespace Operations
