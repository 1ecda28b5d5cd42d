// The rescan of a subtree (Device::Reenumerate and its steps).
#include "common/fastcast.h"
#include "core/device.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "core/modelswitches.h"
#include "core/modelterms.h"
#include "core/operationregistration.h"
#include "core/rescanpass.h"

namespace Core {

using namespace Core::ModelTerms;

namespace {

using Predicate = Device::ReenumeratePredicate;

FilterReturn verdictFor(const DeviceOperation& op, const DevicePtr& device)
{
    FilterPtr filter = op.pFilter();
    return filter ? filter->apply(device) : FilterReturn(ATTR_VALUE_UNAVAILABLE_REASON_UNKNOWN);
}

bool mayRun(const DeviceOperation& op, const DevicePtr& self, const Predicate& predicate)
{
    switch (op.eType()) {
    case DeviceOperation::TYPE_DISCOVER:
        return predicate.canPerformDiscoverFor(self, op.name());
    case DeviceOperation::TYPE_READ:
        return predicate.canPerformReadFor(self, op.name());
    default:
        return false;
    }
}

const OperationRegistry* registryOf(const Device& device) { return Common::fastCast<const OperationRegistry>(&device); }

Device& rootOf(Device& device)
{
    Device* root = &device;
    for (DevicePtr parent = device.pParent(); parent; parent = parent->pParent())
        root = parent.get();
    return *root;
}

DeviceOperationPtr existingOrNew(const DeviceOperationList& operations, const Common::string& opName)
{
    DeviceOperationPtr op = operationNamed(operations, opName);
    return op ? op : createOperation(opName);
}

} // namespace

OperationReturnList Device::Reenumerate(const ReenumeratePredicate& predicate)
{
    DeviceLock lock(*this);
    const RescanPass pass;
    const ModelSwitches::PerformTimer timer;
    OperationReturnList returns;
    DeleteAssociationsFor(predicate, returns);
    ReenumerateChildrenFor(predicate, returns);
    CreateAssociationsFor(predicate, returns);
    RegisterWriteOperationsFor(predicate, returns);
    if (ModelSwitches::TreeWriter writer = ModelSwitches::treeWriter())
        writer(rootOf(*this));
    OperationReturn summary;
    summary.PublishAttribute(summary, Attribute(ATTR_NAME_OPERATION_NAME, "OPERATION_REENUMERATE"));
    summary.PublishAttribute(summary, Attribute(ATTR_NAME_UNIQUE_ID, toString()));
    timer.publish(summary);
    returns.push_back(summary);
    return returns;
}

void Device::DeleteAssociationsFor(const ReenumeratePredicate& predicate, OperationReturnList& returns)
{
    DeviceLock lock(*this);
    DeleteAssociations();
    for (auto child = beginChild(); child != endChild(); ++child)
        (*child)->DeleteAssociationsFor(predicate, returns);
}

void Device::DeleteAssociations()
{
    DeviceLock lock(*this);
    m_associations.clear();
}

void Device::ReenumerateChildrenFor(const ReenumeratePredicate& predicate, OperationReturnList& returns)
{
    DeviceLock lock(*this);
    const DevicePtr self = getDevicePtr();
    syncRegisteredOperations();
    ClearUnavailableOperationReasons();
    // Only a discovery can find a child again: without one, none is stale.
    const bool removeStale = predicate.canRemoveStaleChildrenFor(self) && mayDiscover(self, predicate);
    if (removeStale)
        for (auto child = beginChild(); child != endChild(); ++child)
            (*child)->m_stale = true;
    runChildOperations(self, predicate, returns);
    if (removeStale)
        removeStaleChildren();
    if (!predicate.canReenumerateChildrenFor(self))
        return;
    const DeviceList children(beginChild(), endChild());
    for (const DevicePtr& child : children)
        child->ReenumerateChildrenFor(predicate, returns);
}

// Discover and read operations, in list order, where their filters accept.
void Device::runChildOperations(const DevicePtr& self, const ReenumeratePredicate& predicate,
                                OperationReturnList& returns)
{
    const DeviceOperationList operations = m_operations;
    for (const DeviceOperationPtr& op : operations) {
        if (!mayRun(*op, self, predicate))
            continue;
        const FilterReturn verdict = verdictFor(*op, self);
        if (verdict)
            returns.push_back(perform(op));
        else
            recordUnavailable(op->name(), verdict);
    }
}

bool Device::mayDiscover(const DevicePtr& self, const ReenumeratePredicate& predicate) const
{
    for (const DeviceOperationPtr& op : m_operations)
        if (op->eType() == DeviceOperation::TYPE_DISCOVER && predicate.canPerformDiscoverFor(self, op->name()))
            return true;
    return false;
}

void Device::removeStaleChildren()
{
    const DeviceList children(beginChild(), endChild());
    for (const DevicePtr& child : children)
        if (child->m_stale)
            clear(child);
}

void Device::CreateAssociationsFor(const ReenumeratePredicate& predicate, OperationReturnList& returns)
{
    DeviceLock lock(*this);
    const DevicePtr self = getDevicePtr();
    const DeviceOperationList operations = m_operations;
    for (const DeviceOperationPtr& op : operations)
        if (op->eType() == DeviceOperation::TYPE_ASSOCIATE && predicate.canPerformAssociateFor(self, op->name()))
            returns.push_back(perform(op));
    const DeviceList children(beginChild(), endChild());
    for (const DevicePtr& child : children)
        child->CreateAssociationsFor(predicate, returns);
}

void Device::RegisterWriteOperationsFor(const ReenumeratePredicate& predicate, OperationReturnList& returns)
{
    DeviceLock lock(*this);
    registerWriteOperations(getDevicePtr(), predicate);
    for (auto child = beginChild(); child != endChild(); ++child)
        (*child)->RegisterWriteOperationsFor(predicate, returns);
}

// The device's discover, read and associate operations follow its class's
// registry, in registry order; objects it already has are kept. Its write
// operations stay until RegisterWriteOperationsFor rebuilds them.
void Device::syncRegisteredOperations()
{
    const OperationRegistry* registry = registryOf(*this);
    if (registry == nullptr)
        return;
    DeviceOperationList synced;
    for (auto it = registry->beginRegisteredOperation(); it != registry->endRegisteredOperation(); ++it)
        if ((*it)->eType() != DeviceOperation::TYPE_WRITE)
            if (DeviceOperationPtr op = existingOrNew(m_operations, (*it)->name()))
                synced.push_back(op);
    for (const DeviceOperationPtr& op : m_operations)
        if (op->eType() == DeviceOperation::TYPE_WRITE)
            synced.push_back(op);
    m_operations.swap(synced);
}

// Each write operation of the class's registry is offered to the device
// again: kept when its filter accepts, otherwise replaced by the filter's
// reason. Operations the predicate leaves out keep their present state.
void Device::registerWriteOperations(const DevicePtr& self, const ReenumeratePredicate& predicate)
{
    const OperationRegistry* registry = registryOf(*this);
    if (registry == nullptr)
        return;
    DeviceOperationList rebuilt;
    for (const DeviceOperationPtr& op : m_operations)
        if (op->eType() != DeviceOperation::TYPE_WRITE)
            rebuilt.push_back(op);
    for (auto it = registry->beginRegisteredOperation(); it != registry->endRegisteredOperation(); ++it) {
        if ((*it)->eType() != DeviceOperation::TYPE_WRITE)
            continue;
        const Common::string name = (*it)->name();
        if (!predicate.canRegisterWriteOperationsFor(self, name)) {
            if (DeviceOperationPtr kept = operationNamed(m_operations, name))
                rebuilt.push_back(kept);
            continue;
        }
        dropUnavailable(name);
        DeviceOperationPtr op = existingOrNew(m_operations, name);
        if (!op)
            continue;
        const FilterReturn verdict = verdictFor(*op, self);
        if (verdict)
            rebuilt.push_back(op);
        else
            recordUnavailable(name, verdict);
    }
    m_operations.swap(rebuilt);
}

void Device::recordUnavailable(const Common::string& opName, const FilterReturn& refusal)
{
    Common::shared_ptr<FilterReturn> reason(new FilterReturn(refusal));
    reason->PublishAttribute(*reason, Attribute(ATTR_NAME_OPERATION_NAME, opName));
    m_unavailableReasons.push_back(reason);
}

} // namespace Core
