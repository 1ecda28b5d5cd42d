#include "sim/scsitarget.h"

#include "sim/fwcommand.h"
#include "sim/scsilayouts.h"
#include "sim/volumegeometry.h"
#include "sim/volumeimage.h"
#include "sim/volumestate.h"

#include <vector>

namespace Sim {
namespace {

// Host modes a storage system offers, by number.
constexpr std::pair<std::uint8_t, const char*> kHostModes[] = {{0, "Default"},      {1, "Linux"},        {2, "Unix"},
                                                               {3, "Unix Cluster"}, {4, "Virtual Host"}, {5, "Legacy"}};

struct Request {
    Controller& ctl;
    const ScsiCall& call;
    const SimContext& ctx;
    CommandOutcome& out;

    std::uint8_t cdb(size_t i) const { return i < call.cdbLength ? call.cdb[i] : 0; }
    std::uint32_t cdb32(size_t i) const
    {
        return (std::uint32_t{cdb(i)} << 24) | (std::uint32_t{cdb(i + 1)} << 16) | (std::uint32_t{cdb(i + 2)} << 8) |
            cdb(i + 3);
    }
    void send(const void* bytes, size_t n)
    {
        if (!call.data || call.length == 0)
            return;
        std::memcpy(call.data, bytes, std::min<size_t>(n, call.length));
        out.replied = true;
    }
    template <class T>
    void send(const T& record)
    {
        send(&record, sizeof record);
    }
    template <class T>
    bool receive(T& record)
    {
        std::memset(&record, 0, sizeof record);
        if (!call.data)
            return fail(kAscParameterLength);
        std::memcpy(&record, call.data, std::min<size_t>(sizeof record, call.length));
        return true;
    }
    bool fail(std::uint8_t asc, std::uint8_t key = kKeyIllegalRequest)
    {
        checkCondition(out, key, asc);
        return false;
    }
};

void putLunMap(std::uint8_t (&map)[16], std::uint32_t acl)
{
    std::memset(map, 0, sizeof map);
    std::memcpy(map, &acl, sizeof acl);
}

std::uint32_t lunMapOf(const std::uint8_t (&map)[16])
{
    std::uint32_t acl;
    std::memcpy(&acl, map, sizeof acl);
    return acl;
}

Initiator& initiatorFor(Controller& c, const std::uint8_t (&id)[8])
{
    std::array<std::uint8_t, 8> wwn;
    std::memcpy(wwn.data(), id, 8);
    for (Initiator& ini : c.initiators)
        if (ini.wwn == wwn)
            return ini;
    c.initiators.push_back(Initiator{wwn, "", 0, false, 0});
    return c.initiators.back();
}

// ---- reports ----------------------------------------------------------------------------------

void reportSsp1(Request& r)
{
    SSP1_ACL_REPORT report{};
    report.header.bSspEnabled = r.ctl.sspEnabled;
    for (const Initiator& ini : r.ctl.initiators) {
        if (report.header.dwEntryCount == 80)
            break;
        SSP1_ACL_ENTRY& e = report.entry[report.header.dwEntryCount++];
        std::memcpy(e.bInitiatorID, ini.wwn.data(), 8);
        putLunMap(e.pbLunMap, ini.aclMap);
    }
    r.send(report);
}

void reportSsp2(Request& r)
{
    std::vector<std::uint8_t> bytes(sizeof(SSP2_ACL_REPORT));
    SSP_ACL_HEADER header{};
    header.bSspEnabled = r.ctl.sspEnabled;
    for (const Initiator& ini : r.ctl.initiators) {
        SSP2_ACL_ENTRY e{};
        std::memcpy(e.bInitiatorID, ini.wwn.data(), 8);
        putText(e.sConnectionName, ini.connectionName);
        e.bHostMode = ini.hostMode;
        e.bFlags = ini.online ? 1 : 0;
        putLunMap(e.pbLunMap, ini.aclMap);
        std::memcpy(bytes.data() + sizeof header + header.dwEntryCount * sizeof e, &e, sizeof e);
        if (++header.dwEntryCount == 1274)
            break;
    }
    std::memcpy(bytes.data(), &header, sizeof header);
    r.send(bytes.data(), bytes.size());
}

void reportHostModes(Request& r)
{
    HOST_MODE_REPORT report{};
    for (const auto& [number, name] : kHostModes) {
        HOST_MODE_ENTRY& e = report.entry[report.header.dwEntryCount++];
        e.bModeNumber = number;
        putText(e.sModeName, name);
    }
    r.send(report);
}

void reportHostAttributes(Request& r)
{
    HOST_ATTRIBUTE_REPORT report{};
    for (const Initiator& ini : r.ctl.initiators) {
        if (report.header.dwEntryCount == 126)
            break;
        HOST_ATTRIBUTE_ENTRY& e = report.entry[report.header.dwEntryCount++];
        std::memcpy(e.bInitiatorID, ini.wwn.data(), 8);
        e.bHostMode = ini.hostMode;
        e.bFlags = ini.online ? 1 : 0;
        putText(e.sConnectionName, ini.connectionName);
    }
    r.send(report);
}

void sspReport(Request& r)
{
    switch (r.cdb(1)) {
    case SSP_SERVICE_SSP1_ACL:
        return reportSsp1(r);
    case SSP_SERVICE_SSP2_ACL:
        return reportSsp2(r);
    case SSP_SERVICE_HOST_MODES:
        return reportHostModes(r);
    case SSP_SERVICE_HOST_ATTRIBUTES:
        return reportHostAttributes(r);
    default:
        r.fail(kAscInvalidFieldInCdb);
    }
}

// ---- manage requests ----------------------------------------------------------------------------

// Entries that follow a header in the caller's buffer, bounded by its length.
template <class Entry>
std::uint32_t entriesPresent(const Request& r, size_t headerSize, std::uint32_t count)
{
    size_t room = r.call.length > headerSize ? (r.call.length - headerSize) / sizeof(Entry) : 0;
    return static_cast<std::uint32_t>(std::min<size_t>(count, room));
}

template <class Entry>
Entry entryAt(const Request& r, size_t headerSize, std::uint32_t i)
{
    Entry e;
    std::memcpy(&e, r.call.data + headerSize + i * sizeof e, sizeof e);
    return e;
}

template <class Entry>
void manageAcl(Request& r)
{
    SSP_ACL_HEADER header;
    if (!r.receive(header) || r.call.length < sizeof header)
        return void(r.fail(kAscParameterLength));
    std::uint32_t n = entriesPresent<Entry>(r, sizeof header, header.dwEntryCount);
    r.ctl.sspEnabled = header.bSspEnabled != 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        Entry e = entryAt<Entry>(r, sizeof header, i);
        initiatorFor(r.ctl, e.bInitiatorID).aclMap = lunMapOf(e.pbLunMap);
    }
    r.out.changed = true;
}

void maintainHostAttributes(Request& r)
{
    HOST_LIST_HEADER header;
    if (!r.receive(header) || r.call.length < sizeof header)
        return void(r.fail(kAscParameterLength));
    std::uint32_t n = entriesPresent<HOST_ATTRIBUTE_ENTRY>(r, sizeof header, header.dwEntryCount);
    for (std::uint32_t i = 0; i < n; ++i) {
        HOST_ATTRIBUTE_ENTRY e = entryAt<HOST_ATTRIBUTE_ENTRY>(r, sizeof header, i);
        Initiator& ini = initiatorFor(r.ctl, e.bInitiatorID);
        ini.hostMode = e.bHostMode;
        ini.connectionName.assign(e.sConnectionName, strnlen(e.sConnectionName, sizeof e.sConnectionName));
    }
    r.out.changed = true;
}

void sspManage(Request& r)
{
    switch (r.cdb(1)) {
    case SSP_SERVICE_SSP1_ACL:
        return manageAcl<SSP1_ACL_ENTRY>(r);
    case SSP_SERVICE_SSP2_ACL:
        return manageAcl<SSP2_ACL_ENTRY>(r);
    case SSP_SERVICE_HOST_MODES:
        r.ctl.sspEnabled = false;
        r.out.changed = true;
        return;
    case SSP_SERVICE_HOST_ATTRIBUTES:
        return maintainHostAttributes(r);
    default:
        r.fail(kAscInvalidFieldInCdb);
    }
}

// ---- controller requests ------------------------------------------------------------------------

void reportPhysicalLuns(Request& r)
{
    if (r.cdb(1) != 0x02)
        return void(r.fail(kAscInvalidFieldInCdb));
    std::vector<std::uint8_t> bytes(8);
    for (std::uint16_t i = 0; i < r.ctl.drives.size(); ++i) {
        PHYSICAL_LUN_ENTRY e{};
        e.bLunAddress[0] = static_cast<std::uint8_t>(i);
        e.bLunAddress[1] = static_cast<std::uint8_t>(i >> 8);
        e.bWWID[0] = 0x5F;
        e.bWWID[7] = static_cast<std::uint8_t>(i);
        e.bDeviceType = r.ctl.drives[i].tape ? 1 : 0;
        e.wDriveIndex = i;
        const std::uint8_t* p = reinterpret_cast<const std::uint8_t*>(&e);
        bytes.insert(bytes.end(), p, p + sizeof e);
    }
    std::uint32_t listLength = static_cast<std::uint32_t>(bytes.size() - 8);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<std::uint8_t>(listLength >> (24 - 8 * i));
    bytes[4] = 2;
    r.send(bytes.data(), bytes.size());
}

void standardInquiry(Request& r, std::uint8_t type, const std::string& product, const std::string& revision)
{
    std::uint8_t inq[96] = {};
    inq[0] = type;
    inq[2] = 0x05;
    inq[3] = 0x02;
    inq[4] = sizeof inq - 5;
    std::memset(inq + 8, ' ', 28);
    std::memcpy(inq + 8, "Orvex", 5);
    std::memcpy(inq + 16, product.data(), std::min<size_t>(16, product.size()));
    std::memcpy(inq + 32, revision.data(), std::min<size_t>(4, revision.size()));
    r.send(inq, sizeof inq);
}

void chassisSerialPage(Request& r)
{
    // The enclosure page travels wrapped in a 0xC5 block: the inner block starts at byte 3.
    std::uint8_t inner = r.cdb(3), page = r.cdb(6);
    if (page != 0x93 || !r.ctl.external)
        return void(r.fail(kAscInvalidFieldInCdb));
    if (inner == 0x08) {
        char serial[32] = {};
        std::memcpy(serial, r.ctl.chassisSerial.data(), std::min<size_t>(32, r.ctl.chassisSerial.size()));
        return r.send(serial, sizeof serial);
    }
    char serial[32];
    if (inner != 0x0A || !r.receive(serial))
        return void(r.fail(kAscInvalidFieldInCdb));
    r.ctl.chassisSerial.assign(serial, strnlen(serial, sizeof serial));
    r.out.changed = true;
}

void controllerRequest(Request& r)
{
    switch (r.cdb(0)) {
    case 0x00:
    case 0x02: // scan for new devices
    case 0x15: // mode select, accepted and ignored
        return;
    case 0x12:
        if (r.cdb(1) & 1)
            return void(r.fail(kAscInvalidFieldInCdb));
        return standardInquiry(r, 0x0C, productName(r.ctl), r.ctl.firmware);
    case 0x86:
        return sspReport(r);
    case 0x87:
        return sspManage(r);
    case 0xC3:
        return reportPhysicalLuns(r);
    case 0xC5:
        return chassisSerialPage(r);
    default:
        r.fail(kAscInvalidOpcode);
    }
}

// ---- logical drive requests ---------------------------------------------------------------------

void vpdPage(Request& r, const LogicalDrive& ld)
{
    std::uint8_t page[160] = {};
    page[1] = r.cdb(2);
    if (r.cdb(2) == 0x00) {
        const std::uint8_t pages[] = {0x00, 0x80, 0x83};
        page[3] = sizeof pages;
        std::memcpy(page + 4, pages, sizeof pages);
    } else if (r.cdb(2) == 0x80) {
        std::string serial = volumeSerial(r.ctl, ld);
        page[3] = static_cast<std::uint8_t>(std::min<size_t>(serial.size(), 124));
        std::memcpy(page + 4, serial.data(), page[3]);
    } else if (r.cdb(2) == 0x83) {
        std::array<std::uint8_t, 16> id = volumeUniqueId(r.ctl, ld);
        page[3] = 20;
        page[4] = 0x01; // binary code set
        page[5] = 0x03; // NAA designator
        page[7] = 16;
        std::memcpy(page + 8, id.data(), id.size());
    } else {
        return void(r.fail(kAscInvalidFieldInCdb));
    }
    r.send(page, std::min<size_t>(sizeof page, 4u + page[3]));
}

bool blockRange(Request& r, const LogicalDrive& ld, std::uint64_t& block, std::uint32_t& count)
{
    block = r.cdb32(2);
    count = (std::uint32_t{r.cdb(7)} << 8) | r.cdb(8);
    if (block + count > volumeBlocks(configOf(ld)) || std::uint64_t{count} * 512 > r.call.length || !r.call.data)
        return r.fail(kAscInvalidFieldInCdb);
    return true;
}

void readCapacity(Request& r, const LogicalDrive& ld)
{
    std::uint64_t last = volumeBlocks(configOf(ld)) - 1;
    std::uint32_t shown = last > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(last);
    std::uint8_t reply[8] = {static_cast<std::uint8_t>(shown >> 24),
                             static_cast<std::uint8_t>(shown >> 16),
                             static_cast<std::uint8_t>(shown >> 8),
                             static_cast<std::uint8_t>(shown),
                             0,
                             0,
                             2,
                             0};
    r.send(reply, sizeof reply);
}

void logicalDriveRequest(Request& r)
{
    auto it = r.ctl.logicalDrives.find(r.call.logicalDrive);
    if (it == r.ctl.logicalDrives.end())
        return void(r.fail(kAscUnsupportedLun));
    const LogicalDrive& ld = it->second;
    bool failed = volumeState(r.ctl, ld, r.ctx.now).unitStatus == UNIT_FAILED;
    std::uint64_t block = 0;
    std::uint32_t count = 0;
    std::string image = imagePath(r.ctx.imageDir, r.ctl, ld);
    switch (r.cdb(0)) {
    case 0x00:
        if (failed)
            r.fail(kAscLunNotReady, kKeyNotReady);
        return;
    case 0x12:
        if (r.cdb(1) & 1)
            return vpdPage(r, ld);
        return standardInquiry(r, 0x00, "LOGICAL VOLUME", r.ctl.firmware);
    case 0x25:
        return readCapacity(r, ld);
    case 0x28:
        if (failed)
            return void(r.fail(kAscLunNotReady, kKeyNotReady));
        if (blockRange(r, ld, block, count) && !readImage(image, block, r.call.data, count * 512))
            r.fail(kAscLunFailure, kKeyHardwareError);
        r.out.replied = true;
        return;
    case 0x2A:
        if (!failed && blockRange(r, ld, block, count) &&
            (!sizeImage(image, volumeBlocks(configOf(ld))) || !writeImage(image, block, r.call.data, count * 512)))
            r.fail(kAscLunFailure, kKeyHardwareError);
        return;
    case 0x15:
        return;
    default:
        r.fail(kAscInvalidOpcode);
    }
}

// ---- requests to a device by address ------------------------------------------------------------

void addressRequest(Request& r)
{
    std::uint16_t index = static_cast<std::uint16_t>(r.call.address[0] | (r.call.address[1] << 8));
    if (index >= r.ctl.drives.size() || r.ctl.drives[index].muted)
        return void(r.fail(kAscUnsupportedLun));
    const Drive& d = r.ctl.drives[index];
    switch (r.cdb(0)) {
    case 0x00:
        if (d.health == HEALTH_FAILED)
            r.fail(kAscLunNotReady, kKeyNotReady);
        return;
    case 0x12:
        return standardInquiry(r, d.tape ? 0x01 : 0x00, d.model, d.firmware);
    default:
        r.fail(kAscInvalidOpcode);
    }
}

} // namespace

bool scsiMayChange(const ScsiCall& call)
{
    if (!call.cdb || call.cdbLength == 0)
        return false;
    return call.cdb[0] == 0x87 || (call.cdb[0] == 0xC5 && call.cdbLength > 3 && call.cdb[3] == 0x0A);
}

CommandOutcome runScsi(Controller& controller, const ScsiCall& call, const SimContext& context)
{
    CommandOutcome out;
    Request r{controller, call, context, out};
    if (!call.cdb || call.cdbLength == 0 || (!call.data && call.length != 0)) {
        r.fail(kAscInvalidFieldInCdb);
        return out;
    }
    if (call.target == SCSI_TO_LOGICAL_DRIVE)
        logicalDriveRequest(r);
    else if (call.target == SCSI_TO_ADDRESS)
        addressRequest(r);
    else
        controllerRequest(r);
    return out;
}

} // namespace Sim
