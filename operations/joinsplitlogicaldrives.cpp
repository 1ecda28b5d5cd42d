#include "operations/joinsplitlogicaldrives.h"

#include "controller/bmiccommands.h"
#include "operations/logicaldriverecord.h"
#include "operations/replycache.h"
#include "schema/schemalogicaldrive.h"
#include "schema/storagemod.h"

namespace Operations {
namespace {

using namespace Interface::MORUMod;
namespace Facts = Interface::StorageMod::LogicalDrive;

Core::OperationReturn joinSplitOne(Schema::LogicalDrive& drive, std::uint32_t which)
{
    std::uint16_t number = 0;
    LOGICAL_DRIVE_CONFIG record{};
    Core::OperationReturn result = senseRecord(drive, number, record);
    if (!result)
        return result;
    SetLogicalDriveCommand<JoinSplitLogicalDriveTrait> send(number, record, which);
    executeWriteCommand(send, drive, result);
    return result;
}

} // namespace

Core::OperationReturn JoinSplitLogicalDrives(Schema::Array& array, std::uint32_t which)
{
    Core::OperationReturn result;
    for (auto child = array.beginChild(); child != array.endChild() && result; ++child)
        if (auto* drive = dynamic_cast<Schema::LogicalDrive*>(child->get()))
            result = joinSplitOne(*drive, which);
    return result;
}

Core::FilterReturn MirroredArrayFilter::applyImpl(const Core::DevicePtr& device) const
{
    bool any = false;
    for (auto child = device->beginChild(); child != device->endChild(); ++child) {
        if (dynamic_cast<const Schema::LogicalDrive*>(child->get()) == nullptr)
            continue;
        if ((*child)->getValueFor(Facts::ATTR_NAME_RAID) != Facts::ATTR_VALUE_RAID_1)
            return Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_LOGICAL_DRIVE_NOT_RAID_1);
        any = true;
    }
    return any ? Core::FilterReturn() : Core::FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_LOGICAL_DRIVE_NOT_RAID_1);
}

} // namespace Operations
