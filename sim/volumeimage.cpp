#include "sim/volumeimage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Sim {
namespace {

constexpr std::uint64_t kBlock = 512;

class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::string imagePath(const std::string& imageDir, const Controller& controller, const LogicalDrive& ld)
{
    char name[24];
    std::snprintf(name, sizeof name, "-%08x.img", ld.volumeId);
    return imageDir + "/" + controller.name + name;
}

bool readImage(const std::string& path, std::uint64_t block, std::uint8_t* data, std::uint32_t length)
{
    std::memset(data, 0, length);
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd() < 0)
        return errno == ENOENT;
    ssize_t got = ::pread(file.fd(), data, length, static_cast<off_t>(block * kBlock));
    return got >= 0;
}

bool writeImage(const std::string& path, std::uint64_t block, const std::uint8_t* data, std::uint32_t length)
{
    FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (file.fd() < 0)
        return false;
    return ::pwrite(file.fd(), data, length, static_cast<off_t>(block * kBlock)) == static_cast<ssize_t>(length);
}

bool sizeImage(const std::string& path, std::uint64_t blocks)
{
    FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    struct stat st {};
    if (file.fd() < 0 || ::fstat(file.fd(), &st) != 0)
        return false;
    off_t wanted = static_cast<off_t>(blocks * kBlock);
    return st.st_size >= wanted || ::ftruncate(file.fd(), wanted) == 0;
}

} // namespace Sim
