#include "common/mutex.h"

#include <sys/ipc.h>
#include <sys/sem.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace Common::Synchronization {

namespace {

constexpr int MUTEX_ID_IN_PRJ = 0;
constexpr std::size_t KEY_PATH_SIZE = 260;
constexpr key_t FAILURE_KEY = static_cast<key_t>(-1);
constexpr int MAX_REPLACEMENTS = 3;

// The key-file prefix, read once for the life of the process.
const std::string& lockFilesDir()
{
    static const std::string prefix = [] {
        const char* value = std::getenv("VNLXE_LOCK_FILES_DIR");
        return std::string(value == nullptr ? "" : value);
    }();
    return prefix;
}

// Only a set that root made can be trusted: any user may create one under the
// key first and keep it raised, which would refuse every instance.
bool madeByRoot(int id)
{
    semid_ds status{};
    return semctl(id, 0, IPC_STAT, &status) == 0 && status.sem_perm.cuid == 0;
}

} // namespace

key_t ipcPathToUnixKey(const char* prefix, const char* name)
{
    char path[KEY_PATH_SIZE];
    int length = std::snprintf(path, sizeof path, "%s%s", prefix, name);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof path)
        return FAILURE_KEY;
    return ftok(path, MUTEX_ID_IN_PRJ);
}

key_t ipcNameToUnixKey(const char* name) { return ipcPathToUnixKey(lockFilesDir().c_str(), name); }

int GetOSMutex(const char* name)
{
    key_t key = name == nullptr ? 0 : ipcNameToUnixKey(name);
    // A set made by anyone else is removed and made again; with no permission
    // bits, only a privileged process can operate on the new one.
    int id = semget(key, 1, IPC_CREAT);
    for (int tries = 0; id >= 0 && !madeByRoot(id) && tries < MAX_REPLACEMENTS; ++tries) {
        semctl(id, 0, IPC_RMID);
        id = semget(key, 1, IPC_CREAT);
    }
    return id >= 0 && madeByRoot(id) ? id : -1;
}

int CreateOSMutex(const char* name, bool& failed)
{
    failed = true;
    int id = GetOSMutex(name);
    if (id < 0)
        return id;
    // Wait-for-zero and add-one in one atomic step. SEM_UNDO makes the kernel
    // take the hold back when this process ends without releasing it.
    sembuf take[2] = {{0, 0, IPC_NOWAIT}, {0, 1, SEM_UNDO}};
    if (semop(id, take, 2) == 0)
        failed = false;
    return id;
}

bool ReleaseOSMutex(int id)
{
    sembuf give = {0, -1, IPC_NOWAIT | SEM_UNDO};
    return id >= 0 && semop(id, &give, 1) == 0;
}

Mutex::Mutex(const string& name) : m_name(name), m_handle(new OSMutexHandle) {}

Mutex::~Mutex()
{
    release();
    delete m_handle;
}

bool Mutex::capture()
{
    if (m_state == HELD)
        return true;
    bool failed = true;
    m_handle->id = CreateOSMutex(m_name.c_str(), failed);
    m_state = failed ? HELD_ELSEWHERE : HELD;
    return m_state == HELD;
}

bool Mutex::release()
{
    if (m_state == HELD && ReleaseOSMutex(m_handle->id)) {
        m_handle->id = 0;
        m_state = RELEASED;
    }
    return m_state == RELEASED;
}

} // namespace Common::Synchronization
