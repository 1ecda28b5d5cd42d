#include "operations/writecreatelogicaldrive.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "controller/scsidevice.h"
#include "core/devicefinder.h"
#include "operations/arrayinfo.h"
#include "operations/createlogicaldrivecapability.h"
#include "operations/discoveroperation.h"
#include "operations/filtercreatelogicaldrive.h"
#include "operations/replycache.h"
#include "operations/settingcommands.h"
#include "operations/writedeletelogicaldrive.h"
#include "operations/writestoragereenumerate.h"
#include "schema/configmod.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;
using Schema::LogicalDrive;

// Fixed fields of every record this tool writes.
constexpr std::uint16_t kCPCPort = 2;
constexpr std::uint8_t kDataDistributionMode = 2;
constexpr std::uint8_t kParityShiftFactor = 4;
constexpr std::uint16_t kBlockSize = 512;
constexpr std::uint16_t kOS32Sectors = 0xFD00;
constexpr std::uint16_t kOS63Sectors = 0xFE00;
constexpr std::uint8_t kBigDriveProperty = 0x01;
constexpr std::uint16_t kRaid6ConsumedDrives = 2;

// A decimal count that fills the whole text.
bool parseCount(const Common::string& text, unsigned long long& value)
{
    if (text.empty() || text.c_str()[0] < '0' || text.c_str()[0] > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text.c_str(), &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

unsigned long long attributeCount(const Core::Device& device, const char* name)
{
    unsigned long long value = 0;
    return parseCount(device.getValueFor(name), value) ? value : 0;
}

// Size and geometry: whole cylinders while they fit the drive parameter table, else the
// big-drive form with the table at its largest.
void setGeometry(LOGICAL_DRIVE_CONFIG& config, unsigned long long blocks, unsigned sectors)
{
    config.wOS = sectors == LogicalDrive::SECTORS_32 ? kOS32Sectors : kOS63Sectors;
    const unsigned long long cylinders = blocks / (static_cast<unsigned long long>(LogicalDrive::HEADS) * sectors);
    if (cylinders <= LogicalDrive::MAX_CYLINDERS) {
        LogicalDrive::SetDriveParameterTable(config, LogicalDrive::HEADS, sectors, static_cast<unsigned>(cylinders));
        return;
    }
    config.bLogicalDriveProperty = static_cast<std::uint8_t>(config.bLogicalDriveProperty | kBigDriveProperty);
    config.qwBigBlocksInLogicalDrive = blocks;
    LogicalDrive::SetDriveParameterTable(config, LogicalDrive::HEADS, sectors, LogicalDrive::MAX_CYLINDERS);
}

bool allSucceeded(const Core::OperationReturnList& returns)
{
    return std::all_of(returns.begin(), returns.end(), [](const Core::OperationReturn& r) { return bool(r); });
}

} // namespace

Common::string WriteCreateLogicalDrive::nameImpl() const
{
    return Interface::ConfigMod::OPERATION_WRITE_CREATE_LOGICAL_DRIVE;
}

Core::FilterPtr WriteCreateLogicalDrive::pFilterImpl() const { return Core::FilterPtr(new FilterCreateLogicalDrive()); }

Core::CapabilityPtr WriteCreateLogicalDrive::getCapabilityPtr(const Core::DevicePtr& device)
{
    const Schema::Array* array = dynamic_cast<const Schema::Array*>(device.get());
    return array != nullptr ? createLogicalDriveCapability(*array) : Core::DeviceOperation::getCapabilityPtr(device);
}

unsigned WriteCreateLogicalDrive::lowestFreeNumber(const Core::Device& controller)
{
    Core::DeviceFinder finder(controller.getDevicePtr());
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_LOGICAL_DRIVE));
    Core::DeviceList drives;
    finder.find(drives, Core::DeviceFinder::DIRECTION_DOWN);
    std::vector<unsigned long long> numbers;
    for (const Core::DevicePtr& drive : drives)
        numbers.push_back(attributeCount(*drive, Facts::ATTR_NAME_DRIVE_NUMBER));
    std::sort(numbers.begin(), numbers.end());
    unsigned candidate = 0;
    for (unsigned long long number : numbers)
        if (number == candidate)
            ++candidate;
    return candidate;
}

Core::OperationReturn WriteCreateLogicalDrive::readRequest(const Schema::Array& array, Request& request) const
{
    const char* required[] = {Facts::ATTR_NAME_RAID, Facts::ATTR_NAME_STRIPE_SIZE, Facts::ATTR_NAME_SECTORS,
                              Facts::ATTR_NAME_USEABLE_BLOCKS};
    for (const char* name : required)
        if (!hasArgument(name))
            return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_MISSING, name);
    const Common::string level = getArgValue(Facts::ATTR_NAME_RAID);
    unsigned dataDrives = 0;
    if (!LogicalDrive::faultToleranceCode(level, request.faultTolerance) ||
        !LogicalDrive::isDriveCountValidFor(level, static_cast<unsigned>(array.dataDriveList().count()), dataDrives))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_RAID);
    request.raid6 = level == Facts::ATTR_VALUE_RAID_6;
    unsigned long long stripe = 0, sectors = 0;
    if (!parseCount(getArgValue(Facts::ATTR_NAME_STRIPE_SIZE), stripe) || stripe == 0 || stripe > 0xFFFF)
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_STRIPE_SIZE);
    request.stripe = static_cast<unsigned>(stripe);
    if (!parseCount(getArgValue(Facts::ATTR_NAME_SECTORS), sectors) ||
        (sectors != LogicalDrive::SECTORS_32 && sectors != LogicalDrive::SECTORS_63))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_SECTORS);
    request.sectors = static_cast<unsigned>(sectors);
    if (!parseCount(getArgValue(Facts::ATTR_NAME_USEABLE_BLOCKS), request.blocks) ||
        request.blocks < minimumLogicalDriveBlocks(request.sectors))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_USEABLE_BLOCKS);
    return Core::OperationReturn();
}

void WriteCreateLogicalDrive::fillRecord(LOGICAL_DRIVE_CONFIG& config, const Schema::Array& array,
                                         const Core::Device& controller, const Request& request)
{
    namespace ControllerFacts = Interface::StorageMod::ArrayController;
    namespace ArrayFacts = Interface::StorageMod::Array;
    std::uint32_t signature = 0;
    LogicalDrive::GenerateSignature(signature);
    config.wCPCPort = kCPCPort;
    config.bDataDistributionMode = kDataDistributionMode;
    config.bParityShiftFactor = kParityShiftFactor;
    config.bDriveTypeMixFlag = 0;
    config.dwSignature = signature;
    if (controller.hasAttribute(ControllerFacts::ATTR_NAME_PHYSICAL_DRIVE_COUNT))
        config.wPhysicalDrives =
            static_cast<std::uint16_t>(attributeCount(controller, ControllerFacts::ATTR_NAME_PHYSICAL_DRIVE_COUNT));
    config.wBlockSize = kBlockSize;
    config.wDistribution = static_cast<std::uint16_t>(request.stripe);
    config.wFaultTolerance = static_cast<std::uint16_t>(request.faultTolerance);
    if (request.raid6)
        config.wDrivesConsumedForFaultTolerance = kRaid6ConsumedDrives;
    driveSetToBytes(array.dataDriveList(), config.pbBigDriveAssignmentMap);
    config.dwAssignedDriveBitmap = 0;
    config.wAssignedDrives = static_cast<std::uint16_t>(array.dataDriveList().count());
    if (request.faultTolerance != 0) {
        driveSetToBytes(array.spareDriveList(), config.pbBigSpareAssignmentMap);
        config.dwSpareAssignmentBitmap = 0;
    }
    if (array.hasAttribute(ArrayFacts::ATTR_NAME_NEXT_DATA_OFFSET))
        config.dwDataOffset = static_cast<std::uint32_t>(attributeCount(array, ArrayFacts::ATTR_NAME_NEXT_DATA_OFFSET));
    setGeometry(config, request.blocks, request.sectors);
    LogicalDrive::Stamp(config);
}

Core::OperationReturn WriteCreateLogicalDrive::setAccelerator(Schema::Array& array, unsigned number) const
{
    Core::OperationReturn result;
    SenseControllerCommand<SenseControllerCacheConfigStatusTrait> sense;
    if (!executeCommand(sense, array, result) || !result)
        return underrunIsSuccess(result);
    std::uint32_t enabled = enabledAccelerators(sense.result());
    const std::uint32_t bit = number < 32 ? 1u << number : 0u;
    if (getArgValue(Facts::ATTR_NAME_ARRAY_ACCELERATOR) != Facts::ATTR_VALUE_ARRAY_ACCELERATOR_DISABLED)
        enabled |= bit;
    else
        enabled &= ~bit;
    return writeAcceleratorSet(array, sense.result(), enabled);
}

Core::OperationReturn WriteCreateLogicalDrive::afterFirstLogicalDrive(Schema::Array& array, Core::Device& controller)
{
    IDENTIFY_CONTROLLER identify{};
    Core::OperationReturn result = IdentifyController(array, identify);
    if (!result || identify.bConfiguredLogicalDrives != 1)
        return result;
    if (!allSucceeded(WriteStorageReenumerate::rebuild(controller.getDevicePtr(),
                                                       Interface::StorageMod::OPERATION_DISCOVER_ARRAYS)))
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    return WriteDeleteLogicalDrive::ResetDefaults(controller);
}

Core::OperationReturn WriteCreateLogicalDrive::visit(Schema::Array& array)
{
    const Core::DevicePtr controller = array.hasParent() ? array.pParent() : Core::DevicePtr();
    if (!controller)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    setDefaultArguments(array.getDevicePtr());
    Request request;
    Core::OperationReturn result = readRequest(array, request);
    if (!result)
        return result;
    const unsigned number = lowestFreeNumber(*controller);
    SenseLogicalDriveCommand<SenseLogicalDriveConfigurationTrait> sense(static_cast<std::uint16_t>(number));
    if (!executeCommand(sense, array, result) || !result)
        return result;
    if (sense.result().wAssignedDrives != 0)
        return Core::OperationReturn(ATTR_VALUE_STATUS_FAILURE);
    LOGICAL_DRIVE_CONFIG config = sense.result();
    fillRecord(config, array, *controller, request);
    SetLogicalDriveCommand<SetLogicalDriveConfigurationTrait> set(static_cast<std::uint16_t>(number), config);
    if (!executeWriteCommand(set, array, result) || !result)
        return result;
    if (hasArgument(Facts::ATTR_NAME_ARRAY_ACCELERATOR))
        result = setAccelerator(array, number);
    if (result)
        result = afterFirstLogicalDrive(array, *controller);
    if (!result)
        return result;
    if (SCSIDevice* scsi = dynamic_cast<SCSIDevice*>(controller.get()))
        scsi->rescanScsiBus();
    result.Receive(Core::Attribute(Facts::ATTR_NAME_DRIVE_NUMBER, number));
    return result;
}

} // namespace Operations
