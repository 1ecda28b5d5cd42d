// Feeds random request records and buffers to the library's entry points.
// Every pointer in a record points into a buffer of the stated length (a
// caller that lies about its own memory cannot be defended against);
// everything else - handles, codes, directions, record lengths, opcodes,
// addressing, command blocks, buffer lengths and contents - comes from the
// input. Built with libFuzzer (clang, VNL_FUZZ=ON) or, with any compiler, as
// a randomized driver: vnlsim_fuzz [SECONDS] [SEED].
#include "controller/imgrdefs.h"
#include "sim/presets.h"
#include "sim/statestore.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// Reads the fuzz input as a stream of numbers; zeros once it runs out.
class Input {
public:
    Input(const std::uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::uint32_t word()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | byte();
        return v;
    }
    std::uint32_t below(std::uint32_t limit) { return limit ? word() % limit : 0; }
    void fill(std::uint8_t* out, size_t n)
    {
        for (size_t i = 0; i < n; ++i)
            out[i] = byte();
    }

private:
    const std::uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

constexpr std::uint32_t kChildKinds[] = {IMGR_ENUM_CHILDREN, IMGR_ENUM_LOGICAL_DRIVES, IMGR_ENUM_DISK_EXTENTS,
                                         IMGR_ENUM_REMOTE_CONTROLLERS};
constexpr std::uint32_t kInfoClasses[] = {1, 2, 4, 6, 7, 8, 9, 0x6001, 0x6002, 0x6003};
constexpr std::uint32_t kBuffers[] = {0, 3, 4, 12, 32, 512, 1024, 1536, 2048, 2568, 2588, 5088, 24368, 61160};

struct Session {
    std::vector<ImgrHandle> handles;

    ImgrHandle handle(Input& in)
    {
        std::uint8_t pick = in.byte();
        if (pick < 16 || handles.empty())
            return in.word();
        return handles[pick % handles.size()];
    }
    std::uint32_t pickOf(Input& in, const std::uint32_t* table, size_t n)
    {
        std::uint8_t pick = in.byte();
        return pick < 16 ? in.word() : table[pick % n];
    }
    std::vector<std::uint8_t> buffer(Input& in)
    {
        std::vector<std::uint8_t> b(pickOf(in, kBuffers, std::size(kBuffers)) % 70000);
        in.fill(b.data(), std::min<size_t>(b.size(), in.byte()));
        return b;
    }

    void enumerate(Input& in)
    {
        ImgrHandle child = 0;
        ImgrHandle parent = handle(in);
        std::uint32_t kind = pickOf(in, kChildKinds, std::size(kChildKinds));
        if (InfoMgrEnumObject(parent, kind, in.byte() % 8, &child, 0, 0) == IMGR_STATUS_OK)
            handles.push_back(child);
    }
    void info(Input& in, bool set)
    {
        ImgrHandle h = handle(in);
        std::uint32_t infoClass = pickOf(in, kInfoClasses, std::size(kInfoClasses));
        std::vector<std::uint8_t> b = buffer(in);
        std::uint32_t length = std::min<std::uint32_t>(static_cast<std::uint32_t>(b.size()), in.word());
        void* data = in.byte() & 1 ? b.data() : nullptr;
        if (set)
            InfoMgrSetObjectInfo(h, infoClass, 0, data, &length);
        else
            InfoMgrGetObjectInfo(h, infoClass, 0, data, &length);
    }
    void bmic(Input& in)
    {
        ImgrBmicRecord rec;
        std::memset(&rec, 0, sizeof rec);
        std::vector<std::uint8_t> data = buffer(in), sense(in.byte() % 40);
        rec.bCommand = in.byte();
        rec.dwDetail = in.word();
        rec.wUnit = static_cast<std::uint16_t>(in.word());
        rec.pData = data.empty() ? nullptr : data.data();
        rec.dwDataLength = static_cast<std::uint32_t>(data.size());
        rec.pSense = sense.empty() ? nullptr : sense.data();
        rec.dwSenseLength = static_cast<std::uint32_t>(sense.size());
        std::uint32_t length = in.byte() < 8 ? in.byte() : sizeof rec;
        InfoMgrControlObject(handle(in), IMGR_CONTROL_BMIC, in.byte() % 5, &rec, &length, 0, 0);
    }
    void scsi(Input& in, bool byAddress)
    {
        ImgrScsiAddressRecord rec;
        std::memset(&rec, 0, sizeof rec);
        in.fill(rec.abLunAddress, sizeof rec.abLunAddress);
        std::vector<std::uint8_t> cdb(in.byte() % 17), data = buffer(in), sense(in.byte() % 40);
        in.fill(cdb.data(), cdb.size());
        rec.scsi.pCdb = cdb.empty() ? nullptr : cdb.data();
        rec.scsi.bCdbLength = static_cast<std::uint8_t>(cdb.size());
        rec.scsi.pData = data.empty() ? nullptr : data.data();
        rec.scsi.dwDataLength = static_cast<std::uint32_t>(data.size());
        rec.scsi.pSense = sense.empty() ? nullptr : sense.data();
        rec.scsi.dwSenseLength = static_cast<std::uint32_t>(sense.size());
        std::uint32_t length = byAddress ? sizeof rec : sizeof rec.scsi;
        void* record = byAddress ? static_cast<void*>(&rec) : static_cast<void*>(&rec.scsi);
        InfoMgrControlObject(handle(in), byAddress ? IMGR_CONTROL_SCSI_BY_ADDRESS : IMGR_CONTROL_SCSI, in.byte() % 0x60,
                             record, &length, 0, 0);
    }
};

// A state with local controllers and a storage system, in VNLSIM_STATE or a
// directory of its own, made anew now and then so that what the inputs
// create does not pile up.
void prepareState()
{
    static std::string directory;
    static unsigned runs = 0;
    if (directory.empty()) {
        const char* given = std::getenv("VNLSIM_STATE");
        char pattern[] = "/tmp/vnlsim-fuzz-XXXXXX";
        directory = given && *given ? given : ::mkdtemp(pattern);
        ::setenv("VNLSIM_STATE", directory.c_str(), 1);
    }
    if (runs++ % 500 != 0)
        return;
    Sim::StateStore store(directory);
    std::string error;
    std::string profile = std::string(*Sim::presetText("server")) + std::string(*Sim::presetText("external"));
    if (!store.reset(profile, error)) {
        std::fprintf(stderr, "vnlsim_fuzz: %s\n", error.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    prepareState();
    Input in(data, size);
    Session session;
    for (std::uint32_t kind : {IMGR_OBJECT_ARRAY_CONTROLLERS, IMGR_OBJECT_HOST_BUS_ADAPTERS}) {
        ImgrHandle root = 0;
        if (InfoMgrOpenObject(0, kind, &root, 0, 0) == IMGR_STATUS_OK)
            session.handles.push_back(root);
    }
    for (int steps = 0; !in.empty() && steps < 64; ++steps) {
        switch (in.byte() % 7) {
        case 0:
            session.enumerate(in);
            break;
        case 1:
            session.info(in, false);
            break;
        case 2:
            session.info(in, true);
            break;
        case 3:
        case 4:
            session.bmic(in);
            break;
        case 5:
            session.scsi(in, false);
            break;
        case 6:
            session.scsi(in, true);
            break;
        }
    }
    return 0;
}

#ifdef VNLSIM_FUZZ_DRIVER
int main(int argc, char** argv)
{
    double seconds = argc > 1 ? std::atof(argv[1]) : 10;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : std::random_device{}());
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    unsigned long long runs = 0;
    std::vector<std::uint8_t> input;
    while (std::chrono::steady_clock::now() < end) {
        input.resize(random() % 2048);
        for (std::uint8_t& b : input)
            b = static_cast<std::uint8_t>(random());
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++runs;
    }
    std::printf("vnlsim_fuzz: %llu inputs, no failure\n", runs);
    return 0;
}
#endif
