#include "sim/worldreport.h"

#include "controller/modeltable.h"
#include "sim/volumegeometry.h"
#include "sim/volumeimage.h"
#include "sim/volumestate.h"

#include <cstdio>

namespace Sim {
namespace {

constexpr const char* kRaidNames[] = {"RAID 0", "RAID 4", "RAID 1+0", "RAID 5", "RAID 50", "RAID 6"};
constexpr const char* kInterfaceNames[] = {"SCSI", "SATA", "SAS"};
constexpr const char* kHealthNames[] = {"OK", "Failed", "Predictive Failure"};

std::string gigabytes(std::uint64_t blocks, double unit)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(blocks) * 512.0 / unit);
    return text;
}

std::string unitStatusName(const VolumeState& s)
{
    switch (s.unitStatus) {
    case UNIT_OK:
        return "OK";
    case UNIT_FAILED:
        return "Failed";
    case UNIT_INTERIM_RECOVERY:
        return "Interim Recovery";
    case UNIT_RECOVERING:
        return "Recovering, " + std::to_string(s.blocksLeft) + " blocks left";
    case UNIT_EXPANDING:
        return "Expanding, " + std::to_string(s.blocksLeft) + " blocks left";
    case UNIT_QUEUED_FOR_EXPANSION:
        return "Queued for expansion";
    }
    return "code " + std::to_string(s.unitStatus);
}

std::string locations(const Controller& c, const DriveSet& set)
{
    std::string out;
    for (size_t i = 0; i < c.drives.size() && i < 128; ++i)
        if (set.test(i))
            out += (out.empty() ? "" : ",") + c.drives[i].location;
    return out.empty() ? "-" : out;
}

std::string opcodeText(std::uint32_t opcode)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(opcode & 0xFF));
    return text;
}

std::string faultText(const Controller& c)
{
    std::string out;
    const Faults& f = c.faults;
    if (f.communicationError)
        out += " communication-error";
    if (f.checkConditions)
        out += " check-condition(" + std::to_string(f.checkConditions) + ")";
    if (f.opcodeCheckConditions)
        out += " check-condition(" + std::to_string(f.opcodeCheckConditions) + " of " +
            opcodeText(f.checkConditionOpcode) +
            (f.opcodeCheckConditionSkip ? " after " + std::to_string(f.opcodeCheckConditionSkip) : "") + ")";
    if (f.unitAttentions)
        out += " unit-attention(" + std::to_string(f.unitAttentions) + ")";
    if (f.lockedByOtherHost)
        out += " locked-by-other-host";
    if (f.garbage)
        out += " garbage-replies";
    for (const Drive& d : c.drives)
        if (d.muted)
            out += " muted-drive(" + d.location + ")";
    return out.empty() ? " none" : out;
}

void reportController(const Controller& c, const std::string& imageDir, std::int64_t now, std::string& out)
{
    const ModelTable::Model* m = ModelTable::findByKey(c.model);
    out += "Controller " + c.name + ": " + (m ? std::string(m->name) : "unknown board") + " (" + c.model + ")";
    out +=
        c.external ? ", storage system " + c.chassisSerial : (c.slot == 255 ? "" : ", slot " + std::to_string(c.slot));
    out += ", firmware " + c.firmware + ", serial " + c.serial + "\n";
    out += "  cache " + std::to_string(c.cacheMB) + " MB (" + std::to_string(c.readPercent) + "% read), " +
        std::to_string(c.batteries) + " batteries; SSP " + (c.sspEnabled ? "on" : "off") + "; faults:" + faultText(c) +
        "\n";
    for (const Drive& d : c.drives)
        out += "  " + std::string(d.tape ? "tape drive " : "physical drive ") + d.location + "  " +
            kInterfaceNames[d.iface % 3] + "  " + (d.tape ? "" : gigabytes(d.blocks, 1e9) + "  ") + d.model +
            "  serial " + d.serial + "  " + kHealthNames[d.health % 3] + "\n";
    for (const auto& [number, ld] : c.logicalDrives) {
        LOGICAL_DRIVE_CONFIG config = configOf(ld);
        out += "  logical drive " + std::to_string(number) + ": " + kRaidNames[config.wFaultTolerance % 6] + ", " +
            gigabytes(volumeBlocks(config), 1073741824.0) + ", drives " +
            locations(c, driveSetFromBytes(config.pbBigDriveAssignmentMap)) + ", spares " +
            locations(c, driveSetFromBytes(config.pbBigSpareAssignmentMap)) + ", " +
            unitStatusName(volumeState(c, ld, now)) + (ld.label.empty() ? "" : ", label \"" + ld.label + "\"") +
            "\n    image " + imagePath(imageDir, c, ld) + "\n";
    }
    for (const Initiator& ini : c.initiators) {
        char wwn[32];
        std::snprintf(wwn, sizeof wwn, "%02x:%02x:%02x:%02x:%02x:%02x:%02x:%02x", ini.wwn[0], ini.wwn[1], ini.wwn[2],
                      ini.wwn[3], ini.wwn[4], ini.wwn[5], ini.wwn[6], ini.wwn[7]);
        out += "  initiator " + std::string(wwn) + " \"" + ini.connectionName + "\" host mode " +
            std::to_string(ini.hostMode) + (ini.online ? ", online" : ", offline") + "\n";
    }
}

} // namespace

std::string worldReport(const World& world, const std::string& imageDir, std::int64_t now)
{
    std::string out;
    for (const Controller& c : world.controllers)
        reportController(c, imageDir, now, out);
    for (const Adapter& a : world.adapters) {
        out += "Fibre adapter " + a.name + (a.slot == 255 ? "" : ", slot " + std::to_string(a.slot)) + "\n";
        for (const Path& p : a.paths)
            out += "  reaches " + p.controller + " controller " + (p.side ? "B" : "A") + "\n";
    }
    return out;
}

} // namespace Sim
