// LocalControllerScan - the array controllers in this host as discovery lists them: every child
// of the local-controller root whose host information names an array controller with a board
// identifier above LocalArrayControllerIterator::MINIMUM_BOARD_ID, whether or not it answers
// commands. A controller that stopped answering is still a controller of this host; discovery
// publishes it so that its reading can report the communication failure, instead of letting it
// vanish from the tree.
#ifndef VNL_OPERATIONS_LOCALCONTROLLERSCAN_H
#define VNL_OPERATIONS_LOCALCONTROLLERSCAN_H

#include "controller/imhandleiterator.h"

namespace Operations {

class LocalControllerScan : public IMHandleIterator {
public:
    LocalControllerScan();
    const ImgrHostDeviceInfo& getHostDeviceInfo(ImgrHandle handle) const;

private:
    bool take(ImgrHandle handle);
    Common::map<ImgrHandle, ImgrHostDeviceInfo> m_hostInfo;
};

} // namespace Operations

#endif
