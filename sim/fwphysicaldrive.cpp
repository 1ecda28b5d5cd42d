// Firmware commands addressed to physical drives: identity and status,
// inquiry of tape drives, monitoring counters, and failing a drive on request.
#include "controller/bmiclayouts_physicaldrive.h"
#include "sim/fwcommand.h"
#include "sim/volumegeometry.h"
#include "sim/volumestate.h"

namespace Sim {
namespace {

// Bits of the drive status flags the firmware reports.
constexpr std::uint8_t kDriveOk = 0x01; // bPhysicalDriveFlags
constexpr std::uint8_t kPredictiveFailure = 0x02; // bMorePhysicalDriveFlags
constexpr std::uint8_t kNcqCapableEnabled = 0xC0; // bEvenMoreDeviceFlags: capable, enabled
constexpr std::uint8_t kLinkRate3G = 9;
constexpr std::uint16_t kAttachedToController = 0x80;

bool inAnyArray(const Controller& c, std::uint16_t index)
{
    for (const auto& [number, ld] : c.logicalDrives) {
        LOGICAL_DRIVE_CONFIG config = configOf(ld);
        DriveSet used =
            driveSetFromBytes(config.pbBigDriveAssignmentMap) | driveSetFromBytes(config.pbBigSpareAssignmentMap);
        if (index < 128 && used.test(index))
            return true;
    }
    return false;
}

void putWorldWideId(std::uint8_t* wwid, const Controller& c, std::uint16_t index)
{
    std::uint32_t seed = c.boardId ^ (static_cast<std::uint32_t>(index) * 2654435761u);
    wwid[0] = 0x5F;
    for (int i = 1; i < 8; ++i)
        wwid[i] = static_cast<std::uint8_t>(seed >> ((i % 4) * 8)) ^ static_cast<std::uint8_t>(i * 37);
}

void putInquiry(SCSI_STANDARD_INQUIRY_DATA& inq, const Drive& d)
{
    inq.deviceInfo.bPeripheralType = d.tape ? 0x01 : 0x00;
    inq.deviceInfo.bRMB = d.tape ? 0x80 : 0x00;
    inq.deviceInfo.bVersions = 0x05;
    inq.deviceInfo.bResponseFormat = 0x02;
    inq.deviceInfo.bAdditionalLength = 91;
    putPadded(inq.sVendorID, "ORVX");
    putPadded(inq.sProductID, d.model);
    putPadded(inq.sProductRevisionLevel, d.firmware);
}

} // namespace

void identifyPhysicalDrive(Command& cmd)
{
    const Drive& d = *cmd.drive;
    PHYSICAL_DRIVE_STATUS r{};
    r.bSCSIBus = d.bus;
    r.bSCSIID = d.target;
    r.wBlockSize = 512;
    r.dwTotalBlocks = d.blocks > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(d.blocks);
    r.dwReservedBlocks = d.reservedBlocks;
    putText(r.sDriveModel, d.model);
    putText(r.sDriveSerialNumber, d.serial);
    putText(r.sDriveFirmwareRevision, d.firmware);
    r.bTalvaneDriveStamped = inAnyArray(cmd.ctl, cmd.driveIndex) ? 1 : 0;
    r.bPhysicalDriveFlags = d.health == HEALTH_FAILED ? 0 : kDriveOk;
    r.bMorePhysicalDriveFlags = d.health == HEALTH_PREDICTIVE ? kPredictiveFailure : 0;
    r.bEvenMoreDeviceFlags = d.iface == IF_SATA ? kNcqCapableEnabled : 0;
    putText(r.sPhysicalPort, d.port);
    r.bPhysicalBox = d.box;
    r.bPhysicalBay = d.bay;
    r.dwRPM = d.rpm;
    r.bDeviceType = d.iface;
    r.qwBIGTotalBlockCount = d.blocks;
    putWorldWideId(r.bWWID, cmd.ctl, cmd.driveIndex);
    if (d.iface != IF_PARALLEL) {
        r.wPHYCount = 1;
        r.bPHYConnectedDeviceType[0] = 1;
        r.wPHYToAttachedDeviceIndex[0] = kAttachedToController;
        r.bNegotiatedLinkRate[0] = kLinkRate3G;
    }
    r.bBoxIndex = d.box;
    cmd.reply(r);
}

void specialInquiry(Command& cmd)
{
    const Drive& d = *cmd.drive;
    PASS_THROUGH_SPECIAL_INQUIRY r{};
    r.dwNumberInquiryCommands = 3;
    putInquiry(r.standardInquiryResponse, d);
    r.deviceInformationResponse.bDeviceType = r.standardInquiryResponse.deviceInfo.bPeripheralType;
    r.deviceInformationResponse.bPageCode = 0x80;
    r.deviceInformationResponse.bPageLength = static_cast<std::uint8_t>(std::min<size_t>(64, d.serial.size()));
    putText(r.deviceInformationResponse.sSerialNumber, d.serial);
    r.talvaneInquiryResponse.deviceInfo = r.standardInquiryResponse.deviceInfo;
    putPadded(r.talvaneInquiryResponse.sVendorID, "ORVX");
    putPadded(r.talvaneInquiryResponse.sProductID, d.model);
    putPadded(r.talvaneInquiryResponse.sProductRevisionLevel, d.firmware);
    cmd.reply(r);
}

void senseMonitoringStatistics(Command& cmd)
{
    const Drive& d = *cmd.drive;
    SENSE_MNP_STATISTICS r{};
    std::memcpy(r.bSerialNumber, d.serial.data(), std::min<size_t>(sizeof r.bSerialNumber, d.serial.size()));
    std::memcpy(r.bFirmwareRevision, d.firmware.data(),
                std::min<size_t>(sizeof r.bFirmwareRevision, d.firmware.size()));
    r.dwPredictiveFailureErrors = d.health == HEALTH_PREDICTIVE ? 1 : 0;
    r.dwSpinCycles = 12;
    cmd.reply(r);
}

void monitoringParameterControl(Command& cmd)
{
    MNP_PARAMETER_CONTROL request;
    cmd.request(request);
}

void failPhysicalDrive(Command& cmd)
{
    FAIL_PHYSICAL_DRIVE_OPERATION request;
    if (!cmd.request(request))
        return;
    std::uint16_t index = request.wPhysicalDrive;
    if (index >= cmd.ctl.drives.size() || cmd.ctl.drives[index].tape)
        return cmd.fail(kKeyIllegalRequest, kAscInvalidFieldInParameters);
    failDrive(cmd.ctl, index, cmd.ctx.now);
    cmd.changed();
}

} // namespace Sim
