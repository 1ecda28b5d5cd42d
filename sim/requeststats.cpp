#include "sim/requeststats.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <numeric>
#include <unistd.h>

namespace Sim {

std::string RequestStats::line() const
{
    std::uint64_t bmic = std::accumulate(m_bmic.begin(), m_bmic.end(), std::uint64_t{0});
    std::string out = "pid=" + std::to_string(::getpid()) + " enum=" + std::to_string(m_enum) +
        " info=" + std::to_string(m_info) + " bmic=" + std::to_string(bmic) + " scsi=" + std::to_string(m_scsi);
    for (size_t op = 0; op < m_bmic.size(); ++op) {
        if (m_bmic[op] == 0)
            continue;
        char name[16];
        std::snprintf(name, sizeof name, " bmic.%02X=", static_cast<unsigned>(op));
        out += name + std::to_string(m_bmic[op]);
    }
    return out + "\n";
}

void RequestStats::countBmic(std::uint8_t opcode, std::uint16_t unit)
{
    ++m_bmic[opcode];
    const char* path = std::getenv("VNLSIM_REQUEST_LOG");
    if (!path || !*path)
        return;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "bmic.%02X unit=%u\n", static_cast<unsigned>(opcode),
                                     static_cast<unsigned>(unit));
    int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    ssize_t written = ::write(fd, text, static_cast<size_t>(length));
    (void)written;
    ::close(fd);
}

RequestStats::~RequestStats()
{
    const char* path = std::getenv("VNLSIM_STATS");
    if (!path || !*path)
        return;
    // One write of the whole line to a file opened for appending keeps lines
    // of concurrent processes apart.
    int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    std::string text = line();
    ssize_t written = ::write(fd, text.data(), text.size());
    (void)written;
    ::close(fd);
}

} // namespace Sim
