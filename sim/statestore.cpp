#include "sim/statestore.h"

#include "sim/profile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Sim {
namespace {

// Holds an exclusive lock on the directory's lock file for its lifetime.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string &directory)
        : m_fd(::open((directory + "/lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
    {
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~DirectoryLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    DirectoryLock(const DirectoryLock &) = delete;
    DirectoryLock &operator=(const DirectoryLock &) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

// Creates the directory and any missing parents.
bool makeDirectory(const std::string &path, std::string &error)
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

bool readFile(const std::string &path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

} // namespace

StateStore::StateStore(std::string directory) : m_directory(std::move(directory)) {}

std::string StateStore::configuredDirectory()
{
    const char *dir = std::getenv("VNLSIM_STATE");
    return dir && *dir ? dir : kDefaultDirectory;
}

bool StateStore::stampOf(FileStamp &stamp) const
{
    struct stat st{};
    if (::stat(statePath().c_str(), &st) != 0)
        return false;
    stamp = FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_nsec, st.st_mtim.tv_sec};
    return true;
}

bool StateStore::reload(std::string &error)
{
    FileStamp stamp;
    if (!stampOf(stamp)) {
        error = "no state in " + m_directory + " (run: vnlsim init)";
        return false;
    }
    if (m_loaded && stamp == m_stamp)
        return true;
    std::string text;
    World world;
    if (!readFile(statePath(), text) || !loadWorld(text, world, error)) {
        error = statePath() + ": " + (error.empty() ? "unreadable" : error);
        m_loaded = false;
        return false;
    }
    m_world = std::move(world);
    m_stamp = stamp;
    m_loaded = true;
    return true;
}

bool StateStore::write(const std::string &text, std::string &error)
{
    std::string temporary = statePath() + ".tmp." + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            error = "cannot write " + temporary;
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (::rename(temporary.c_str(), statePath().c_str()) != 0) {
        error = "cannot replace " + statePath() + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool StateStore::install(const std::string &profileText, bool replace, std::string &error)
{
    if (!makeDirectory(m_directory, error) || !makeDirectory(imageDirectory(), error))
        return false;
    DirectoryLock lock(m_directory);
    if (!lock.held()) {
        error = "cannot lock " + m_directory;
        return false;
    }
    FileStamp stamp;
    if (!replace && stampOf(stamp))
        return true;
    World world;
    if (!loadWorld(profileText, world, error))
        return false;
    m_loaded = false;
    return write(saveWorld(world), error);
}

bool StateStore::ensure(const std::string &profileText, std::string &error)
{
    FileStamp stamp;
    return stampOf(stamp) || install(profileText, false, error);
}

bool StateStore::reset(const std::string &profileText, std::string &error)
{
    return install(profileText, true, error);
}

const World *StateStore::current(std::string &error)
{
    return reload(error) ? &m_world : nullptr;
}

bool StateStore::update(const std::function<bool(World &)> &change, std::string &error)
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
