// Operations::DiscoverLogicalDrive (OPERATION_DISCOVER_LOGICAL_DRIVES) - the logical drives of
// an array, from the information manager's logical drive handles of the array's controller (or
// storage system). A handle whose logical drive number belongs to the array becomes a
// Schema::LogicalDrive with its number, whether the operating system uses it, and its
// operating-system access name; they are published in handle order. The scope of the array
// must be a controller or storage system with a library handle, otherwise the discovery fails.
//
// The handles are listed once per rescan, not once per array: the array discovery, which runs
// on the scope just before the arrays are visited, keeps the list on the scope
// (RememberHandles); without such a list the handles are listed here.
#ifndef VNL_OPERATIONS_DISCOVERLOGICALDRIVE_H
#define VNL_OPERATIONS_DISCOVERLOGICALDRIVE_H

#include <vector>

#include "controller/imgrdefs.h"
#include "operations/discoveroperation.h"
#include "schema/schemaarray.h"
#include "schema/storagemod.h"

namespace Operations {

class DiscoverLogicalDrive : public Schema::VisitorArray,
                             public DiscoverOperation<Interface::StorageMod::OPERATION_DISCOVER_LOGICAL_DRIVES> {
public:
    struct LogicalDriveHandle {
        ImgrHandle handle = 0;
        unsigned number = 0;
        bool inUse = false;
        Common::string accessName;
        bool operator==(const LogicalDriveHandle&) const = default;
    };
    using LogicalDriveHandles = std::vector<LogicalDriveHandle>;

    // Name of the private attribute of the scope that holds its LogicalDriveHandles.
    static constexpr char LOGICAL_DRIVE_HANDLES[] = "LOGICAL_DRIVE_HANDLES";

    Core::OperationReturn visit(Schema::Array& array) override;

    // Lists the logical drive handles of a controller or storage system and keeps them on it.
    static void RememberHandles(Core::Device& scope);
};

} // namespace Operations

#endif
