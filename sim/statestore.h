// The state directory: the state file (the world as text), its lock file and
// the logical drive images. Every change is made under an exclusive lock on
// the freshest state and written to a temporary file that is synced to the
// disk and renamed over the state file (the directory synced after), so
// concurrent processes lose no write, readers always see a whole state and a
// power cut leaves the old state or the new one. A reader re-reads the file
// only when it changed. Whatever stands at the state's path other than a
// readable state (an empty file, a directory, a broken link) is refused with
// a message naming it, never read as no hardware or replaced by a preset.
#ifndef VNL_SIM_STATESTORE_H
#define VNL_SIM_STATESTORE_H

#include "sim/simmodel.h"

#include <functional>
#include <string>
#include <sys/types.h>

namespace Sim {

class StateStore {
public:
    explicit StateStore(std::string directory);

    // VNLSIM_STATE, or the fixed default directory when it is unset or empty.
    static std::string configuredDirectory();
    static constexpr const char* kDefaultDirectory = "/var/tmp/vnlsim";

    const std::string& directory() const { return m_directory; }
    std::string imageDirectory() const { return m_directory + "/images"; }
    std::string statePath() const { return m_directory + "/state"; }

    // Creates the directory with the given profile text as its state unless
    // something is at the state's path already. Returns false with a message
    // on failure.
    bool ensure(const std::string& profileText, std::string& error);

    // Replaces the state by a fresh one made from the profile text.
    bool reset(const std::string& profileText, std::string& error);

    // The current state, re-read when another process changed it; nullptr
    // with a message when it cannot be read.
    const World* current(std::string& error);

    // Runs change on the freshest state under the lock and stores the result
    // when change returns true. Temporary files that writers which died left
    // behind are removed first.
    bool update(const std::function<bool(World&)>& change, std::string& error);

private:
    struct FileStamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        long mtimeNs = 0;
        time_t mtime = 0;
        bool operator==(const FileStamp&) const = default;
    };

    bool stampOf(FileStamp& stamp) const;
    // True when nothing at all, not even a broken link, is at the state's path.
    bool stateAbsent() const;
    bool reload(std::string& error);
    bool write(const std::string& text, std::string& error);
    bool install(const std::string& profileText, bool replace, std::string& error);

    std::string m_directory;
    World m_world;
    FileStamp m_stamp;
    bool m_loaded = false;
};

} // namespace Sim

#endif
