#include "operations/writedeviceblink.h"

#include <cerrno>
#include <cstdlib>

#include "core/devicefinder.h"
#include "operations/settingcommands.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Config = Interface::ConfigMod;
using DriveSet = Schema::Array::DriveSet;

DriveSet drivesOfArray(const Core::Device* device)
{
    const auto* array = dynamic_cast<const Schema::Array*>(device);
    return array != nullptr ? array->dataDriveList() | array->spareDriveList() : DriveSet();
}

// The physical drives that make up `device`.
DriveSet drivesOf(const Core::DevicePtr& device)
{
    if (const auto* drive = dynamic_cast<const Schema::PhysicalDrive*>(device.get())) {
        DriveSet one;
        if (drive->driveIndex() < one.size())
            one.set(drive->driveIndex());
        return one;
    }
    if (dynamic_cast<const Schema::Array*>(device.get()) != nullptr)
        return drivesOfArray(device.get());
    if (dynamic_cast<const Schema::LogicalDrive*>(device.get()) != nullptr)
        return drivesOfArray(device->hasParent() ? device->pParent().get() : nullptr);
    Core::DeviceFinder finder(device);
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_PHYSICAL_DRIVE));
    Core::DeviceList found;
    finder.find(found, Core::DeviceFinder::DIRECTION_DOWN);
    DriveSet drives;
    for (const Core::DevicePtr& each : found)
        drives |= drivesOf(each);
    return drives;
}

// Seconds of blinking; false for anything that is not a whole 32-bit count.
bool readInterval(const Common::string& text, std::uint32_t& seconds)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (text.empty() || text.c_str()[0] < '0' || text.c_str()[0] > '9' || *end != '\0' || errno != 0 ||
        value > 0xFFFFFFFFull)
        return false;
    seconds = static_cast<std::uint32_t>(value);
    return true;
}

} // namespace

Core::OperationReturn WriteDeviceBlink::visit(Schema::StorageSystem& system) { return blink(system, system); }
Core::OperationReturn WriteDeviceBlink::visit(Schema::ArrayController& controller)
{
    return blink(controller, controller);
}
Core::OperationReturn WriteDeviceBlink::visit(Schema::Array& array) { return blink(array, array); }
Core::OperationReturn WriteDeviceBlink::visit(Schema::LogicalDrive& drive) { return blink(drive, drive); }
Core::OperationReturn WriteDeviceBlink::visit(Schema::PhysicalDrive& drive) { return blink(drive, drive); }
Core::OperationReturn WriteDeviceBlink::visit(Schema::StorageEnclosure& enclosure)
{
    return blink(enclosure, enclosure);
}
Core::OperationReturn WriteDeviceBlink::visit(Schema::DriveCage& cage) { return blink(cage, cage); }

Core::OperationReturn WriteDeviceBlink::blink(Core::Device& device, BMICDevice& channel) const
{
    std::uint32_t seconds = 0;
    if (!hasArgument(Config::ATTR_NAME_BLINK_INTERVAL))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, Config::ATTR_NAME_BLINK_INTERVAL);
    if (!readInterval(getArgValue(Config::ATTR_NAME_BLINK_INTERVAL), seconds))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Config::ATTR_NAME_BLINK_INTERVAL);
    Core::DevicePtr target = device.getDevicePtr();
    if (hasArgument(ATTR_NAME_UNIQUE_ID) && getArgValue(ATTR_NAME_UNIQUE_ID) != device.toString()) {
        Core::DeviceFinder finder(target);
        finder.Add(Core::Attribute(ATTR_NAME_UNIQUE_ID, getArgValue(ATTR_NAME_UNIQUE_ID)));
        target = finder.find(Core::DeviceFinder::DIRECTION_DOWN);
        if (!target)
            return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, ATTR_NAME_UNIQUE_ID);
    }
    const DriveSet drives = drivesOf(target);
    const bool keepOthers = getArgValue(Config::ATTR_NAME_CONCATENATE) == Config::ATTR_VALUE_CONCATENATE_TRUE;
    return changeSettings<SenseMaintenanceTrait, SetMaintenanceTrait>(
        channel, [&drives, keepOthers, seconds](MAINTENANCE_OPERATION& maintenance) {
            bool anyBlinking = false;
            for (std::size_t index = 0; index < drives.size(); ++index) {
                const bool kept = keepOthers && maintenance.bDrive[index] != 0;
                maintenance.bDrive[index] = drives.test(index) ? (seconds != 0 ? 1 : 0) : (kept ? 1 : 0);
                anyBlinking = anyBlinking || maintenance.bDrive[index] != 0;
            }
            maintenance.dwDuration = anyBlinking ? (seconds != 0 ? seconds : maintenance.dwDuration) : 0;
            maintenance.dwElapsed = 0;
        });
}

} // namespace Operations
