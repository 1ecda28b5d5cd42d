#include "operations/writemanagecontrollerparameters.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "controller/bmiccommands.h"
#include "operations/readcontrollerfacts.h"
#include "operations/settingcommands.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::ArrayController;
using namespace Interface::MORUMod;

constexpr char kRatioPrefix[] = "ATTR_VALUE_CACHE_RATIO_";
constexpr std::uint8_t kHighPriority = 0x76;
constexpr std::uint8_t kMediumPriority = 0x40;
constexpr unsigned kLongestSurfaceDelay = 30; // seconds
constexpr unsigned kTenthsPerSecond = 10;

// A decimal number (a fraction allowed) that runs up to `end`.
bool readPercent(const char* text, char end, double& percent)
{
    char* stop = nullptr;
    errno = 0;
    percent = std::strtod(text, &stop);
    return stop != text && *stop == end && errno == 0 && percent >= 0 && percent <= 100;
}

// The read and write percentages of a cache ratio value.
bool readRatio(const Common::string& value, double& read, double& write)
{
    const std::size_t prefix = sizeof kRatioPrefix - 1;
    if (value.size() <= prefix || std::strncmp(value.c_str(), kRatioPrefix, prefix) != 0)
        return false;
    const char* numbers = value.c_str() + prefix;
    const char* separator = std::strchr(numbers, '_');
    return separator != nullptr && readPercent(numbers, '_', read) && readPercent(separator + 1, '\0', write);
}

std::uint8_t priorityByte(const Common::string& value, const char* high, const char* medium)
{
    return value == high ? kHighPriority : value == medium ? kMediumPriority : 0;
}

// Seconds as given; 0, anything above the longest delay or not a 16-bit number is the longest.
unsigned surfaceDelaySeconds(const Common::string& value)
{
    char* stop = nullptr;
    errno = 0;
    const unsigned long seconds = std::strtoul(value.c_str(), &stop, 10);
    const bool number = !value.empty() && value.c_str()[0] >= '0' && value.c_str()[0] <= '9' && *stop == '\0' &&
        errno == 0 && seconds <= 0xFFFF;
    return number && seconds != 0 && seconds <= kLongestSurfaceDelay ? static_cast<unsigned>(seconds)
                                                                     : kLongestSurfaceDelay;
}

} // namespace

Core::OperationReturn WriteManageControllerParameters::visit(Schema::ArrayController& controller)
{
    return visitBMICDevice(controller);
}

Core::OperationReturn WriteManageControllerParameters::visit(Schema::StorageSystem& system)
{
    return visitBMICDevice(system);
}

Core::CapabilityPtr WriteManageControllerParameters::getCapabilityPtr(const Core::DevicePtr& device)
{
    return device ? controllerCapability(*device) : Core::DeviceOperation::getCapabilityPtr(device);
}

Core::OperationReturn WriteManageControllerParameters::visitBMICDevice(BMICDevice& channel) const
{
    Core::OperationReturn result;
    SenseControllerCommand<SenseControllerCacheConfigStatusTrait> cache;
    SenseControllerCommand<SenseControllerParametersTrait> parameters;
    if (!executeCommand(cache, channel, result) || !result || !executeCommand(parameters, channel, result) || !result)
        return result;
    if (hasArgument(Facts::ATTR_NAME_CACHE_RATIO))
        result = setCacheRatio(channel, cache.result());
    CONTROLLER_PARAMETERS changed = parameters.result();
    if (result && setPriorities(changed)) {
        SetControllerCommand<SetControllerParametersTrait> set(changed);
        executeWriteCommand(set, channel, result);
    }
    if (result && hasArgument(Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY))
        result = setSurfaceDelay(channel);
    return result;
}

Core::OperationReturn WriteManageControllerParameters::setCacheRatio(BMICDevice& channel,
                                                                     CACHE_CONFIG_STATUS cache) const
{
    double read = 0, write = 0;
    if (!readRatio(getArgValue(Facts::ATTR_NAME_CACHE_RATIO), read, write))
        return argumentFailure(ATTR_VALUE_STATUS_ARGUMENT_INVALID, Facts::ATTR_NAME_CACHE_RATIO);
    // A shift beyond the size field's width cannot be meant; such a block is written unscaled.
    const unsigned shift = cache.bMemorySizeShiftFactor <= 16 ? cache.bMemorySizeShiftFactor : 0;
    const unsigned long long total = static_cast<unsigned long long>(cache.wTotalMemorySize) << shift;
    const auto writing = static_cast<unsigned long long>(static_cast<double>(total) * write / 100);
    cache.wWriteCacheSize = static_cast<std::uint16_t>(writing >> shift);
    cache.wReadCacheSize = read > 0 ? static_cast<std::uint16_t>(cache.wTotalMemorySize - cache.wWriteCacheSize) : 0;
    Core::OperationReturn result;
    SetControllerCommand<SetControllerCacheConfigStatusTrait> set(cache);
    executeWriteCommand(set, channel, result);
    return underrunIsSuccess(result);
}

bool WriteManageControllerParameters::setPriorities(CONTROLLER_PARAMETERS& parameters) const
{
    bool modified = false;
    if (hasArgument(Facts::ATTR_NAME_EXPAND_PRIORITY)) {
        parameters.bExpandPriority =
            priorityByte(getArgValue(Facts::ATTR_NAME_EXPAND_PRIORITY), Facts::ATTR_VALUE_EXPAND_PRIORITY_HIGH,
                         Facts::ATTR_VALUE_EXPAND_PRIORITY_MEDIUM);
        modified = true;
    }
    if (hasArgument(Facts::ATTR_NAME_REBUILD_PRIORITY)) {
        parameters.bRebuildPriority =
            priorityByte(getArgValue(Facts::ATTR_NAME_REBUILD_PRIORITY), Facts::ATTR_VALUE_REBUILD_PRIORITY_HIGH,
                         Facts::ATTR_VALUE_REBUILD_PRIORITY_MEDIUM);
        modified = true;
    }
    return modified;
}

Core::OperationReturn WriteManageControllerParameters::setSurfaceDelay(BMICDevice& channel) const
{
    SURFACE_DELAY delay{};
    delay.wDelay = static_cast<std::uint16_t>(
        surfaceDelaySeconds(getArgValue(Facts::ATTR_NAME_SURFACE_ANALYSIS_DELAY)) * kTenthsPerSecond);
    Core::OperationReturn result;
    SetControllerCommand<SetSurfaceAnalysisDelayTrait> set(delay);
    executeWriteCommand(set, channel, result);
    return result;
}

} // namespace Operations
