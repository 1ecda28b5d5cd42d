// scsicmds - the SCSI commands the tool sends: to controllers (bus scan,
// physical LUN report, selective storage presentation, host modes), to
// logical and tape drives (inquiry pages, read) and to enclosure processors
// and switches (serial numbers, configuration pages, firmware).
//
// Multi-byte command block fields are most significant byte first unless a
// command says otherwise. Each command owns its data buffer: data() is the
// answer after the command ran, buffer() is what a write sends.
#ifndef CONTROLLER_SCSICMDS_H
#define CONTROLLER_SCSICMDS_H

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "controller/scsicommand.h"

// A command with one fixed command block and one data buffer.
class CdbCommand : public ScsiCommand {
public:
    bool sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request) override;

    const std::vector<std::uint8_t>& data() const { return m_data; }
    std::vector<std::uint8_t>& buffer() { return m_data; }
    const std::uint8_t* commandBlock() const { return m_cdb.data(); }
    std::uint8_t commandBlockLength() const { return m_cdbLength; }

protected:
    CdbCommand(std::initializer_list<std::uint8_t> block, std::uint8_t blockLength, SCSIDevice::EnTransferType type,
               std::uint32_t dataLength);
    void SetBigEndian(std::size_t offset, std::size_t width, std::uint32_t value);
    void SetBytes(std::size_t offset, const std::uint8_t* bytes, std::size_t count);

private:
    std::array<std::uint8_t, 16> m_cdb{};
    std::uint8_t m_cdbLength;
    SCSIDevice::EnTransferType m_type;
    std::vector<std::uint8_t> m_data;
};

class CISSScan : public CdbCommand {
public:
    CISSScan();
};

class SCSIRead10 : public CdbCommand {
public:
    static constexpr std::uint32_t BLOCK_SIZE = 512;
    explicit SCSIRead10(std::uint32_t block);
};

class ReportStandardInquiry : public CdbCommand {
public:
    ReportStandardInquiry();
};

class VPDPage80 : public CdbCommand {
public:
    VPDPage80();
};

class VolumeIdentification : public CdbCommand {
public:
    VolumeIdentification();
};

class TestUnitReady : public CdbCommand {
public:
    TestUnitReady();
};

class ReadChassisSerialNumber : public CdbCommand {
public:
    ReadChassisSerialNumber();
};

class WriteChassisSerialNumber : public CdbCommand {
public:
    explicit WriteChassisSerialNumber(const std::vector<std::uint8_t>& serialPage);
};

class ReadSwitchConfiguration : public CdbCommand {
public:
    ReadSwitchConfiguration();
};

class WriteSwitchConfiguration : public CdbCommand {
public:
    explicit WriteSwitchConfiguration(const std::vector<std::uint8_t>& page);
};

class ModeSelect6 : public CdbCommand {
public:
    ModeSelect6(const std::uint8_t* page, std::uint32_t length);
};

// Firmware download to an enclosure processor. An image whose length does not
// fit the block's 24-bit length field is refused rather than cut short.
class FlashSEPFirmware : public CdbCommand {
public:
    static constexpr std::uint32_t MAX_IMAGE_LENGTH = 0xFFFFFF;
    FlashSEPFirmware(std::uint8_t flashType, const std::uint8_t* image, std::uint32_t length);

    bool sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request) override;
    std::uint16_t addtionalStatus() const { return wCommandStatus(); }

private:
    bool m_fits;
};

// The 0x86 / 0x87 service commands: an optional 8-byte key and the data
// length, both filled into the block when the command is sent.
class KeyedServiceCommand : public CdbCommand {
public:
    bool sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request) override;

protected:
    KeyedServiceCommand(std::uint8_t opcode, std::uint8_t service, SCSIDevice::EnTransferType type,
                        std::uint32_t dataLength);
    void SetKey(const std::array<std::uint8_t, 8>& key);
};

class SspCommand : public KeyedServiceCommand {
public:
    void SSPKeyIs(const std::array<std::uint8_t, 8>& key) { SetKey(key); }

protected:
    using KeyedServiceCommand::KeyedServiceCommand;
};

class HostModeCommand : public KeyedServiceCommand {
public:
    void HostModeKeyIs(const std::array<std::uint8_t, 8>& key) { SetKey(key); }

protected:
    using KeyedServiceCommand::KeyedServiceCommand;
};

class SSP1ReportACL : public SspCommand {
public:
    SSP1ReportACL();
};

class SSP2ReportACL : public SspCommand {
public:
    SSP2ReportACL();
};

class SSP1ManageACL : public SspCommand {
public:
    explicit SSP1ManageACL(const std::vector<std::uint8_t>& parameters);
};

class SSP2ManageACL : public SspCommand {
public:
    explicit SSP2ManageACL(const std::vector<std::uint8_t>& parameters);
};

class SSP2DisableACL : public SspCommand {
public:
    SSP2DisableACL();
};

class ReportHostModes : public HostModeCommand {
public:
    ReportHostModes();
};

class ReportHostAttributes : public HostModeCommand {
public:
    ReportHostAttributes();
};

// Parameter data of 28 bytes plus 40 per entry, filled in through buffer().
class MaintainHostAttributes : public HostModeCommand {
public:
    explicit MaintainHostAttributes(std::uint32_t entryCount);
};

// The controller's list of physical LUNs, asked for in two sends: the 8-byte
// header first, then the whole list. A header whose byte 4 is not 2, or that
// announces more than MAX_ENTRIES entries, ends the command with no entries.
class ReportPhysicalLunsType2 : public ScsiCommand {
public:
    static constexpr std::size_t ENTRY_SIZE = 24;
    static constexpr std::size_t HEADER_SIZE = 8;
    static constexpr std::uint32_t MAX_ENTRIES = 4096;
    using Entry = std::array<std::uint8_t, ENTRY_SIZE>;
    using const_iterator = std::vector<Entry>::const_iterator;

    bool sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request) override;

    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }
    std::size_t size() const { return m_entries.size(); }

private:
    bool sendWithLength(SCSIDevice& device, SCSIDevice::SCSIRequest& request, std::vector<std::uint8_t>& buffer);

    std::array<std::uint8_t, 12> m_cdb{};
    std::vector<Entry> m_entries;
};

// The revision byte of an enclosure's auto-revision page, read four bytes at
// a time through a write-then-read pair of commands.
class ReadAutoRevNumber : public ScsiCommand {
public:
    static constexpr std::size_t PAGE_SIZE = 256;

    bool sendCommand(SCSIDevice& device, SCSIDevice::SCSIRequest& request) override;
    std::uint8_t revision() const { return m_revision; }

private:
    bool readChunk(SCSIDevice& device, SCSIDevice::SCSIRequest& request, std::uint8_t offset, std::uint8_t* into);

    std::uint8_t m_revision = 0;
};

#endif
