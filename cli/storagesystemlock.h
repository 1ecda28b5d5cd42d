// StorageSystemLock holds the storage-system locks of one command. Made
// after the target filter has selected the devices, it takes the locks of
// the external storage systems behind the selected controllers (reporting a
// system another host holds); on destruction, on every way out of the
// command, it gives back those it took. It cannot be copied, so no lock is
// given back twice. The command dispatch makes one around every handler, so
// a handler runs with the locks held and never takes or gives them itself:
//
//     StorageSystemLock locks(m_targetFilter);
//     if (!m_devices.empty() && CError::isOK())
//         ExecuteCreateCommand();
#ifndef VNL_CLI_STORAGESYSTEMLOCK_H
#define VNL_CLI_STORAGESYSTEMLOCK_H

#include "cli/targetfilter.h"
#include "common/noncopyable.h"

class StorageSystemLock : Common::NonCopyable {
public:
    explicit StorageSystemLock(TargetFilter& filter);
    ~StorageSystemLock();

private:
    TargetFilter& m_filter;
};

#endif
