// A device tree built by hand for the target and ordering tests: a root with
// local controllers, external storage systems and host bus adapters, and
// arrays, logical, physical and tape drives below them. Devices are made from
// the core tests' keyed test devices and carry only the facts a test gives.
#ifndef VNL_TESTS_CLI_TARGETTREE_H
#define VNL_TESTS_CLI_TARGETTREE_H

#include <initializer_list>
#include <string>
#include <utility>

#include "core/deviceassociation.h"
#include "schema/storagemod.h"
#include "tests/core/testtree.h"

namespace TargetTree {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;

template <const char* Type>
using Composite = CoreTest::TestDevice<Type, Core::DeviceComposite>;
template <const char* Type>
using Leaf = CoreTest::TestDevice<Type, Core::Device>;

using Facts = std::initializer_list<std::pair<const char*, std::string>>;

class Tree {
public:
    Core::DevicePtr root = CoreTest::Root::make();

    // Devices linked both ways hold each other; the links go first.
    ~Tree()
    {
        Core::DeviceList all;
        Core::DeviceFinder(root).find(all, Core::DeviceFinder::DIRECTION_DOWN);
        for (const Core::DevicePtr& device : all)
            device->DeleteAssociations();
    }

    template <class Node>
    Core::DevicePtr add(const Core::DevicePtr& parent, const std::string& key, Facts facts)
    {
        Core::DevicePtr device(new Node(key.c_str()));
        for (const auto& [name, value] : facts)
            device->Receive(Core::Attribute(name, Common::string(value.c_str())));
        parent->receive(device);
        return device;
    }

    Core::DevicePtr controller(const Core::DevicePtr& parent, const std::string& key, Facts facts)
    {
        return add<Composite<ATTR_VALUE_TYPE_ARRAY_CONTROLLER>>(parent, key, facts);
    }
    Core::DevicePtr system(const std::string& key, Facts facts)
    {
        return add<Composite<ATTR_VALUE_TYPE_STORAGE_SYSTEM>>(root, key, facts);
    }
    Core::DevicePtr adapter(const std::string& key, Facts facts)
    {
        return add<Leaf<ATTR_VALUE_TYPE_HBA>>(root, key, facts);
    }
    Core::DevicePtr array(const Core::DevicePtr& parent, const std::string& key, unsigned number)
    {
        return add<Composite<ATTR_VALUE_TYPE_ARRAY>>(parent, key, {{ATTR_NAME_ARRAY_NUMBER, std::to_string(number)}});
    }
    Core::DevicePtr logicalDrive(const Core::DevicePtr& array, const std::string& key, unsigned number)
    {
        return add<Composite<ATTR_VALUE_TYPE_LOGICAL_DRIVE>>(array, key,
                                                             {{ATTR_NAME_DRIVE_NUMBER, std::to_string(number)}});
    }
    // A drive at port:box:bay of `home`, of drive type `driveType`.
    Core::DevicePtr drive(const Core::DevicePtr& home, const std::string& key, const std::string& port, unsigned box,
                          unsigned bay, const char* driveType)
    {
        return add<Leaf<ATTR_VALUE_TYPE_PHYSICAL_DRIVE>>(home, key,
                                                         {{ATTR_NAME_PORT, port},
                                                          {ATTR_NAME_BOX, std::to_string(box)},
                                                          {ATTR_NAME_BAY, std::to_string(bay)},
                                                          {ATTR_NAME_DRIVE_TYPE, driveType}});
    }
    Core::DevicePtr tape(const Core::DevicePtr& home, const std::string& key)
    {
        return add<Leaf<ATTR_VALUE_TYPE_TAPE_DRIVE>>(home, key, {});
    }

    // `from` holds `to` through the association `name`.
    static void link(const Core::DevicePtr& from, const char* name, const Core::DevicePtr& to)
    {
        Core::DeviceAssociationPtr association(new Core::DeviceAssociation(name));
        association->receive(to);
        from->receive(association);
    }
    // A data drive or spare of `array`, linked both ways.
    static void member(const Core::DevicePtr& array, const char* name, const Core::DevicePtr& drive)
    {
        link(array, name, drive);
        link(drive, name, array);
    }
};

inline std::string key(const Core::DevicePtr& device) { return device->getValueFor(CoreTest::KEY).c_str(); }

} // namespace TargetTree

#endif
