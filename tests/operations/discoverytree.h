// A device tree for discovery tests: a root with one local controller, found through a helper
// that lists a device's children of one class.
#ifndef VNL_TESTS_OPERATIONS_DISCOVERYTREE_H
#define VNL_TESTS_OPERATIONS_DISCOVERYTREE_H

#include <vector>

#include "controller/concretebmicdevice.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/storagemod.h"

struct DiscoveryTree {
    Common::shared_ptr<Schema::ModRoot> root = Schema::ModRoot::create();
    Schema::ArrayController* controller = nullptr;

    explicit DiscoveryTree(const char* location = Interface::StorageMod::ATTR_VALUE_LOCATION_LOCAL)
    {
        controller = new Schema::ArrayController("slot_3", ConcreteBMICDevice(1, false, 32, 128, false));
        controller->Receive(Core::Attribute(Interface::StorageMod::ATTR_NAME_LOCATION, location));
        root->receive(Core::DevicePtr(controller));
    }
};

// The children of `device` that are of class T, in child order.
template <class T>
std::vector<T*> childrenOf(const Core::Device& device)
{
    std::vector<T*> found;
    for (auto child = device.beginChild(); child != device.endChild(); ++child)
        if (T* typed = dynamic_cast<T*>(child->get()))
            found.push_back(typed);
    return found;
}

#endif
