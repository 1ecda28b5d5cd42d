// Operations::VirtualLogicalDrive - one logical drive of a transformation plan: where it lies on
// its array's drives as the controller has it now (present) and as the plan wants it (planned).
//
// What a caller may rely on:
// - place(d) recomputes the planned blocks per drive from the planned size, stripe size and `d`
//   data drives; the caller sets the planned data offset (VirtualArray re-lays every drive).
// - isValid refuses a plan that shrinks the drive (its data would be cut off), a stripe change
//   whose old and new full stripes need more than `transformationCache` blocks to convert, and a
//   move to a higher offset that overlaps the present extent while the data drive count grows
//   (the controller would overwrite data it has not read yet).
// - wasModified compares every field the controller is told about.
// - UpdateConfigBuffer rewrites a sensed configuration record with the planned layout, the
//   array's spare set (none for RAID 0) and the controller's physical drive count, and stamps it.
//   A drive too big for the drive parameter table is written in the big-drive form, with the
//   big-drive property set, whichever form the record had before.
#ifndef VNL_OPERATIONS_VIRTUALLOGICALDRIVE_H
#define VNL_OPERATIONS_VIRTUALLOGICALDRIVE_H

#include <cstdint>

#include "common/containers.h"
#include "common/ctlstring.h"
#include "controller/bmiclayouts_logicaldrive.h"

namespace Operations {

class VirtualLogicalDrive {
public:
    using DriveSet = Common::bitset<128>;
    static constexpr unsigned MAX_CYLINDERS = 65535;

    struct Layout {
        std::uint16_t number = 0;
        std::uint8_t heads = 255;
        std::uint8_t sectors = 63;
        std::uint16_t blockSize = 512;
        std::uint64_t blocksPerDrive = 0;
        std::uint64_t dataOffset = 0;
        std::uint8_t faultToleranceDrives = 0;
        std::uint16_t stripeSize = 0;
        std::uint64_t size = 0;
        Common::string raid;
        DriveSet dataDrives;

        // The data drives its level makes of its member drives; 0 when the count is not valid.
        unsigned dataDriveCount() const;
        // The last block of its extent on each drive.
        std::uint64_t lastBlock() const { return dataOffset + blocksPerDrive - 1; }
    };

    explicit VirtualLogicalDrive(const Layout& present) : m_planned(present), m_present(present) {}

    Layout& planned() { return m_planned; }
    const Layout& planned() const { return m_planned; }
    const Layout& present() const { return m_present; }
    std::uint16_t number() const { return m_present.number; }

    void place(unsigned dataDrives);
    bool stripeChanges() const;
    bool isValid(std::uint64_t transformationCache) const;
    bool wasModified() const;
    // The drive has been rewritten: from now on the controller has it where the plan puts it.
    void settle() { m_present = m_planned; }

    void UpdateConfigBuffer(LOGICAL_DRIVE_CONFIG& config, const DriveSet& spares, unsigned physicalDrives) const;

private:
    Layout m_planned;
    Layout m_present;
};

} // namespace Operations

#endif
