// Schema::StorageSystem - an external storage system reached through one or more host bus
// adapters; it holds its enclosures, its controllers, its arrays, its physical drives and the
// host initiators that may see its logical drives.
//
// Its identifier is its chassis serial number, which also decides equality. Beside attributes
// it keeps the product identifier and bus type of its controllers, the paths through which it
// was reached (adapter, adapter port, controller) and its access-control list (logical drive
// number, initiator identifier) for the selective-storage-presentation associations.
#ifndef VNL_SCHEMA_SCHEMASTORAGESYSTEM_H
#define VNL_SCHEMA_SCHEMASTORAGESYSTEM_H

#include "common/containers.h"
#include "schema/controllerchannels.h"
#include "schema/schemacapacities.h"
#include "schema/schemadevice.h"

namespace Schema {

class StorageSystem;
using VisitorStorageSystem = Visitor<StorageSystem>;

class StorageSystem
    : public SchemaDevice<StorageSystem, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_STORAGE_SYSTEM,
                          MAX_EMBEDDED_STORAGE_SYSTEM_OBJECTS>,
      public ControllerChannels {
public:
    // Port of a path through an adapter that has no ports.
    static constexpr unsigned HBA_PORT_NOT_APPLICABLE = 0xFFFFFFFFu;

    // One way to the storage system: the adapter's identifier, its port, and the location text
    // of the controller answering on it.
    struct _STORAGE_SYSTEM_PATH {
        Common::string hostBusAdapter;
        unsigned port = HBA_PORT_NOT_APPLICABLE;
        Common::string controller;
    };
    using PathList = Common::list<_STORAGE_SYSTEM_PATH>;

    // Which initiator may see which logical drive.
    using AclEntry = Common::pair<unsigned, Common::string>;
    using AclEntryList = Common::list<AclEntry>;

    // `channel` is that of the controller through which the storage system was first reached.
    StorageSystem(const Common::string& chassisSerialNumber, const Common::string& productID,
                  const Common::string& busType, const ConcreteBMICDevice& channel);

    const Common::string& productID() const { return m_productID; }
    const Common::string& busType() const { return m_busType; }

    const PathList& storageSystemPathList() const { return m_paths; }
    void AddStorageSystemPath(const _STORAGE_SYSTEM_PATH& path) { m_paths.push_back(path); }

    const AclEntryList& aclEntryList() const { return m_acl; }
    void AclEntryListIs(const AclEntryList& entries) { m_acl = entries; }

    // Takes the product data, paths and handle of an equal storage system (the access list is
    // its reader's: ReadStorageSystemInfo).
    void UpdateWith(const Core::DevicePtr& other) override;

    Common::string identityKey() const;

protected:
    Common::string toStringImpl() const override { return identityKey(); }

private:
    Common::string m_productID;
    Common::string m_busType;
    PathList m_paths;
    AclEntryList m_acl;
};

} // namespace Schema

#endif
