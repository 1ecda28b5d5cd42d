// Counts of the requests one process made of the library. When VNLSIM_STATS
// names a file, the counts are appended to it as one line when the process
// ends, for example
//     pid=4242 enum=12 info=30 bmic=311 scsi=4 bmic.11=20 bmic.50=64
// When VNLSIM_REQUEST_LOG names a file, each BMIC request is appended to it
// as it is made, one line each with the unit it addresses ("bmic.54 unit=2"),
// so that a test can see the requests of one step, and their order, while
// its process goes on.
#ifndef VNL_SIM_REQUESTSTATS_H
#define VNL_SIM_REQUESTSTATS_H

#include <array>
#include <cstdint>
#include <string>

namespace Sim {

class RequestStats {
public:
    ~RequestStats();
    void countEnum() { ++m_enum; }
    void countInfo() { ++m_info; }
    void countBmic(std::uint8_t opcode, std::uint16_t unit);
    void countScsi() { ++m_scsi; }
    // The line written at exit.
    std::string line() const;

private:
    std::uint64_t m_enum = 0;
    std::uint64_t m_info = 0;
    std::uint64_t m_scsi = 0;
    std::array<std::uint64_t, 256> m_bmic{};
};

} // namespace Sim

#endif
