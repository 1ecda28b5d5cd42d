// Test helper for the command handlers, the target filter and the display
// order: device trees built by hand, with attributes and associations set
// directly, so that what the handlers print can be checked without a
// controller.
#ifndef VNL_TESTS_CLI_SHOWTREE_H
#define VNL_TESTS_CLI_SHOWTREE_H

#include <initializer_list>
#include <string>
#include <utility>

#include "core/deviceassociation.h"
#include "schema/storagemod.h"
#include "tests/core/testtree.h"

namespace ShowTree {

using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using Core::DevicePtr;

using Facts = std::initializer_list<std::pair<const char*, std::string>>;

using SystemDevice = CoreTest::TestDevice<ATTR_VALUE_TYPE_STORAGE_SYSTEM, Core::DeviceComposite>;
using ArrayDevice = CoreTest::TestDevice<ATTR_VALUE_TYPE_ARRAY, Core::DeviceComposite>;
using TapeDevice = CoreTest::TestDevice<ATTR_VALUE_TYPE_TAPE_DRIVE, Core::DeviceComposite>;
using InitiatorDevice = CoreTest::TestDevice<ATTR_VALUE_TYPE_INITIATOR, Core::DeviceComposite>;
using ExtentDevice = CoreTest::TestDevice<ATTR_VALUE_TYPE_DISK_EXTENT, Core::DeviceComposite>;
using HbaDevice = CoreTest::TestDevice<ATTR_VALUE_TYPE_HBA, Core::DeviceComposite>;

inline void set(const DevicePtr& device, Facts facts)
{
    for (const auto& [name, value] : facts)
        device->Receive(Core::Attribute(name, Common::string(value.c_str())));
}

template <class DeviceClass>
DevicePtr add(const DevicePtr& parent, const std::string& key, Facts facts)
{
    DevicePtr child(new DeviceClass(key.c_str()));
    set(child, facts);
    parent->receive(child);
    return child;
}

// `from` gets an association `name` that holds `to`.
inline void link(const DevicePtr& from, const char* name, const DevicePtr& to)
{
    Core::DeviceAssociationPtr association(new Core::DeviceAssociation(name));
    association->receive(to);
    from->receive(association);
}

// A drive of an array: the array lists it and it names the array.
inline void member(const DevicePtr& array, const DevicePtr& drive, const char* name = ASSOCIATION_DATA_DRIVE)
{
    link(array, name, drive);
    link(drive, name, array);
}

inline DevicePtr controller(const DevicePtr& parent, const std::string& key, Facts facts)
{
    return add<CoreTest::Controller>(parent, key, facts);
}
inline DevicePtr array(const DevicePtr& parent, const std::string& number, Facts facts = {})
{
    DevicePtr made = add<ArrayDevice>(parent, "array" + number, facts);
    set(made, {{ATTR_NAME_ARRAY_NUMBER, number}});
    return made;
}
inline DevicePtr logicalDrive(const DevicePtr& parent, const std::string& number, Facts facts = {})
{
    DevicePtr made = add<CoreTest::LogicalDrive>(parent, "ld" + number, facts);
    set(made, {{ATTR_NAME_DRIVE_NUMBER, number}});
    return made;
}
inline DevicePtr physicalDrive(const DevicePtr& parent, const std::string& key, Facts facts = {})
{
    return add<CoreTest::PhysicalDrive>(parent, key, facts);
}

// A port:box:bay drive of the given type (data, spare or unassigned).
inline DevicePtr sasDrive(const DevicePtr& parent, const std::string& port, const std::string& box,
                          const std::string& bay, const char* driveType)
{
    return physicalDrive(parent, port + ":" + box + ":" + bay,
                         {{ATTR_NAME_PORT, port},
                          {ATTR_NAME_BOX, box},
                          {ATTR_NAME_BAY, bay},
                          {ATTR_NAME_DRIVE_TYPE, driveType},
                          {ATTR_NAME_INTERFACE, ATTR_VALUE_INTERFACE_SAS},
                          {ATTR_NAME_STATUS, ATTR_VALUE_STATUS_OK},
                          {ATTR_NAME_TOTAL_BLOCKS, "585937500"}});
}

// Drops every association below `device`: arrays and drives name each
// other, and those cycles would otherwise outlive the tree.
inline void unlinkAll(const DevicePtr& device)
{
    for (auto child = device->beginChild(); child != device->endChild(); ++child)
        unlinkAll(*child);
    device->DeleteAssociations();
}

// A controller in slot 3 with array A (logical drive 1, two data drives, a
// spare) and one unassigned drive.
struct Server {
    DevicePtr root = CoreTest::Root::make();
    DevicePtr ctrl = controller(root, "slot3",
                                {{ATTR_NAME_CONTROLLER_NAME, "ATTR_VALUE_CONTROLLER_NAME_VARNEL_V30"},
                                 {ATTR_NAME_SLOT, "3"},
                                 {ATTR_NAME_CONTROLLER_SERIAL_NUMBER, "PVNL30002231"},
                                 {ATTR_NAME_STATUS, ATTR_VALUE_STATUS_OK}});
    DevicePtr arrayA = array(ctrl, "0",
                             {{ATTR_NAME_INTERFACE, ATTR_VALUE_INTERFACE_SAS},
                              {ATTR_NAME_FREE_BLOCKS, "0"},
                              {ATTR_NAME_STATUS, ATTR_VALUE_STATUS_OK}});
    DevicePtr ld1 = logicalDrive(arrayA, "0",
                                 {{ATTR_NAME_USEABLE_BLOCKS, "209715200"},
                                  {ATTR_NAME_RAID, ATTR_VALUE_RAID_5},
                                  {ATTR_NAME_STATUS, ATTR_VALUE_STATUS_OK}});
    DevicePtr pd1 = sasDrive(ctrl, "1I", "1", "1", ATTR_VALUE_DRIVE_TYPE_DATA);
    DevicePtr pd2 = sasDrive(ctrl, "1I", "1", "2", ATTR_VALUE_DRIVE_TYPE_DATA);
    DevicePtr spare = sasDrive(ctrl, "1I", "1", "3", ATTR_VALUE_DRIVE_TYPE_SPARE);
    DevicePtr loose = sasDrive(ctrl, "2I", "1", "1", ATTR_VALUE_DRIVE_TYPE_UNASSIGNED);

    Server()
    {
        Core::DeviceAssociationPtr data(new Core::DeviceAssociation(ASSOCIATION_DATA_DRIVE));
        data->receive(pd1);
        data->receive(pd2);
        arrayA->receive(data);
        link(pd1, ASSOCIATION_DATA_DRIVE, arrayA);
        link(pd2, ASSOCIATION_DATA_DRIVE, arrayA);
        member(arrayA, spare, ASSOCIATION_SPARE_DRIVE);
    }
    ~Server() { unlinkAll(root); }
};

// A tree of devices named by the keys a test gives them and carrying only the
// facts it gives: a root with local controllers, storage systems and host bus
// adapters, and arrays, logical, physical and tape drives below them.
class Tree {
public:
    DevicePtr root = CoreTest::Root::make();
    ~Tree() { unlinkAll(root); }

    DevicePtr controller(const DevicePtr& parent, const std::string& key, Facts facts)
    {
        return add<CoreTest::Controller>(parent, key, facts);
    }
    DevicePtr system(const std::string& key, Facts facts) { return add<SystemDevice>(root, key, facts); }
    DevicePtr adapter(const std::string& key, Facts facts) { return add<HbaDevice>(root, key, facts); }
    DevicePtr array(const DevicePtr& parent, const std::string& key, unsigned number)
    {
        return add<ArrayDevice>(parent, key, {{ATTR_NAME_ARRAY_NUMBER, std::to_string(number)}});
    }
    DevicePtr logicalDrive(const DevicePtr& array, const std::string& key, unsigned number)
    {
        return add<CoreTest::LogicalDrive>(array, key, {{ATTR_NAME_DRIVE_NUMBER, std::to_string(number)}});
    }
    // A drive at port:box:bay of `home`, of drive type `driveType`.
    DevicePtr drive(const DevicePtr& home, const std::string& key, const std::string& port, unsigned box, unsigned bay,
                    const char* driveType)
    {
        return add<CoreTest::PhysicalDrive>(home, key,
                                            {{ATTR_NAME_PORT, port},
                                             {ATTR_NAME_BOX, std::to_string(box)},
                                             {ATTR_NAME_BAY, std::to_string(bay)},
                                             {ATTR_NAME_DRIVE_TYPE, driveType}});
    }
    DevicePtr tape(const DevicePtr& home, const std::string& key) { return add<TapeDevice>(home, key, {}); }
};

inline std::string key(const DevicePtr& device) { return device->getValueFor(CoreTest::KEY).c_str(); }

} // namespace ShowTree

#endif
