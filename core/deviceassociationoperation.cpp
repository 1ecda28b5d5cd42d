#include "core/deviceassociationoperation.h"

#include "core/devicefinder.h"
#include "core/modelterms.h"

namespace Core {

using namespace Core::ModelTerms;

namespace {

DevicePtr scopeAbove(const DevicePtr& device, const Common::string& scopeType)
{
    if (!scopeType.empty()) {
        DeviceFinder finder(device);
        finder.Add(Attribute(ATTR_NAME_TYPE, scopeType));
        return finder.find(DeviceFinder::DIRECTION_UP);
    }
    DevicePtr root = device;
    for (DevicePtr parent = device ? device->pParent() : DevicePtr(); parent; parent = parent->pParent())
        root = parent;
    return root;
}

} // namespace

void DeviceAssociationOperation::buildAssociations(const DevicePtr& device, const PredicateList& predicates,
                                                   const Common::string& scopeType, const Common::string& candidateType)
{
    const DevicePtr scope = scopeAbove(device, scopeType);
    if (!scope)
        return;
    for (const AssociationPredicate* predicate : predicates)
        if (predicate != nullptr)
            buildAssociation(device, *predicate, scope, candidateType);
}

void DeviceAssociationOperation::buildAssociation(const DevicePtr& device, const AssociationPredicate& predicate,
                                                  const DevicePtr& scope, const Common::string& candidateType)
{
    if (!device || !scope)
        return;
    DeviceFinder finder(scope);
    finder.Add(Attribute(ATTR_NAME_TYPE, candidateType));
    DeviceList candidates;
    finder.find(candidates, DeviceFinder::DIRECTION_DOWN);
    for (const DevicePtr& candidate : candidates) {
        if (!predicate(device, candidate))
            continue;
        AddAssociationFor(predicate.associationName(), device, candidate);
        if (predicate.eDirection() == AssociationPredicate::DIRECTION_TWO_WAY)
            AddAssociationFor(predicate.associationName(), candidate, device);
    }
}

void DeviceAssociationOperation::AddAssociationFor(const Common::string& name, const DevicePtr& from,
                                                   const DevicePtr& to)
{
    if (!from || !to)
        return;
    if (DeviceAssociationPtr existing = from->getAssociation(name)) {
        existing->receive(to);
        return;
    }
    DeviceAssociationPtr association(new DeviceAssociation(name));
    association->receive(to);
    PublishAssociation(*from, association);
}

} // namespace Core
