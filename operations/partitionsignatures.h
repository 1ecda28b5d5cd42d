// Operations::PartitionSignatures - erases the marks by which a host recognises partitions on a
// logical drive, so that a new logical drive later made on the same space does not show the old
// partitions. Each mark is spoilt in place (a few bytes overwritten); nothing else of a block
// changes, and a block without the mark is not written.
//
// - DeleteMBR: block 0 ending in 0x55 0xAA (a DOS partition table) gets 0xDE 0xAD instead.
// - DeleteSWVR: a software RAID member's superblock (the Linux md magic 0xA92B4EFC, little
//   endian, at the start of block 8: metadata 1.2, 4 KB into the member) gets "DEAD" instead.
// - DeleteEFI: a GPT header ("EFI PART") in block 1 and its backup in the last block of the
//   logical drive get "DEADDEAD" instead.
// Every step reads through the logical drive's controller (read-logical-drive 0x20) and writes
// back with write-logical-drive (0x30). The first failing command ends the erasure with its
// status in the result.
#ifndef VNL_OPERATIONS_PARTITIONSIGNATURES_H
#define VNL_OPERATIONS_PARTITIONSIGNATURES_H

#include <cstdint>

#include "core/operationreturn.h"
#include "schema/schemalogicaldrive.h"

namespace Operations {

class PartitionSignatures {
public:
    // `number` is the drive's logical drive number, `blocks` its size in blocks.
    PartitionSignatures(Schema::LogicalDrive& drive, std::uint16_t number, std::uint64_t blocks);

    Core::OperationReturn DeleteMBR();
    Core::OperationReturn DeleteSWVR();
    Core::OperationReturn DeleteEFI();

private:
    // Overwrites `length` bytes at `offset` of `block` with `mark` when they hold `signature`.
    Core::OperationReturn spoil(std::uint64_t block, unsigned offset, const char* signature, const char* mark,
                                unsigned length);

    Schema::LogicalDrive& m_drive;
    std::uint16_t m_number;
    std::uint64_t m_blocks;
};

} // namespace Operations

#endif
