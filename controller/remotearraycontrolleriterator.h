// RemoteArrayControllerIterator - the array controllers reached through one
// host bus adapter: children of the adapter whose remote device information
// names an array controller.
#ifndef CONTROLLER_REMOTEARRAYCONTROLLERITERATOR_H
#define CONTROLLER_REMOTEARRAYCONTROLLERITERATOR_H

#include "controller/imhandleiterator.h"

class RemoteArrayControllerIterator : public IMHandleIterator {
public:
    explicit RemoteArrayControllerIterator(ImgrHandle adapter);

    const ImgrRemoteDeviceInfo& getRemoteDeviceInfo(ImgrHandle handle) const;

private:
    bool take(ImgrHandle handle);

    Common::map<ImgrHandle, ImgrRemoteDeviceInfo> m_remoteInfo;
};

#endif
