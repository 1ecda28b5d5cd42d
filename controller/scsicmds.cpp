#include "controller/scsicmds.h"

#include <algorithm>
#include <cstring>

#include "controller/scsiservices.h"

namespace {

constexpr auto IN = SCSIDevice::TRANSFER_IN;
constexpr auto OUT = SCSIDevice::TRANSFER_OUT;

std::uint32_t bigEndian32(const std::uint8_t* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
        bytes[3];
}

std::uint8_t flashMode(std::uint8_t flashType)
{
    if (flashType == 0)
        return 5;
    if (flashType <= 2)
        return 7;
    return flashType == 3 ? 14 : 15;
}

} // namespace

// ---- CdbCommand -------------------------------------------------------------------------

CdbCommand::CdbCommand(std::initializer_list<std::uint8_t> block, std::uint8_t blockLength,
                       SCSIDevice::EnTransferType type, std::uint32_t dataLength)
    : m_cdbLength(blockLength), m_type(type), m_data(dataLength)
{
    std::copy_n(block.begin(), std::min(block.size(), m_cdb.size()), m_cdb.begin());
}

void CdbCommand::SetBigEndian(std::size_t offset, std::size_t width, std::uint32_t value)
{
    for (std::size_t i = 0; i < width; ++i) {
        m_cdb[offset + i] = static_cast<std::uint8_t>(value >> (8 * (width - 1 - i)));
    }
}

void CdbCommand::SetBytes(std::size_t offset, const std::uint8_t* bytes, std::size_t count)
{
    std::copy_n(bytes, std::min(count, m_cdb.size() - offset), m_cdb.begin() + offset);
}

bool CdbCommand::sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request)
{
    return Send(device, request, m_cdb.data(), m_cdbLength, m_type, m_data.empty() ? nullptr : m_data.data(),
                static_cast<std::uint32_t>(m_data.size()));
}

// ---- fixed command blocks ----------------------------------------------------------------

CISSScan::CISSScan() : CdbCommand({0x02}, 16, SCSIDevice::TRANSFER_SPECIAL_OUT, 0) {}

SCSIRead10::SCSIRead10(std::uint32_t block) : CdbCommand({0x28}, 10, IN, BLOCK_SIZE)
{
    SetBigEndian(2, 4, block);
    SetBigEndian(7, 2, 1);
}

ReportStandardInquiry::ReportStandardInquiry() : CdbCommand({0x12, 0, 0, 0, 95, 0}, 6, IN, 95) {}

VPDPage80::VPDPage80() : CdbCommand({0x12, 1, 0x80, 0, 128, 0}, 6, IN, 128) {}

VolumeIdentification::VolumeIdentification() : CdbCommand({0x12, 1, 0x83, 0, 157, 0}, 6, IN, 157) {}

TestUnitReady::TestUnitReady() : CdbCommand({}, 6, SCSIDevice::TRANSFER_NONE, 0) {}

ReadChassisSerialNumber::ReadChassisSerialNumber() : CdbCommand({0x08, 0, 0, 0x93, 0x20, 0}, 6, IN, 32) {}

WriteChassisSerialNumber::WriteChassisSerialNumber(const std::vector<std::uint8_t>& serialPage)
    : CdbCommand({0x0A, 0xE0, 0, 0x93, 0x20, 0}, 6, OUT, 32)
{
    std::copy_n(serialPage.begin(), std::min<std::size_t>(serialPage.size(), 32), buffer().begin());
}

// The switch configuration page length (352) sits in bytes 6-8, least significant first.
ReadSwitchConfiguration::ReadSwitchConfiguration() : CdbCommand({0x3C, 0, 1, 0, 0, 0, 0x60, 0x01, 0x00, 0}, 10, IN, 352)
{
}

WriteSwitchConfiguration::WriteSwitchConfiguration(const std::vector<std::uint8_t>& page)
    : CdbCommand({0x3B, 0, 1, 0, 0, 0, 0x60, 0x01, 0x00, 0}, 10, OUT, 352)
{
    std::copy_n(page.begin(), std::min<std::size_t>(page.size(), 352), buffer().begin());
}

ModeSelect6::ModeSelect6(const std::uint8_t* page, std::uint32_t length) : CdbCommand({0x15}, 6, OUT, page ? length : 0)
{
    if (page && length)
        std::memcpy(buffer().data(), page, length);
}

// ---- firmware ----------------------------------------------------------------------------

FlashSEPFirmware::FlashSEPFirmware(std::uint8_t flashType, const std::uint8_t* image, std::uint32_t length)
    : CdbCommand({0x3B, flashMode(flashType)}, 10, OUT, 0), m_fits(image != nullptr && length <= MAX_IMAGE_LENGTH)
{
    if (!m_fits)
        return;
    buffer().assign(image, image + length);
    SetBigEndian(6, 3, length);
}

bool FlashSEPFirmware::sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request)
{
    return m_fits && CdbCommand::sendCommand(device, request);
}

// ---- 0x86 / 0x87 services ----------------------------------------------------------------

KeyedServiceCommand::KeyedServiceCommand(std::uint8_t opcode, std::uint8_t service, SCSIDevice::EnTransferType type,
                                         std::uint32_t dataLength)
    : CdbCommand({opcode, service}, SCSI_SERVICE_CDB_LENGTH, type, dataLength)
{
}

void KeyedServiceCommand::SetKey(const std::array<std::uint8_t, 8>& key)
{
    SetBytes(SCSI_KEY_OFFSET, key.data(), key.size());
}

bool KeyedServiceCommand::sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request)
{
    SetBigEndian(SCSI_SERVICE_LENGTH_OFFSET, 4, static_cast<std::uint32_t>(data().size()));
    return CdbCommand::sendCommand(device, request);
}

SSP1ReportACL::SSP1ReportACL() : SspCommand(SCSI_OPCODE_REPORT_SERVICE, SCSI_SERVICE_SSP1_ACL, IN, SCSI_SSP1_ACL_LENGTH)
{
}

SSP2ReportACL::SSP2ReportACL() : SspCommand(SCSI_OPCODE_REPORT_SERVICE, SCSI_SERVICE_SSP2_ACL, IN, SCSI_SSP2_ACL_LENGTH)
{
}

SSP1ManageACL::SSP1ManageACL(const std::vector<std::uint8_t>& parameters)
    : SspCommand(SCSI_OPCODE_MANAGE_SERVICE, SCSI_SERVICE_SSP1_ACL, OUT, 0)
{
    buffer() = parameters;
}

SSP2ManageACL::SSP2ManageACL(const std::vector<std::uint8_t>& parameters)
    : SspCommand(SCSI_OPCODE_MANAGE_SERVICE, SCSI_SERVICE_SSP2_ACL, OUT, 0)
{
    buffer() = parameters;
}

SSP2DisableACL::SSP2DisableACL()
    : SspCommand(SCSI_OPCODE_MANAGE_SERVICE, SCSI_SERVICE_SSP2_DISABLE, OUT, SCSI_SSP2_DISABLE_LENGTH)
{
}

ReportHostModes::ReportHostModes()
    : HostModeCommand(SCSI_OPCODE_REPORT_SERVICE, SCSI_SERVICE_HOST_MODES, IN, SCSI_HOST_MODES_LENGTH)
{
}

ReportHostAttributes::ReportHostAttributes()
    : HostModeCommand(SCSI_OPCODE_REPORT_SERVICE, SCSI_SERVICE_HOST_ATTRIBUTES, IN, SCSI_HOST_ATTRIBUTES_LENGTH)
{
}

MaintainHostAttributes::MaintainHostAttributes(std::uint32_t entryCount)
    : HostModeCommand(SCSI_OPCODE_MANAGE_SERVICE, SCSI_SERVICE_HOST_ATTRIBUTES, OUT,
                      SCSI_HOST_ATTRIBUTES_HEADER_LENGTH +
                          SCSI_HOST_ATTRIBUTES_ENTRY_LENGTH * std::min(entryCount, 1024u))
{
}

// ---- report physical LUNs ----------------------------------------------------------------

bool ReportPhysicalLunsType2::sendWithLength(SCSIDevice& device, SCSIDevice::SCSIRequest& request,
                                             std::vector<std::uint8_t>& buffer)
{
    const auto length = static_cast<std::uint32_t>(buffer.size());
    m_cdb = {0xC3,
             0x02,
             0,
             0,
             0,
             0,
             static_cast<std::uint8_t>(length >> 24),
             static_cast<std::uint8_t>(length >> 16),
             static_cast<std::uint8_t>(length >> 8),
             static_cast<std::uint8_t>(length),
             0,
             0};
    return Send(device, request, m_cdb.data(), static_cast<std::uint8_t>(m_cdb.size()), SCSIDevice::TRANSFER_IN,
                buffer.data(), length);
}

bool ReportPhysicalLunsType2::sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request)
{
    m_entries.clear();
    std::vector<std::uint8_t> header(HEADER_SIZE);
    if (!sendWithLength(device, request, header) || header[4] != 2)
        return false;
    const std::uint32_t listLength = bigEndian32(header.data());
    if (listLength / ENTRY_SIZE > MAX_ENTRIES)
        return false;
    std::vector<std::uint8_t> list(HEADER_SIZE + listLength);
    if (!sendWithLength(device, request, list))
        return false;
    for (std::size_t at = HEADER_SIZE; at + ENTRY_SIZE <= list.size(); at += ENTRY_SIZE) {
        Entry entry;
        std::copy_n(list.begin() + static_cast<std::ptrdiff_t>(at), ENTRY_SIZE, entry.begin());
        m_entries.push_back(entry);
    }
    return true;
}

// ---- auto revision -----------------------------------------------------------------------

bool ReadAutoRevNumber::readChunk(SCSIDevice& device, SCSIDevice::SCSIRequest& request, std::uint8_t offset,
                                  std::uint8_t* into)
{
    static constexpr std::uint8_t select[6] = {0x0A, 0xE0, 0, 0x90, 8, 0};
    static constexpr std::uint8_t read[6] = {0x08, 0, 0, 0x90, 8, 0};
    std::uint8_t selection[512] = {0x90, 0x02, 0xAC, offset};
    std::uint8_t answer[8] = {};
    if (!Send(device, request, select, 6, OUT, selection, sizeof(selection)))
        return false;
    if (!Send(device, request, read, 6, IN, answer, sizeof(answer)))
        return false;
    std::copy_n(answer + 3, 4, into);
    return true;
}

bool ReadAutoRevNumber::sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request)
{
    std::uint8_t page[PAGE_SIZE] = {};
    std::size_t collected = 0;
    while (collected < PAGE_SIZE &&
           readChunk(device, request, static_cast<std::uint8_t>(collected), page + collected)) {
        collected += 4;
    }
    const std::uint8_t* end = page + collected;
    const std::uint8_t* marker = std::find(static_cast<const std::uint8_t*>(page), end, static_cast<std::uint8_t>('s'));
    if (end - marker <= 3)
        return false; // no marker, or no byte three places after it
    m_revision = marker[3];
    return true;
}
