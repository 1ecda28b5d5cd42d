// Schema::ModRoot - the root of the device tree. It is identified by "MR:" and a process-wide
// instance number (the first root is MR:0), holds the storage systems, the controllers outside
// a storage system and the host bus adapters, and owns the whole tree.
//
// A root has no parent to find its own shared pointer through, so it remembers the count of the
// pointer that owns it: make roots with ModRoot::create(), whose result getDevicePtr() shares.
// The root does not own itself (that would keep it alive for ever); it lives as long as its
// owners. A root made any other way answers an empty pointer, like a device outside a tree.
#ifndef VNL_SCHEMA_SCHEMAMODROOT_H
#define VNL_SCHEMA_SCHEMAMODROOT_H

#include "schema/schemacapacities.h"
#include "schema/schemadevice.h"

namespace Schema {

class ModRoot;
using VisitorModRoot = Visitor<ModRoot>;

class ModRoot : public SchemaDevice<ModRoot, Core::DeviceComposite, Interface::MORUMod::ATTR_VALUE_TYPE_MOD_ROOT,
                                    MAX_MODROOT_OBJECTS> {
public:
    static Common::shared_ptr<ModRoot> create();

    // A copy is equal to the original (same identifier) but detached: it has no owner count.
    ModRoot(const ModRoot& other);
    // Associations can link devices in a cycle of shared pointers; the tree forgets them all
    // before it goes, so that every device is freed with the root.
    ~ModRoot() override;

    Core::DevicePtr getDevicePtr() const override;
    const Common::string& identityKey() const { return m_identifier; }

protected:
    Common::string toStringImpl() const override { return m_identifier; }

private:
    ModRoot();

    Common::string m_identifier;
    long* m_pOwnerCount = nullptr; // the count of the pointer create() returned; not a reference
};

} // namespace Schema

#endif
