// Core::DeviceAssociationOperation - an associate-kind operation that links a
// device to others by named associations.
//
// buildAssociations(device, predicates, scopeType, candidateType): the scope
// is the nearest device at or above `device` whose ATTR_NAME_TYPE is
// scopeType (an empty scopeType means the root); then buildAssociation runs
// for each predicate in order.
// buildAssociation(device, predicate, scope, candidateType): every device of
// candidateType below the scope, in tree order, for which
// predicate(device, candidate) holds is linked from `device` under the
// predicate's association name, and, for a two-way predicate, back.
// AddAssociationFor(name, from, to): appends `to` to from's association of
// that name, making and publishing the association when from has none.
#ifndef CORE_DEVICEASSOCIATIONOPERATION_H
#define CORE_DEVICEASSOCIATIONOPERATION_H

#include "common/containers.h"
#include "common/ctlstring.h"
#include "core/deviceassociation.h"
#include "core/deviceoperation.h"

namespace Core {

class DeviceAssociationOperation : public DeviceOperation, public DeviceAssociationPublisher {
public:
    // Decides whether `from` is linked to `candidate`.
    class AssociationPredicate {
    public:
        enum EnDirection { DIRECTION_ONE_WAY = 1, DIRECTION_TWO_WAY = 2 };

        AssociationPredicate(const Common::string& associationName, EnDirection direction)
            : m_associationName(associationName), m_direction(direction)
        {
        }
        virtual ~AssociationPredicate() = default;

        const Common::string& associationName() const { return m_associationName; }
        EnDirection eDirection() const { return m_direction; }
        virtual bool operator()(const DevicePtr& from, const DevicePtr& candidate) const = 0;

    private:
        Common::string m_associationName;
        EnDirection m_direction;
    };

    using PredicateList = Common::list<const AssociationPredicate*>;

    using DeviceOperation::DeviceOperation;

    void buildAssociations(const DevicePtr& device, const PredicateList& predicates, const Common::string& scopeType,
                           const Common::string& candidateType);
    void buildAssociation(const DevicePtr& device, const AssociationPredicate& predicate, const DevicePtr& scope,
                          const Common::string& candidateType);
    void AddAssociationFor(const Common::string& name, const DevicePtr& from, const DevicePtr& to);

protected:
    EnType eTypeImpl() const override { return TYPE_ASSOCIATE; }
};

} // namespace Core

#endif
