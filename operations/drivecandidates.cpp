#include "operations/drivecandidates.h"

#include <charconv>
#include <cstring>

#include "controller/bmiccommands.h"
#include "operations/discoveroperation.h"
#include "schema/schemadrivecage.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

constexpr const char* CAGE_VENDORS[] = {"TALVANE ", "Orvex   "};
constexpr char CAGE_PRODUCT[] = "VESTRAIL";

DriveSet busDrives(unsigned bus)
{
    DriveSet drives;
    for (unsigned n = bus * DRIVES_PER_BUS; n < (bus + 1) * DRIVES_PER_BUS && n < drives.size(); ++n)
        drives.set(n);
    return drives;
}

// The bus a drive cage was found on; false when the cage does not say.
bool cageBus(const Core::Device& cage, unsigned& bus)
{
    namespace Facts = Interface::StorageMod::DriveCage;
    if (!cage.hasAttribute(Facts::ATTR_NAME_BUS))
        return false;
    const Common::string text = cage.getValueFor(Facts::ATTR_NAME_BUS);
    const auto parsed = std::from_chars(text.begin(), text.end(), bus);
    return parsed.ec == std::errc() && parsed.ptr == text.end() && bus < MAX_BUSES;
}

bool busCarriesCage(BMICDevice& channel, unsigned bus)
{
    SenseControllerCommand<SenseBusParametersTrait> sense(bus);
    return sense(channel) && isDriveCage(sense.result());
}

// The buses that hold at least one drive of `drives`.
Common::bitset<MAX_BUSES> busesOf(const DriveSet& drives)
{
    Common::bitset<MAX_BUSES> buses;
    for (unsigned bus = 0; bus < MAX_BUSES; ++bus)
        buses[bus] = (drives & busDrives(bus)).any();
    return buses;
}

} // namespace

bool isDriveCage(const SENSE_BUS_PARAMETERS& bus)
{
    const BOX_INQUIRY_DATA& inquiry = bus.boxInquiryData;
    bool vendor = false;
    for (const char* cageVendor : CAGE_VENDORS)
        vendor = vendor || std::memcmp(inquiry.sVendorID, cageVendor, sizeof inquiry.sVendorID) == 0;
    return vendor && std::memcmp(inquiry.sProductID, CAGE_PRODUCT, sizeof CAGE_PRODUCT - 1) == 0;
}

Core::OperationReturn ForEachOccupiedBus(BMICDevice& channel, const BusVisitor& take)
{
    IDENTIFY_CONTROLLER identify{};
    const Core::OperationReturn result = IdentifyController(channel, identify);
    if (!result)
        return result;
    const Common::bitset<MAX_BUSES> buses =
        busesOf(driveSetFromBytes(identify.pbBigDrivePresentBitmap) | driveSetFromBytes(identify.pbBigNonDiskBitmap));
    for (unsigned bus = 0; bus < MAX_BUSES; ++bus) {
        SenseControllerCommand<SenseBusParametersTrait> sense(bus);
        if (buses[bus] && sense(channel))
            take(bus, sense.result());
    }
    return result;
}

DriveSet CandidateDrives(const Core::Device& device, BMICDevice& channel, const DriveSet& present)
{
    if (dynamic_cast<const Schema::DriveCage*>(&device) != nullptr) {
        unsigned bus = 0;
        return cageBus(device, bus) ? present & busDrives(bus) : DriveSet();
    }
    DriveSet candidates = present;
    const Common::bitset<MAX_BUSES> buses = busesOf(present);
    for (unsigned bus = 0; bus < MAX_BUSES; ++bus)
        if (buses[bus] && busCarriesCage(channel, bus))
            candidates &= ~busDrives(bus);
    return candidates;
}

} // namespace Operations
