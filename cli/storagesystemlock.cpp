#include "cli/storagesystemlock.h"

StorageSystemLock::StorageSystemLock(TargetFilter& filter) : m_filter(filter) { m_filter.LockSelectedControllers(); }

StorageSystemLock::~StorageSystemLock() { m_filter.UnlockSelectedControllers(); }
