// FibreHBAIterator - the fibre host bus adapters of this host: children of
// the adapter root that answer both their host information and their fibre
// information.
#ifndef CONTROLLER_FIBREHBAITERATOR_H
#define CONTROLLER_FIBREHBAITERATOR_H

#include "controller/imhandleiterator.h"

class FibreHBAIterator : public IMHandleIterator {
public:
    FibreHBAIterator();

    const ImgrHostDeviceInfo& getHostDeviceInfo(ImgrHandle handle) const;
    const ImgrFibreDeviceInfo& getFibreDeviceInfo(ImgrHandle handle) const;

private:
    bool take(ImgrHandle handle);

    Common::map<ImgrHandle, ImgrHostDeviceInfo> m_hostInfo;
    Common::map<ImgrHandle, ImgrFibreDeviceInfo> m_fibreInfo;
};

#endif
