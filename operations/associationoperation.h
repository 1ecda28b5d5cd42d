// The shape every association operation shares: an associate-kind operation named Name that
// visits devices of DeviceClass and links each to others (Core::DeviceAssociationOperation).
// - AssociationOperation: the operation supplies associate(device).
// - ScopedAssociation: one predicate of class Predicate, candidates of type CandidateType below
//   the nearest device of type ScopeType at or above the visited one (the root when ScopeType
//   is empty); nothing is linked when there is no such scope.
#ifndef VNL_OPERATIONS_ASSOCIATIONOPERATION_H
#define VNL_OPERATIONS_ASSOCIATIONOPERATION_H

#include "core/deviceassociationoperation.h"
#include "schema/visitor.h"

namespace Operations {

template <class DeviceClass, const char* Name>
class AssociationOperation : public Core::DeviceAssociationOperation, public Schema::Visitor<DeviceClass> {
public:
    Core::OperationReturn visit(DeviceClass& device) override
    {
        associate(device.getDevicePtr());
        return Core::OperationReturn();
    }

protected:
    Common::string nameImpl() const override { return Name; }
    virtual void associate(const Core::DevicePtr& device) = 0;
};

inline constexpr char ROOT_SCOPE[] = "";

template <class DeviceClass, const char* Name, class Predicate, const char* ScopeType, const char* CandidateType>
class ScopedAssociation : public AssociationOperation<DeviceClass, Name> {
protected:
    void associate(const Core::DevicePtr& device) override
    {
        const Predicate predicate;
        this->buildAssociations(device, {&predicate}, ScopeType, CandidateType);
    }
};

} // namespace Operations

#endif
