// Operations::VirtualArray - the plan of a transformation of one array: its logical drives
// (VirtualLogicalDrive) laid out anew after an expansion with more drives, the extension of one
// logical drive or the migration of one to another RAID level or stripe size, checked, ordered
// and written with change-logical-drive-configuration.
//
// What a caller may rely on:
// - Expand, Extend and Migrate change the plan only; every logical drive is then re-laid from
//   offset 0 in the order of their present offsets, so the drives keep their order on disk.
// - isValid: every logical drive is valid (VirtualLogicalDrive::isValid) and ends within the
//   drives' blocks less the reserved ones; an array without logical drives has nothing to plan. The transformation cache is asked of the
//   controller (sense expansion ability, once per model) only when a stripe size changes.
// - scheduledLogicalDrives orders the changed drives so that no drive is rewritten onto blocks
//   that its neighbour still holds: its new extent must start after the end of the drive before
//   it and end before the start of the drive after it, as each of them lies at that moment.
//   When no remaining drive may go, the schedule cannot be completed and it is empty.
// - save sends nothing unless the plan is valid and its schedule complete
//   (ATTR_VALUE_STATUS_FAILURE); then, drive by drive in schedule order, it senses the record,
//   rewrites it and sends it with change-logical-drive-configuration. The first failing command
//   ends the save with its status; drives already sent stay changed.
#ifndef VNL_OPERATIONS_VIRTUALARRAY_H
#define VNL_OPERATIONS_VIRTUALARRAY_H

#include <optional>
#include <vector>

#include "common/localstaticallocator.h"
#include "core/device.h"
#include "core/operationreturn.h"
#include "operations/virtuallogicaldrive.h"

namespace Operations {

class VirtualArray : public Common::LocalStaticAllocator<VirtualArray, 33, 8> {
public:
    using DriveSet = VirtualLogicalDrive::DriveSet;

    // What the planner needs to know of the array and its controller.
    struct Facts {
        Core::DevicePtr array;
        DriveSet members;
        DriveSet spares;
        std::uint64_t totalBlocksPerDrive = 0;
        std::uint64_t reservedBlocksPerDrive = 0;
        unsigned physicalDriveCount = 0;
        bool raid6Offered = false;
        bool raid5Offered = false;
        std::uint16_t raid6Stripe = 0;
        std::uint16_t raid5Stripe = 0;
    };

    VirtualArray(const Facts& facts, std::vector<VirtualLogicalDrive> drives);

    const Core::DevicePtr& array() const { return m_facts.array; }
    // The logical drive with `number`, or none.
    VirtualLogicalDrive* logicalDrive(unsigned number);

    void Expand(const DriveSet& added);
    // False when the array has no logical drive of that number.
    bool Extend(unsigned number, std::uint64_t size);
    bool Migrate(unsigned number, const Common::string& raid, std::uint16_t stripe);

    bool isValid();
    // The numbers of the changed logical drives in the order they are to be rewritten; empty
    // when they cannot all be rewritten.
    std::vector<unsigned> scheduledLogicalDrives() const;
    Core::OperationReturn save();

private:
    void relayout();
    std::uint64_t transformationCache();
    bool mayGo(const std::vector<VirtualLogicalDrive>& drives, std::size_t candidate) const;
    Core::OperationReturn rewrite(const VirtualLogicalDrive& drive);

    Facts m_facts;
    DriveSet m_planned;
    std::vector<VirtualLogicalDrive> m_drives;
    std::optional<std::uint64_t> m_transformationCache;
};

} // namespace Operations

#endif
