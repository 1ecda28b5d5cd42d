// Common::Synchronization::Mutex is the named lock shared between processes
// that lets only one copy of the program change controllers at a time. It is
// a System V semaphore found through a key file named after the lock; it is
// never waited for: capture() either takes it at once or reports that another
// process holds it. The kernel drops the hold of a process that dies, so a
// killed holder never leaves the lock taken.
//
// The OS layer below works on the lock's name; ipcNameToUnixKey reads the
// environment variable VNLXE_LOCK_FILES_DIR once and forms the key-file path
// as that value immediately followed by the name.
#ifndef COMMON_MUTEX_H
#define COMMON_MUTEX_H

#include <sys/types.h>

#include <cstdint>

#include "common/ctlstring.h"
#include "common/noncopyable.h"

namespace Common::Synchronization {

// The semaphore-set identifier of a lock (0 until a capture).
struct OSMutexHandle {
    int id = 0;
};

// The key for `name`, or -1 when the key file is missing or its path would
// not fit in 260 bytes.
key_t ipcNameToUnixKey(const char* name);
// The same for an explicit prefix (the value of VNLXE_LOCK_FILES_DIR).
key_t ipcPathToUnixKey(const char* prefix, const char* name);
// The set identifier for `name`, created if absent; negative on failure. A set
// that root did not create is replaced.
int GetOSMutex(const char* name);
// Takes the lock without waiting; `failed` tells whether it was refused.
// Returns the set identifier either way.
int CreateOSMutex(const char* name, bool& failed);
// Gives the lock back; false when `id` is negative or nothing was held.
bool ReleaseOSMutex(int id);

class Mutex : public NonCopyable {
public:
    static constexpr int32_t HELD = 0;
    static constexpr int32_t HELD_ELSEWHERE = 1;
    static constexpr int32_t RELEASED = 2;

    explicit Mutex(const string& name);
    // Releases the lock if this process holds it.
    virtual ~Mutex();

    // True when this process holds the lock afterwards.
    bool capture();
    // True when the lock is released afterwards; a lock held elsewhere is
    // never touched.
    bool release();
    int32_t eMutexState() const { return m_state; }

private:
    string m_name;
    int32_t m_state = RELEASED;
    OSMutexHandle* m_handle;
};

} // namespace Common::Synchronization

#endif
