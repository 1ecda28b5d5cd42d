// Command channels for devices built by hand in tests; nothing is ever sent through them.
#ifndef VNL_TESTS_SCHEMA_TESTCHANNELS_H
#define VNL_TESTS_SCHEMA_TESTCHANNELS_H

#include "controller/concretebmicdevice.h"
#include "controller/concretepassthrudevice.h"

inline ConcreteBMICDevice testChannel(ImgrHandle handle = 1)
{
    return ConcreteBMICDevice(handle, false, 32, 128, false);
}

inline ConcretePassThruDevice::_DEVICE_ADDRESS testAddress() { return ConcretePassThruDevice::_DEVICE_ADDRESS(); }

#endif
