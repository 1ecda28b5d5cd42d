#include "operations/discoverarraycontroller.h"

#include "controller/bmiccommands.h"
#include "controller/modeltable.h"
#include "operations/controllerchannel.h"
#include "operations/discoveroperation.h"
#include "operations/fieldtext.h"
#include "operations/hextext.h"
#include "operations/hostdeviceinfo.h"
#include "operations/localcontrollerscan.h"
#include "operations/replycache.h"
#include "operations/writeallowedcontrollerdiscovery.h"
#include "schema/devicescope.h"
#include "schema/storagemod.h"

namespace Operations {

namespace {

namespace Facts = Interface::StorageMod::ArrayController;
using Schema::decimalText;

Common::string joined(const Common::list<Common::string>& parts)
{
    Common::string text;
    for (const Common::string& part : parts) {
        if (!text.empty())
            text += "_";
        text += part;
    }
    return text;
}

Common::string slotText(const ImgrHostDeviceInfo& info)
{
    if (info.bAddressing == IMGR_ADDRESSING_SLOT && info.bSlot != 255)
        return "slot_" + decimalText(info.bSlot);
    if (info.bAddressing != IMGR_ADDRESSING_CABINET)
        return Common::string();
    return "slot_" +
        joined({decimalText(info.bCabinet), decimalText(info.bCell), decimalText(info.bIoCabinet),
                decimalText(info.bIoChassis), decimalText(info.bIoBay), decimalText(info.bSlot)});
}

// The subsystem identifier a controller reports: the chassis serial number, else the node's
// world-wide name. The controller's reader asks the same question in this rescan: the reply
// cache keeps the answer for it.
Common::string subsystemIdentifier(BMICDevice& channel)
{
    SenseControllerCommand<SenseSubsystemInformationTrait> sense;
    CachedChannel cached(channel);
    if (!sense(cached))
        return Common::string();
    const Common::string chassis = fieldText(sense.result().sChassisSerialNumber);
    return chassis.empty() ? worldWideName(sense.result().sNodeName) : chassis;
}

void publishLocalFacts(Schema::ArrayController& controller, const ImgrHostDeviceInfo& info)
{
    publishFact(controller, Facts::ATTR_NAME_LOCATION, Facts::ATTR_VALUE_LOCATION_LOCAL);
    publishFact(controller, Facts::ATTR_NAME_BUS_TYPE, busTypeToString(info.bBusType));
    if (info.bBusType == 2)
        PublishPCIInfo(controller, info);
    PublishSlotInformation(controller, info);
    PublishSubsystemID(controller, info);
}

} // namespace

Common::string DiscoverArrayController::nameImpl() const
{
    return Interface::StorageMod::OPERATION_DISCOVER_ARRAY_CONTROLLERS;
}

Common::string localLocationText(const ImgrHostDeviceInfo& info, const Common::string& subsystemId, ImgrHandle handle)
{
    if (!subsystemId.empty())
        return subsystemId;
    const ModelTable::Model* model = ModelTable::findByBoardId(info.dwBoardID);
    const bool suffixB = model != nullptr && (model->traits & ModelTable::TRAIT_SLOT_SUFFIX_B) != 0;
    const Common::string slot = slotText(info);
    if (!slot.empty())
        return suffixB ? slot + "b" : slot;
    const Common::string pci = info.bBusType == 2 ? joined(pciAddressParts(info)) : Common::string();
    return pci.empty() ? decimalText(handle) : pci;
}

Common::string remoteLocationText(const Schema::StorageSystem::_STORAGE_SYSTEM_PATH& path)
{
    if (path.port == Schema::StorageSystem::HBA_PORT_NOT_APPLICABLE)
        return path.controller;
    return path.controller + "_P" + decimalText(path.port);
}

Core::OperationReturn DiscoverArrayController::visit(Schema::ModRoot& root)
{
    const LocalControllerScan controllers;
    for (ImgrHandle handle : controllers) {
        const ImgrHostDeviceInfo& info = controllers.getHostDeviceInfo(handle);
        const Common::string model = controllerIDTostring(info.dwBoardID);
        if (model.empty() || !WriteAllowedControllerDiscovery::isControllerEnabled(model))
            continue;
        ConcreteBMICDevice channel = controllerChannel(handle, false);
        const Common::string location = localLocationText(info, subsystemIdentifier(channel), handle);
        Schema::ArrayController* controller = new Schema::ArrayController(location, channel);
        const Core::DevicePtr device(controller);
        publishLocalFacts(*controller, info);
        publishFact(*controller, Facts::ATTR_NAME_CONTROLLER_NAME, model);
        PublishIdentity(*controller);
        PublishDevice(root, device);
    }
    return Core::OperationReturn();
}

Core::OperationReturn DiscoverArrayController::visit(Schema::StorageSystem& storageSystem)
{
    const Common::string& model = storageSystem.productID();
    if (!WriteAllowedControllerDiscovery::isControllerEnabled(model))
        return Core::OperationReturn();
    for (const Schema::StorageSystem::_STORAGE_SYSTEM_PATH& path : storageSystem.storageSystemPathList()) {
        const ImgrHandle handle = remoteControllerHandle(path.controller, storageSystem.handle());
        Schema::ArrayController* controller =
            new Schema::ArrayController(remoteLocationText(path), controllerChannel(handle, true));
        const Core::DevicePtr device(controller);
        publishFact(*controller, Facts::ATTR_NAME_BUS_TYPE, storageSystem.busType());
        publishFact(*controller, Facts::ATTR_NAME_CONTROLLER_NAME, model);
        PublishIdentity(*controller);
        if (path.port != Schema::StorageSystem::HBA_PORT_NOT_APPLICABLE)
            publishFact(*controller, Facts::ATTR_NAME_HBA_PORT, path.port);
        publishFact(*controller, Facts::ATTR_NAME_LOCATION, Facts::ATTR_VALUE_LOCATION_REMOTE);
        PublishDevice(storageSystem, device);
    }
    return Core::OperationReturn();
}

} // namespace Operations
