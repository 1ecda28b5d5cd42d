// Operations::BoxDrives - the physical drives below a box (a storage system, or else a
// controller: Core::storageSystemFinder) by controller drive index, and the (spare, replaced)
// pairs its logical drives list as active spares (activeSparePairs). The association operations
// look drives up here rather than testing every drive against every array or drive, so that
// building associations takes time linear in the drives.
//
// of(box) gathers the index once per box and rescan pass (Core::RescanPass): while a pass builds
// associations its tree does not change. Outside a pass it gathers the index on every call. The
// index is valid until the next call of of(). Lists come in tree order.
#ifndef VNL_OPERATIONS_BOXDRIVES_H
#define VNL_OPERATIONS_BOXDRIVES_H

#include <cstddef>
#include <map>
#include <vector>

#include "core/device.h"
#include "schema/schemaarray.h"

namespace Operations {

class BoxDrives {
public:
    static const BoxDrives& of(const Core::DevicePtr& box);

    // The drives whose index is in `set`.
    Core::DeviceList inSet(const Schema::Array::DriveSet& set) const;
    // The spares that stand in for the drive of index `replaced`.
    Core::DeviceList activeSparesFor(unsigned replaced) const;

private:
    BoxDrives() = default;
    explicit BoxDrives(const Core::DevicePtr& box);
    Core::DeviceList atPositions(std::vector<std::size_t> positions) const;
    void addPositions(unsigned index, std::vector<std::size_t>& positions) const;

    std::vector<Core::Device*> m_drives; // in tree order
    std::multimap<unsigned, std::size_t> m_positions; // drive index -> position in m_drives
    std::multimap<unsigned, unsigned> m_sparesFor; // replaced drive index -> spare index
};

} // namespace Operations

#endif
