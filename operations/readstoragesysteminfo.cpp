#include "operations/readstoragesysteminfo.h"

#include "operations/accesslist.h"
#include "operations/fieldtext.h"
#include "operations/hextext.h"
#include "operations/readcontrollerfacts.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::StorageSystem;

// CONTROLLER_PARAMETERS.bDriveConfigurationFlags: the drives' own write caches are on.
constexpr std::uint8_t kDriveWriteCache = 0x01;

void publishSubsystemInfo(Core::Device& system, const SUBSYSTEM_PARAMETERS& subsystem)
{
    const struct {
        const char* name;
        Common::string value;
    } serials[] = {
        {Facts::ATTR_NAME_CHASSIS_SERIAL_NUMBER, fieldText(subsystem.sChassisSerialNumber)},
        {Facts::ATTR_NAME_NODE_NAME, worldWideName(subsystem.sNodeName)},
        {Facts::ATTR_NAME_STORAGE_SYSTEM_BOARD_SERIAL_NUMBER, fieldText(subsystem.sSystemBoardSerialNumber)},
        {Facts::ATTR_NAME_POWER_BACKPLANE_SERIAL_NUMBER, fieldText(subsystem.sPowerBackplaneSerialNumber)},
        {Facts::ATTR_NAME_DRIVE_BACKPLANE_SERIAL_NUMBER, fieldText(subsystem.sSCSIDriveBackplaneSerialNumber)},
        {Facts::ATTR_NAME_FAN_MODULE_SERIAL_NUMBER, fieldText(subsystem.sFanModuleSerialNumber)},
        {Facts::ATTR_NAME_POWER_SUPPLY_0_SERIAL_NUMBER, fieldText(subsystem.sPowerSupply0SerialNumber)},
        {Facts::ATTR_NAME_POWER_SUPPLY_1_SERIAL_NUMBER, fieldText(subsystem.sPowerSupply1SerialNumber)},
        {Facts::ATTR_NAME_POWER_BAY_FAN_MODULE_SERIAL_NUMBER, fieldText(subsystem.sPowerBayFanModuleSerialNumber)},
        {Facts::ATTR_NAME_FIBRE_DAUGHTER_BOARD_SERIAL_NUMBER, fieldText(subsystem.sFibreDaughterBoardSerialNumber)},
    };
    for (const auto& serial : serials)
        publishReading(system, serial.name, serial.value);
}

void publishPathPolicy(Core::Device& system, const REDUNDANT_CONTROLLER_PARAMETERS& redundancy)
{
    publishRedundancyMode(system, redundancy);
    publishReading(system, Facts::ATTR_NAME_MINIMUM_PATH_OWNERSHIP_TIME_AFTER_BOOT,
                   static_cast<unsigned>(redundancy.bMinimumPathOwnershipTimeAfterBoot));
    publishReading(system, Facts::ATTR_NAME_MINIMUM_PATH_OWNERSHIP_TIME_AFTER_PATH_CHANGE,
                   static_cast<unsigned>(redundancy.bMinimumPathOwnershipTimeAfterPathChange));
    publishReading(system, Facts::ATTR_NAME_MINIMUM_REQUESTS_FOR_IMPLICIT_PATH_CHANGES,
                   static_cast<unsigned>(redundancy.bMinimumRequestsForImplicitPathChange));
    publishReading(system, Facts::ATTR_NAME_MINIMUM_PERCENT_PROXIED_REQUESTS,
                   static_cast<unsigned>(redundancy.bMinimumPercentProxiedRequests));
}

void publishSystemParameters(Core::Device& system, const CONTROLLER_PARAMETERS& parameters)
{
    publishReading(system, Facts::ATTR_NAME_BOX_NAME, fieldText(parameters.sHardwareName));
    publishReading(system, Facts::ATTR_NAME_DRIVE_WRITE_CACHE,
                   (parameters.bDriveConfigurationFlags & kDriveWriteCache) != 0
                       ? Facts::ATTR_VALUE_DRIVE_WRITE_CACHE_ENABLED
                       : Facts::ATTR_VALUE_DRIVE_WRITE_CACHE_DISABLED);
    publishParameterInfo(system, parameters);
}

void publishAccessList(Schema::StorageSystem& system)
{
    AccessList list;
    Core::OperationReturn unanswered;
    Schema::StorageSystem::AclEntryList acl;
    clearReading(system, Facts::ATTR_NAME_SSP_STATE);
    if (readAccessList(system, list, unanswered)) {
        for (const SSP2_ACL_ENTRY& entry : list.entries)
            for (unsigned drive = 0; drive < AccessList::MAX_DRIVES; ++drive)
                if (entry.pbLunMap[drive / 8] & (1u << (drive % 8)))
                    acl.push_back(Schema::StorageSystem::AclEntry(drive, hexText(entry.bInitiatorID)));
        publishReading(system, Facts::ATTR_NAME_SSP_STATE,
                       list.enabled ? Facts::ATTR_VALUE_SSP_STATE_ENABLED : Facts::ATTR_VALUE_SSP_STATE_DISABLED);
    }
    system.AclEntryListIs(acl);
}

} // namespace

Core::OperationReturn ReadStorageSystemInfo::visit(Schema::StorageSystem& system)
{
    publishAccessList(system);
    Core::OperationReturn result;
    publishReading(system, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_OK);
    IDENTIFY_CONTROLLER identify{};
    if (senseController<IdentifyControllerTrait>(system, identify, result))
        publishDriveCounts(system, identify);
    SUBSYSTEM_PARAMETERS subsystem{};
    if (senseController<SenseSubsystemInformationTrait>(system, subsystem, result))
        publishSubsystemInfo(system, subsystem);
    REDUNDANT_CONTROLLER_PARAMETERS redundancy{};
    if (senseController<SenseRedundantParameterTrait>(system, redundancy, result))
        publishPathPolicy(system, redundancy);
    CACHE_CONFIG_STATUS cache{};
    if (senseController<SenseControllerCacheConfigStatusTrait>(system, cache, result))
        publishAcceleratorInfo(system, cache);
    CONTROLLER_PARAMETERS parameters{};
    if (senseController<SenseControllerParametersTrait>(system, parameters, result))
        publishSystemParameters(system, parameters);
    SURFACE_STATUS surface{};
    if (senseController<SenseSurfaceStatusTrait>(system, surface, result))
        publishSurfaceStatusInfo(system, surface);
    return result;
}

Core::CapabilityPtr ReadStorageSystemInfo::getCapabilityPtr(const Core::DevicePtr& device)
{
    return device ? controllerCapability(*device) : Core::DeviceOperation::getCapabilityPtr(device);
}

Core::CapabilityPtr ReadStorageSystemInfo::getRaidCapabilityPtr(const Core::DevicePtr& device) const
{
    return device ? raidCapability(*device) : Core::CapabilityPtr();
}

} // namespace Operations
