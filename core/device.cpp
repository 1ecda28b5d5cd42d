#include "core/device.h"

#include "common/clog.h"
#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "core/modelswitches.h"
#include "core/modelterms.h"
#include "core/visitordevice.h"
#include <algorithm>

namespace Core {

using namespace Core::ModelTerms;

namespace {

const DeviceList& noChildren()
{
    static const DeviceList empty;
    return empty;
}

bool reasonIsFor(const AttributeSourcePtr& reason, const Common::string& opName)
{
    return reason->hasAttribute(ATTR_NAME_OPERATION_NAME) && reason->getValueFor(ATTR_NAME_OPERATION_NAME) == opName;
}

void logReturn(const OperationReturn& result)
{
    for (auto it = result.beginAttribute(); it != result.endAttribute(); ++it)
        Common::Logger::LogMessage(it->first + " = " + it->second.toString());
    Common::Logger::LogMessage(Common::string());
}

} // namespace

bool Device::ReenumeratePredicate::canPerformAssociateFor(const DevicePtr&, const Common::string&) const
{
    return true;
}

bool Device::ReenumeratePredicate::canPerformDiscoverFor(const DevicePtr&, const Common::string&) const { return true; }

bool Device::ReenumeratePredicate::canPerformReadFor(const DevicePtr&, const Common::string&) const { return true; }

bool Device::ReenumeratePredicate::canReenumerateChildrenFor(const DevicePtr&) const { return true; }

bool Device::ReenumeratePredicate::canRegisterWriteOperationsFor(const DevicePtr&, const Common::string&) const
{
    return true;
}

bool Device::ReenumeratePredicate::canRemoveStaleChildrenFor(const DevicePtr&) const { return true; }

Device::Device() : m_mutex(new Mutex()) {}

Device::Device(const Device& other)
    : AttributePublisher(), AttributeSource(other), DeviceSubscriber(), DeviceAssociationSubscriber(),
      OperationSource(), PrivateAttributeSource(other), m_shareLock(other.m_shareLock), m_mutex(new Mutex())
{
}

Device::~Device() = default;

bool Device::isValid() const
{
    DeviceLock lock(*this);
    return !m_stale;
}

bool Device::hasParent() const
{
    DeviceLock lock(*this);
    return m_pParent != nullptr;
}

DevicePtr Device::pParent() const
{
    DeviceLock lock(*this);
    return m_pParent != nullptr ? m_pParent->getDevicePtr() : DevicePtr();
}

DeviceList::const_iterator Device::beginChild() const { return noChildren().begin(); }

DeviceList::const_iterator Device::endChild() const { return noChildren().end(); }

void Device::Accept(VisitorDevice& visitor)
{
    DeviceLock lock(*this);
    const DeviceList children(beginChild(), endChild());
    for (const DevicePtr& child : children)
        child->Accept(visitor);
    visitor.visit(*this);
}

bool Device::hasChild(const DevicePtr& child) const
{
    DeviceLock lock(*this);
    return child && findEqualChild(*child);
}

Common::string Device::toString() const
{
    DeviceLock lock(*this);
    return toStringImpl();
}

// A device's identifier never changes while it is in the tree (it is what makes it the same
// device), so the one it was given on joining the tree is read rather than composed again.
Common::string Device::uniqueId() const
{
    const AttributeValue* held = m_pParent != nullptr ? findAttribute(ATTR_NAME_UNIQUE_ID) : nullptr;
    return held != nullptr ? held->toString() : toString();
}

bool Device::operator==(const Device&) const { return true; }

DevicePtr Device::getDevicePtr() const
{
    DeviceLock lock(*this);
    return m_pParent != nullptr ? m_pParent->childPtrFor(this) : DevicePtr();
}

AttributeSourceList::const_iterator Device::beginUnavailableOperationReason() const
{
    return m_unavailableReasons.begin();
}

AttributeSourceList::const_iterator Device::endUnavailableOperationReason() const { return m_unavailableReasons.end(); }

bool Device::hasUnavailableOperationReason(const Common::string& opName) const
{
    return getUnavailableOperationReason(opName) != nullptr;
}

AttributeSourcePtr Device::getUnavailableOperationReason(const Common::string& opName) const
{
    DeviceLock lock(*this);
    for (const AttributeSourcePtr& reason : m_unavailableReasons)
        if (reasonIsFor(reason, opName))
            return reason;
    return AttributeSourcePtr();
}

DeviceAssociationList::const_iterator Device::beginAssociation() const { return m_associations.begin(); }

DeviceAssociationList::const_iterator Device::endAssociation() const { return m_associations.end(); }

bool Device::hasAssociation(const Common::string& name) const { return getAssociation(name) != nullptr; }

DeviceAssociationPtr Device::getAssociation(const Common::string& name) const
{
    DeviceLock lock(*this);
    for (const DeviceAssociationPtr& association : m_associations)
        if (association->name() == name)
            return association;
    return DeviceAssociationPtr();
}

OperationReturn Device::perform(const DeviceOperationPtr& op)
{
    if (!op)
        return OperationReturn(ATTR_VALUE_STATUS_NOT_SUPPORTED);
    DeviceLock lock(*this);
    if (m_stale) {
        op->ClearArgumentList();
        return OperationReturn(ATTR_VALUE_STATUS_DEVICE_DELETED);
    }
    const Common::string name = op->name();
    Common::Logger::Log("%s %s", "Performing Operation:", name.c_str());
    const ModelSwitches::PerformTimer timer;
    OperationReturn result = performImpl(*op);
    op->ClearArgumentList();
    result.PublishAttribute(result, Attribute(ATTR_NAME_UNIQUE_ID, uniqueId()));
    result.PublishAttribute(result, Attribute(ATTR_NAME_OPERATION_NAME, name));
    timer.publish(result);
    if (ModelSwitches::profilingEnabled() || !result)
        logReturn(result);
    return result;
}

OperationReturnList Device::Refresh()
{
    // Re-reads this one device: no discovery, no removal, no descent.
    class RefreshPredicate : public ReenumeratePredicate {
    public:
        bool canPerformDiscoverFor(const DevicePtr&, const Common::string&) const override { return false; }
        bool canReenumerateChildrenFor(const DevicePtr&) const override { return false; }
        bool canRemoveStaleChildrenFor(const DevicePtr&) const override { return false; }
    };
    return Reenumerate(RefreshPredicate());
}

void Device::UpdateWith(const DevicePtr&) {}

bool Device::isDeletable() const { return false; }

std::size_t Device::identityHash() const { return 0; }

DeviceOperationList::const_iterator Device::beginOperation() const { return m_operations.begin(); }

DeviceOperationList::const_iterator Device::endOperation() const { return m_operations.end(); }

bool Device::hasOperation(const Common::string& opName) const { return getOperation(opName) != nullptr; }

DeviceOperationPtr Device::getOperation(const Common::string& opName) const
{
    DeviceLock lock(*this);
    return operationNamed(m_operations, opName);
}

bool Device::receive(const DevicePtr& child)
{
    if (!child)
        return false;
    DeviceLock lock(*this);
    if (DevicePtr existing = findEqualChild(*child)) {
        child->mergeInto(*existing, child);
        return true;
    }
    // A refused child is left untouched, so it never points at a parent
    // that does not own it.
    if (!addChildImpl(child))
        return false;
    if (child->m_shareLock)
        child->adoptMutex(m_mutex);
    child->m_stale = false;
    child->m_pParent = this;
    PublishAttribute(*child, Attribute(ATTR_NAME_UNIQUE_ID, child->toString()));
    return true;
}

// The newer object `self` only refreshes the equal device already in the tree.
void Device::mergeInto(Device& existing, const DevicePtr& self) const
{
    DeviceLock lock(existing);
    existing.m_stale = false;
    existing.AttributeSource::Receive(*this);
    existing.PrivateAttributeSource::ReceivePrivateAttribute(*this);
    existing.UpdateWith(self);
}

void Device::clear(const DevicePtr& removed)
{
    const DevicePtr child = removed; // `removed` may be the list entry itself
    if (!child)
        return;
    DeviceLock lock(*this);
    // A removed device forgets its parent: a pointer still held to it must
    // not lead to a parent that may be gone.
    if (removeChildImpl(child) && child->m_pParent == this)
        child->m_pParent = nullptr;
}

void Device::receive(const DeviceAssociationPtr& association)
{
    if (!association)
        return;
    DeviceLock lock(*this);
    DeviceAssociationPtr existing = getAssociation(association->name());
    if (!existing) {
        m_associations.push_back(association);
        return;
    }
    for (auto it = association->beginDevice(); it != association->endDevice(); ++it)
        existing->receive(*it);
}

void Device::clear(const DeviceAssociationPtr& association)
{
    DeviceLock lock(*this);
    auto found = std::find(m_associations.begin(), m_associations.end(), association);
    if (found != m_associations.end())
        m_associations.erase(found);
}

void Device::dropUnavailable(const Common::string& opName)
{
    m_unavailableReasons.remove_if([&opName](const AttributeSourcePtr& reason) { return reasonIsFor(reason, opName); });
}

void Device::ClearUnavailableOperationReasons()
{
    DeviceLock lock(*this);
    m_unavailableReasons.clear();
}

DeviceList::const_iterator Device::findDevice(DeviceList::const_iterator first, DeviceList::const_iterator last,
                                              const Device& device)
{
    return std::find_if(first, last, [&device](const DevicePtr& candidate) { return *candidate == device; });
}

bool Device::addChildImpl(const DevicePtr&) { return false; }

bool Device::removeChildImpl(const DevicePtr&) { return false; }

DevicePtr Device::findEqualChild(const Device& device) const
{
    auto found = findDevice(beginChild(), endChild(), device);
    return found != endChild() ? *found : DevicePtr();
}

DevicePtr Device::childPtrFor(const Device*) const { return DevicePtr(); }

void Device::adoptMutex(const MutexPtr& mutex)
{
    m_mutex = mutex;
    for (auto child = beginChild(); child != endChild(); ++child)
        if ((*child)->m_shareLock)
            (*child)->adoptMutex(mutex);
}

} // namespace Core
