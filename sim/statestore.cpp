#include "sim/statestore.h"

#include "sim/profile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Sim {
namespace {

// Holds an exclusive lock on the directory's lock file for its lifetime.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string& directory)
        : m_fd(::open((directory + "/lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
    {
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {}
    }
    ~DirectoryLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

// Creates the directory and any missing parents.
bool makeDirectory(const std::string& path, std::string& error)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = "cannot create " + part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

// The whole state file; false with the reason when it is not a regular file,
// cannot be read or is empty (a written state always holds its heading line).
bool readState(const std::string& path, std::string& text, std::string& error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        error = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        error = "not a regular file";
    } else {
        char buffer[65536];
        ssize_t got;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
            text.append(buffer, static_cast<size_t>(std::max<ssize_t>(got, 0)));
        error = got < 0 ? std::strerror(errno) : text.empty() ? "empty" : "";
    }
    if (fd >= 0)
        ::close(fd);
    return error.empty();
}

// Writes the file and waits until it is on the disk.
bool writeDurably(const std::string& path, const std::string& text)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < text.size()) {
        ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put == 0 || (put < 0 && errno != EINTR))
            break;
        done += static_cast<size_t>(std::max<ssize_t>(put, 0));
    }
    bool written = done == text.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

// Makes a rename in the directory last through a power cut.
bool syncDirectory(const std::string& directory)
{
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

// Removes the temporary files of writers that died before renaming them.
void clearStaleTemporaries(const std::string& directory)
{
    const std::string prefix = "state.tmp.";
    DIR* listing = ::opendir(directory.c_str());
    while (const dirent* entry = listing ? ::readdir(listing) : nullptr) {
        const std::string name = entry->d_name;
        const std::string pid = name.substr(std::min(name.size(), prefix.size()));
        if (name.rfind(prefix, 0) != 0 || pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (::kill(static_cast<pid_t>(std::strtol(pid.c_str(), nullptr, 10)), 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(listing), name.c_str(), 0);
    }
    if (listing)
        ::closedir(listing);
}

} // namespace

StateStore::StateStore(std::string directory) : m_directory(std::move(directory)) {}

std::string StateStore::configuredDirectory()
{
    const char* dir = std::getenv("VNLSIM_STATE");
    return dir && *dir ? dir : kDefaultDirectory;
}

bool StateStore::stampOf(FileStamp& stamp) const
{
    struct stat st {};
    if (::stat(statePath().c_str(), &st) != 0)
        return false;
    stamp = FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_nsec, st.st_mtim.tv_sec};
    return true;
}

bool StateStore::stateAbsent() const
{
    struct stat st {};
    return ::lstat(statePath().c_str(), &st) != 0 && errno == ENOENT;
}

bool StateStore::reload(std::string& error)
{
    FileStamp stamp;
    if (!stampOf(stamp)) {
        const std::string cause = std::strerror(errno);
        error = stateAbsent() ? "no state in " + m_directory + " (run: vnlsim init)" : statePath() + ": " + cause;
        m_loaded = false;
        return false;
    }
    if (m_loaded && stamp == m_stamp)
        return true;
    std::string text;
    World world;
    if (!readState(statePath(), text, error) || !loadWorld(text, world, error)) {
        error = statePath() + ": " + error;
        m_loaded = false;
        return false;
    }
    m_world = std::move(world);
    m_stamp = stamp;
    m_loaded = true;
    return true;
}

bool StateStore::write(const std::string& text, std::string& error)
{
    clearStaleTemporaries(m_directory);
    std::string temporary = statePath() + ".tmp." + std::to_string(::getpid());
    if (!writeDurably(temporary, text)) {
        error = "cannot write " + temporary + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), statePath().c_str()) != 0) {
        error = "cannot replace " + statePath() + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (!syncDirectory(m_directory)) {
        error = "cannot sync " + m_directory + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool StateStore::install(const std::string& profileText, bool replace, std::string& error)
{
    if (!makeDirectory(m_directory, error) || !makeDirectory(imageDirectory(), error))
        return false;
    DirectoryLock lock(m_directory);
    if (!lock.held()) {
        error = "cannot lock " + m_directory;
        return false;
    }
    if (!replace && !stateAbsent())
        return true;
    World world;
    if (!loadWorld(profileText, world, error))
        return false;
    m_loaded = false;
    return write(saveWorld(world), error);
}

bool StateStore::ensure(const std::string& profileText, std::string& error)
{
    return !stateAbsent() || install(profileText, false, error);
}

bool StateStore::reset(const std::string& profileText, std::string& error) { return install(profileText, true, error); }

const World* StateStore::current(std::string& error) { return reload(error) ? &m_world : nullptr; }

bool StateStore::update(const std::function<bool(World&)>& change, std::string& error)
{
    DirectoryLock lock(m_directory);
    if (!lock.held()) {
        error = "cannot lock " + m_directory;
        return false;
    }
    if (!reload(error))
        return false;
    World world = m_world;
    if (!change(world))
        return true;
    if (!write(saveWorld(world), error))
        return false;
    m_world = std::move(world);
    m_loaded = stampOf(m_stamp);
    return true;
}

} // namespace Sim
