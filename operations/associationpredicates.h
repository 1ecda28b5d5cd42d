// The association predicates: which devices an association operation links (see
// Core::DeviceAssociationOperation). Each decides for a pair (from, candidate); a pair of the
// wrong device classes is never linked.
// - activeSparePairs: the (spare index, replaced index) pairs the logical drives below a scope
//   list in ATTR_NAME_ACTIVE_SPARE_FOR_LIST.
// - ArrayControllerUnassignedDrivePredicate / StorageSystemUnassignedDrivePredicate: to the
//   unassigned physical drives (the scope decides whose).
// - InitiatorWithAccessPredicate: from a storage system to the initiators its access-control
//   list grants any logical drive; LunInitiatorWithAccessPredicate: from a logical drive to the
//   initiators granted that drive, by the list of the storage system above it.
// - PreferredPathPredicate: whether a controller of a storage system is the preferred path of a
//   logical drive - in active-standby mode the active controller
//   serves them all; in asymmetric active-active mode the controller whose ATTR_NAME_IO_SLOT
//   the logical drive names in its own ATTR_NAME_IO_SLOT.
// - ArrayControllerToHostBusAdapterInterconnectPathPredicate: from a controller of a storage
//   system to the adapters of the storage-system paths that lead to that controller.
#ifndef VNL_OPERATIONS_ASSOCIATIONPREDICATES_H
#define VNL_OPERATIONS_ASSOCIATIONPREDICATES_H

#include <set>
#include <utility>

#include "core/deviceassociationoperation.h"

namespace Operations {

using Predicate = Core::DeviceAssociationOperation::AssociationPredicate;

// (spare drive index, index of the drive it stands in for)
using ActiveSparePairs = std::set<std::pair<unsigned, unsigned>>;
ActiveSparePairs activeSparePairs(const Core::DevicePtr& scope);

class ArrayControllerUnassignedDrivePredicate : public Predicate {
public:
    ArrayControllerUnassignedDrivePredicate();
    bool operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const override;
};

using StorageSystemUnassignedDrivePredicate = ArrayControllerUnassignedDrivePredicate;

class InitiatorWithAccessPredicate : public Predicate {
public:
    InitiatorWithAccessPredicate();
    bool operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const override;
};

class LunInitiatorWithAccessPredicate : public Predicate {
public:
    LunInitiatorWithAccessPredicate();
    bool operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const override;
};

class PreferredPathPredicate : public Predicate {
public:
    PreferredPathPredicate();
    bool operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const override;
};

class ArrayControllerToHostBusAdapterInterconnectPathPredicate : public Predicate {
public:
    ArrayControllerToHostBusAdapterInterconnectPathPredicate();
    bool operator()(const Core::DevicePtr& from, const Core::DevicePtr& candidate) const override;
};

} // namespace Operations

#endif
