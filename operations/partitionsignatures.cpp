#include "operations/partitionsignatures.h"

#include <cstring>

#include "controller/bmiccommands.h"
#include "controller/executecommand.h"
#include "operations/replycache.h"

namespace Operations {
namespace {

constexpr std::uint64_t kMbrBlock = 0;
constexpr unsigned kMbrSignatureOffset = 510;
constexpr std::uint64_t kGptHeaderBlock = 1;
constexpr std::uint64_t kSoftwareRaidBlock = 8;

} // namespace

PartitionSignatures::PartitionSignatures(Schema::LogicalDrive& drive, std::uint16_t number, std::uint64_t blocks)
    : m_drive(drive), m_number(number), m_blocks(blocks)
{
}

Core::OperationReturn PartitionSignatures::DeleteMBR()
{
    return spoil(kMbrBlock, kMbrSignatureOffset, "\x55\xAA", "\xDE\xAD", 2);
}

Core::OperationReturn PartitionSignatures::DeleteSWVR()
{
    return spoil(kSoftwareRaidBlock, 0, "\xFC\x4E\x2B\xA9", "DEAD", 4);
}

Core::OperationReturn PartitionSignatures::DeleteEFI()
{
    Core::OperationReturn result = spoil(kGptHeaderBlock, 0, "EFI PART", "DEADDEAD", 8);
    if (result && m_blocks > kGptHeaderBlock + 1)
        result = spoil(m_blocks - 1, 0, "EFI PART", "DEADDEAD", 8);
    return result;
}

Core::OperationReturn PartitionSignatures::spoil(std::uint64_t block, unsigned offset, const char* signature,
                                                 const char* mark, unsigned length)
{
    Core::OperationReturn result;
    // Blocks beyond what a 32-bit block number reaches, and beyond the drive, are not there to read.
    if (block >= m_blocks || block > 0xFFFFFFFFull)
        return result;
    SenseLogicalDriveCommand<ReadLogicalDriveTrait> read(m_number, static_cast<std::uint32_t>(block));
    if (!executeCommand(read, m_drive, result) || !result)
        return result;
    READ_WRITE_BUFFER data = read.result();
    if (std::memcmp(data.ARRAY + offset, signature, length) != 0)
        return result;
    std::memcpy(data.ARRAY + offset, mark, length);
    SetLogicalDriveCommand<WriteLogicalDriveTrait> write(m_number, data, static_cast<std::uint32_t>(block));
    executeWriteCommand(write, m_drive, result);
    return result;
}

} // namespace Operations
