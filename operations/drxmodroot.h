// CDRXModRoot - the console's way to the device tree. pModRoot() returns the root, building
// the tree on its first call: the operation classes are registered (the drives' monitoring
// counters, which the console never shows, left unread), the root is made, controller
// discovery is restricted to the supported models and the first full rescan runs. Later calls
// return the same root at once. Rescan() rescans the whole tree; before the first pModRoot()
// there is no tree and it does nothing.
//
// pControllers() serves a command that lists controllers and nothing below them, or that finds
// a controller by its slot or serial number before reading that one whole: without a tree it
// builds one with the controllers alone, each read only as far as naming it needs
// (Interface::StorageMod::ControllersOnlyPredicate), fresh but not complete; with a tree it
// returns it as it is. The next pModRoot() or Rescan() then reads the whole tree, so every
// other command still finds every device.
//
// pConfiguration() serves a configuration listing: without a tree it builds one read only as far
// as the listing prints (Interface::StorageMod::ConfigurationPredicate, Operations::ReadScope::
// Configuration): no settings, disk extents or write operations; fresh but not complete. With a
// tree it returns it, read whole first when it holds the controllers alone.
//
// Freshness: the tree read during a command is the hardware as that command finds it, so the
// command need not read a controller of it again - a one-shot run's command uses the tree just
// built for it. BeginCommand() starts the next command; a tree read before it may be out of date
// (hardware changes while a console sits idle), and every whole-tree read made after it is
// fresh when each of its reads succeeded. A read that failed is left for the command to repeat,
// so that it reports the failure. Freshness is for the selection at the start of a command:
// what the command writes afterwards is not reflected in it.
#ifndef VNL_OPERATIONS_DRXMODROOT_H
#define VNL_OPERATIONS_DRXMODROOT_H

#include "common/containers.h"
#include "core/device.h"
#include "operations/readscope.h"

class CDRXModRoot {
public:
    static Core::DevicePtr pModRoot();
    static Core::DevicePtr pControllers();
    static Core::DevicePtr pConfiguration();
    static void Rescan();

    static void BeginCommand();
    // True when the whole tree was read during the current command and every read succeeded.
    static bool isFresh();
    // False while the tree is read only in part (pControllers(), pConfiguration()).
    static bool isComplete();
    // True when a read of the last whole-tree read failed on `device` or on a device below it
    // (a controller that does not answer, say); such a device must not be shown as read.
    static bool readFailedAt(const Core::DevicePtr& device);

private:
    static void buildRoot();
    static void rescanFrom(const Core::DevicePtr& root);
    static void readFrom(const Core::DevicePtr& root, const Core::Device::ReenumeratePredicate& predicate);
    static void readScoped(Operations::ReadScope scope, const Core::Device::ReenumeratePredicate& predicate);

    static Core::DevicePtr& tree();
    static bool sm_fresh;
    static Operations::ReadScope sm_scope; // how far the tree was read
    // The unique identifiers of the devices whose reads failed in the last whole-tree read.
    static Common::list<Common::string> sm_failedDevices;
};

#endif
