#include "operations/readarraycontrollerinfo.h"

#include "controller/modeltable.h"
#include "operations/fieldtext.h"
#include "operations/readcontrollerfacts.h"
#include "operations/readscope.h"
#include "operations/replycache.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::ArrayController;

bool isRemote(const Schema::ArrayController& controller)
{
    return controller.getValueFor(Facts::ATTR_NAME_LOCATION) == Facts::ATTR_VALUE_LOCATION_REMOTE;
}

} // namespace

Core::OperationReturn ReadArrayControllerInfo::visit(Schema::ArrayController& controller)
{
    Core::OperationReturn result;
    publishReading(controller, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_OK);
    clearReading(controller, Facts::ATTR_NAME_CONTROLLER_STATE);
    checkFirmwareDefect(controller);

    IDENTIFY_CONTROLLER identify{};
    const ReadScope scope = readScope();
    if (senseController<IdentifyControllerTrait>(controller, identify, result)) {
        if (scope != ReadScope::Identity) {
            checkHBAAccessID(controller, result);
            if (checkConfigModMajorVersionInfo(controller, identify, result))
                return result;
        }
        publishIdentifyInfo(controller, identify);
        controller.over2TBSupport((identify.dwYetMoreControllerFlags & CONTROLLER_FLAG_OVER_2TB) != 0);
    }
    SUBSYSTEM_PARAMETERS subsystem{};
    if (senseController<SenseSubsystemInformationTrait>(controller, subsystem, result))
        publishStorageSystemInfo(controller, subsystem, isRemote(controller));
    readRedundancy(controller, result);
    if (scope == ReadScope::Whole)
        readSettings(controller, result);
    if (!result)
        controller.SetControllerStatusNotOk(Facts::ATTR_VALUE_CONTROLLER_STATE_CONTROLLER_COMMUNICATION_ERROR);
    return result;
}

Core::CapabilityPtr ReadArrayControllerInfo::getCapabilityPtr(const Core::DevicePtr& device)
{
    return device ? controllerCapability(*device) : Core::DeviceOperation::getCapabilityPtr(device);
}

void ReadArrayControllerInfo::checkFirmwareDefect(Schema::ArrayController& controller) const
{
    const Common::string model = controller.getValueFor(Facts::ATTR_NAME_CONTROLLER_NAME);
    if (ModelTable::hasTrait(std::string_view(model.c_str(), model.size()), ModelTable::TRAIT_FIRMWARE_204_DEFECT) &&
        controller.getValueFor(Facts::ATTR_NAME_FIRMWARE_VERSION) == "2.04")
        controller.SetControllerStatusNotOk(Facts::ATTR_VALUE_CONTROLLER_STATE_KESTREL_204_FIRMWARE_NEEDS_UPGRADE);
}

void ReadArrayControllerInfo::checkHBAAccessID(Schema::ArrayController& controller, Core::OperationReturn& result) const
{
    if (controller.getValueFor(Facts::ATTR_NAME_BUS_TYPE) != Facts::ATTR_VALUE_BUS_TYPE_SCSI)
        return;
    CONTROLLER_PARAMETERS parameters{};
    if (senseController<SenseControllerParametersTrait>(controller, parameters, result) &&
        fieldText(parameters.sAccessID).empty())
        controller.SetControllerStatusNotOk(Facts::ATTR_VALUE_CONTROLLER_STATE_HBA_HAS_NO_ACCESS_ID);
}

bool ReadArrayControllerInfo::checkConfigModMajorVersionInfo(Schema::ArrayController& controller,
                                                             const IDENTIFY_CONTROLLER& identify,
                                                             Core::OperationReturn& result) const
{
    unsigned found = 0;
    for (std::uint16_t number = 0; number < 32 && found < identify.bConfiguredLogicalDrives && result; ++number) {
        SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> config(number);
        if (!executeCachedCommand(config, controller, result) || !result || config.result().wAssignedDrives == 0)
            continue;
        ++found;
        if (config.result().bConfigModMajorVer > MAX_CONFIG_MOD_MAJOR_VERSION) {
            controller.SetControllerStatusNotOk(Facts::ATTR_VALUE_CONTROLLER_STATE_NEED_UPDATED_STORAGEMOD_VERSION);
            return true;
        }
    }
    return false;
}

void ReadArrayControllerInfo::readSettings(Schema::ArrayController& controller, Core::OperationReturn& result) const
{
    CACHE_CONFIG_STATUS cache{};
    if (senseController<SenseControllerCacheConfigStatusTrait>(controller, cache, result))
        publishAcceleratorInfo(controller, cache);
    if (isRemote(controller))
        return;
    CONTROLLER_PARAMETERS parameters{};
    if (senseController<SenseControllerParametersTrait>(controller, parameters, result))
        publishParameterInfo(controller, parameters);
    SURFACE_STATUS surface{};
    if (senseController<SenseSurfaceStatusTrait>(controller, surface, result))
        publishSurfaceStatusInfo(controller, surface);
}

void ReadArrayControllerInfo::readRedundancy(Schema::ArrayController& controller, Core::OperationReturn& result) const
{
    REDUNDANT_CONTROLLER_PARAMETERS redundancy{};
    if (isRemote(controller) && senseController<SenseRedundantParameterTrait>(controller, redundancy, result)) {
        publishRedundantControllerParameters(controller, redundancy);
        publishRedundancyMode(controller, redundancy);
    }
}

} // namespace Operations
