// CDRXModRoot - the console's way to the device tree. pModRoot() returns the root, building
// the tree on its first call: the operation classes are registered, the root is made, controller
// discovery is restricted to the supported models and the first full rescan runs. Later calls
// return the same root at once. Rescan() rescans the whole tree; before the first pModRoot()
// there is no tree and it does nothing.
#ifndef VNL_SCHEMA_DRXMODROOT_H
#define VNL_SCHEMA_DRXMODROOT_H

#include "core/device.h"

class CDRXModRoot {
public:
    static Core::DevicePtr pModRoot();
    static void Rescan();

private:
    static Core::DevicePtr sm_pModroot;
};

#endif
