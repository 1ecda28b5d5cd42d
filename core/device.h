// Core::Device - a node of the device tree.
//
// What a caller may rely on:
// - Every fact is an attribute (AttributeSource); raw controller data sits in
//   private attributes (PrivateAttributeSource). Absent names read as empty.
// - The parent owns its children through shared pointers; a child knows its
//   parent by a plain pointer. getDevicePtr() is the shared pointer that holds
//   this object in its parent (empty outside the tree; a root overrides it).
// - receive(child) merges by equality: a child equal (operator==) to one the
//   device already has only refreshes that one - its stale mark is cleared,
//   it takes the new public and private attributes (keeping names the new
//   object lacks) and UpdateWith(new) copies the class's typed fields - and
//   the existing object keeps its children, associations and operations.
//   A new child is appended, takes the parent's mutex (share-lock flag), and
//   gets ATTR_NAME_UNIQUE_ID = toString(). A plain device refuses children.
// - Every device in a tree shares the root's recursive mutex; every method
//   that touches a device's lists or flags holds it, and so do perform and
//   the rescan for their whole run.
// - perform(op): a stale device answers ATTR_VALUE_STATUS_DEVICE_DELETED, a
//   device class the operation has no visitor for answers
//   ATTR_VALUE_STATUS_PERFORM_NOT_REACHABLE; the operation's arguments are
//   cleared after every run. The return names the device and the operation.
// - Reenumerate(predicate) rebuilds the subtree: associations dropped,
//   operations synced from the class's registry, discover/read operations run
//   where their filters accept (refusals kept as unavailable-operation
//   reasons), children not found again by a discovery removed (a device whose
//   discovery the predicate skips keeps its children), associations rebuilt, write
//   operations registered where their filters accept. Refresh() re-reads this
//   one device without discovery, removal or descent.
// - identityHash() must give equal devices equal hashes and must not depend
//   on the device's place in the tree (it is taken while a new device is
//   still detached); classes that override operator== override it too so
//   that merging children costs no walk over the siblings. The base hash is
//   one constant (always correct, merely slower).
#ifndef CORE_DEVICE_H
#define CORE_DEVICE_H

#include <cstddef>

#include "common/containers.h"
#include "common/ctlstring.h"
#include "common/sharedptr.h"
#include "common/synchronizationmutex.h"
#include "core/attributepublisher.h"
#include "core/attributesource.h"
#include "core/deviceassociation.h"
#include "core/devicepublisher.h"
#include "core/filterreturn.h"
#include "core/operationreturn.h"
#include "core/operationsource.h"
#include "core/privateattributesource.h"

namespace Core {

class VisitorDevice;
using AttributeSourcePtr = Common::shared_ptr<AttributeSource>;
using AttributeSourceList = Common::list<AttributeSourcePtr>;

class Device : public AttributePublisher,
               public AttributeSource,
               public DeviceSubscriber,
               public DeviceAssociationSubscriber,
               public OperationSource,
               public PrivateAttributeSource {
public:
    // Policy consulted during a rescan; the base answers true to everything.
    class ReenumeratePredicate {
    public:
        virtual ~ReenumeratePredicate() = default;
        virtual bool canPerformAssociateFor(const DevicePtr& device, const Common::string& opName) const;
        virtual bool canPerformDiscoverFor(const DevicePtr& device, const Common::string& opName) const;
        virtual bool canPerformReadFor(const DevicePtr& device, const Common::string& opName) const;
        virtual bool canReenumerateChildrenFor(const DevicePtr& device) const;
        virtual bool canRegisterWriteOperationsFor(const DevicePtr& device, const Common::string& opName) const;
        virtual bool canRemoveStaleChildrenFor(const DevicePtr& device) const;
    };

    using Mutex = Common::Synchronization::RecursiveProcessMutex;
    using MutexPtr = Common::shared_ptr<Mutex>;

    virtual ~Device() = 0;
    virtual bool isValid() const;
    virtual bool hasParent() const;
    virtual DevicePtr pParent() const;
    // The parent as a plain pointer (null at the top), taking neither the lock nor a reference:
    // for walks up the tree made by code that already holds the tree's lock.
    const Device* parentDevice() const { return m_pParent; }
    virtual DeviceList::const_iterator beginChild() const;
    virtual DeviceList::const_iterator endChild() const;
    // Post-order: every child (recursively, in child order), then this device.
    virtual void Accept(VisitorDevice& visitor);
    virtual bool hasChild(const DevicePtr& child) const;
    virtual Common::string toString() const;
    virtual bool operator==(const Device& other) const;
    virtual DevicePtr getDevicePtr() const;
    virtual AttributeSourceList::const_iterator beginUnavailableOperationReason() const;
    virtual AttributeSourceList::const_iterator endUnavailableOperationReason() const;
    virtual bool hasUnavailableOperationReason(const Common::string& opName) const;
    virtual AttributeSourcePtr getUnavailableOperationReason(const Common::string& opName) const;
    virtual DeviceAssociationList::const_iterator beginAssociation() const;
    virtual DeviceAssociationList::const_iterator endAssociation() const;
    virtual bool hasAssociation(const Common::string& name) const;
    virtual OperationReturn perform(const DeviceOperationPtr& op);
    virtual OperationReturnList Refresh();
    virtual OperationReturnList Reenumerate(const ReenumeratePredicate& predicate);
    virtual void UpdateWith(const DevicePtr& other);
    virtual bool isDeletable() const;
    virtual std::size_t identityHash() const;

    // OperationSource
    DeviceOperationList::const_iterator beginOperation() const override;
    DeviceOperationList::const_iterator endOperation() const override;
    bool hasOperation(const Common::string& opName) const override;
    DeviceOperationPtr getOperation(const Common::string& opName) const override;

    // DeviceSubscriber: child management.
    bool receive(const DevicePtr& child) override;
    void clear(const DevicePtr& child) override;
    // DeviceAssociationSubscriber: an association of a name the device
    // already has is merged into it (devices appended in order).
    void receive(const DeviceAssociationPtr& association) override;
    void clear(const DeviceAssociationPtr& association) override;

    DeviceAssociationPtr getAssociation(const Common::string& name) const;
    DevicePtr clone() const { return cloneImpl(); }
    void ClearUnavailableOperationReasons();
    static DeviceList::const_iterator findDevice(DeviceList::const_iterator first, DeviceList::const_iterator last,
                                                 const Device& device);
    // Activates a declared (type, operation) pair for a device type; see
    // core/operationregistration.h. False when the pair, the type or the
    // operation is unknown.
    static bool RegisterOperation(const Common::string& typeName, const Common::string& opName);

    // The rescan steps, in the order Reenumerate runs them on a subtree.
    void DeleteAssociationsFor(const ReenumeratePredicate& predicate, OperationReturnList& returns);
    void ReenumerateChildrenFor(const ReenumeratePredicate& predicate, OperationReturnList& returns);
    void CreateAssociationsFor(const ReenumeratePredicate& predicate, OperationReturnList& returns);
    void RegisterWriteOperationsFor(const ReenumeratePredicate& predicate, OperationReturnList& returns);
    void DeleteAssociations();

    bool shareLock() const { return m_shareLock; }
    void shareLock(bool share) { m_shareLock = share; }
    const Common::Signature& signature() const { return m_signature; }
    const MutexPtr& mutexPtr() const { return m_mutex; }

protected:
    Device();
    // A detached copy: attributes, private attributes and the share-lock flag;
    // no parent, children, operations, associations or reasons; its own mutex.
    Device(const Device& other);
    Device& operator=(const Device&) = delete;

    virtual Common::string toStringImpl() const = 0;
    virtual DevicePtr cloneImpl() const = 0;
    virtual bool addChildImpl(const DevicePtr& child);
    virtual bool removeChildImpl(const DevicePtr& child);
    // The child equal to `device`, or an empty pointer (composites index this).
    virtual DevicePtr findEqualChild(const Device& device) const;
    // The shared pointer holding `child` in this device's child list.
    virtual DevicePtr childPtrFor(const Device* child) const;

private:
    // toString() of a device in the tree, as published on it when it joined.
    Common::string uniqueId() const;
    void mergeInto(Device& existing, const DevicePtr& found) const;
    void adoptMutex(const MutexPtr& mutex);
    void syncRegisteredOperations();
    void runChildOperations(const DevicePtr& self, const ReenumeratePredicate& predicate, OperationReturnList& returns);
    bool mayDiscover(const DevicePtr& self, const ReenumeratePredicate& predicate) const;
    void removeStaleChildren();
    void registerWriteOperations(const DevicePtr& self, const ReenumeratePredicate& predicate);
    void recordUnavailable(const Common::string& opName, const FilterReturn& refusal);
    void dropUnavailable(const Common::string& opName);

    bool m_shareLock = true;
    Common::Signature m_signature;
    Device* m_pParent = nullptr;
    DeviceOperationList m_operations;
    DeviceAssociationList m_associations;
    AttributeSourceList m_unavailableReasons;
    bool m_stale = false;
    MutexPtr m_mutex;
};

} // namespace Core

#endif
