#include "operations/discovertapedrive.h"

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "operations/drivecandidates.h"
#include "operations/drivelocation.h"
#include "operations/fieldtext.h"
#include "operations/replycache.h"
#include "operations/silentdrive.h"

namespace Operations {
namespace {

namespace Facts = Interface::StorageMod::TapeDrive;

void publishInquiry(Schema::TapeDrive& tape, const PASS_THROUGH_SPECIAL_INQUIRY& inquiry)
{
    if (inquiry.bInquirySCSIStatus == 0) {
        const SCSI_STANDARD_INQUIRY_DATA& standard = inquiry.standardInquiryResponse;
        publishFact(tape, Facts::ATTR_NAME_VENDOR_ID, fieldText(standard.sVendorID));
        publishFact(tape, Facts::ATTR_NAME_PRODUCT_ID, fieldText(standard.sProductID));
        publishFact(tape, Facts::ATTR_NAME_REVISION_LEVEL, fieldText(standard.sProductRevisionLevel));
    }
    if (inquiry.bDeviceInformationPageSCSIStatus == 0) {
        const SCSI_DEVICE_INFORMATION& page = inquiry.deviceInformationResponse;
        const std::size_t length = std::min<std::size_t>(page.bPageLength, sizeof page.sSerialNumber);
        publishFact(tape, Facts::ATTR_NAME_SERIAL_NUMBER, fieldText(page.sSerialNumber, length));
    }
    if (inquiry.bTalvaneInquiryPageSCSIStatus == 0) {
        const SCSI_TALVANE_INQUIRY_DATA& page = inquiry.talvaneInquiryResponse;
        publishFact(tape, Facts::ATTR_NAME_TALVANE_VENDOR_ID, fieldText(page.sVendorID));
        publishFact(tape, Facts::ATTR_NAME_TALVANE_PRODUCT_ID, fieldText(page.sProductID));
        publishFact(tape, Facts::ATTR_NAME_TALVANE_REVISION_LEVEL, fieldText(page.sProductRevisionLevel));
    }
}

} // namespace

void DiscoverTapeDrive::publishFacts(Schema::TapeDrive& tape, const PHYSICAL_DRIVE_STATUS& identity,
                                     const PASS_THROUGH_SPECIAL_INQUIRY& inquiry)
{
    publishFact(tape, Facts::ATTR_NAME_STATUS, Facts::ATTR_VALUE_STATUS_OK);
    publishFact(tape, Facts::ATTR_NAME_SCSI_BUS, identity.bSCSIBus);
    publishFact(tape, Facts::ATTR_NAME_SCSI_ID, identity.bSCSIID);
    publishDriveLocation(tape, identity);
    publishInquiry(tape, inquiry);
}

void DiscoverTapeDrive::publishTapeDrives(Core::Device& device, BMICDevice& channel,
                                          const IDENTIFY_CONTROLLER& identify, Core::OperationReturn& result)
{
    CachedChannel questions(channel);
    const DriveSet tapes = CandidateDrives(device, questions, driveSetFromBytes(identify.pbBigNonDiskBitmap));
    for (unsigned index = 0; index < tapes.size() && result; ++index) {
        if (!tapes.test(index))
            continue;
        SensePhysicalDriveCommand<IdentifyPhysicalDriveTrait> identity(static_cast<std::uint16_t>(index));
        SensePhysicalDriveCommand<PassThroughSpecialInquiryTrait> inquiry(static_cast<std::uint16_t>(index));
        Core::OperationReturn asked;
        executeCommand(identity, channel, asked);
        executeCommand(inquiry, channel, asked);
        // A tape drive that does not answer is left out; its controller is not at fault.
        if (!asked && (isSilentDrive(identity) || isSilentDrive(inquiry)))
            continue;
        if (!asked) {
            result = asked;
            break;
        }
        auto* tape = new Schema::TapeDrive(static_cast<unsigned short>(index), 0);
        publishFacts(*tape, identity.result(), inquiry.result());
        device.receive(Core::DevicePtr(tape));
    }
}

Core::OperationReturn DiscoverTapeDrive::visit(Schema::DriveCage& cage)
{
    CachedChannel questions(cage);
    IDENTIFY_CONTROLLER identify{};
    Core::OperationReturn result = IdentifyController(questions, identify);
    if (result)
        publishTapeDrives(cage, cage, identify, result);
    return result;
}

} // namespace Operations
