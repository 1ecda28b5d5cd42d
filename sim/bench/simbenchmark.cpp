// Cost of the library's requests on the large preset: the read path every
// discovery walks (one stat of the state file per request) and the write
// path (lock, re-read, save, rename per change).
#include "controller/bmiclayouts.h"
#include "controller/imgrdefs.h"
#include "sim/presets.h"
#include "sim/statestore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string prepare(const char* preset)
{
    char pattern[] = "/tmp/vnlsim-bench-XXXXXX";
    std::string dir = ::mkdtemp(pattern);
    ::setenv("VNLSIM_STATE", dir.c_str(), 1);
    std::string error;
    if (!Sim::StateStore(dir).reset(std::string(*Sim::presetText(preset)), error))
        std::abort();
    return dir;
}

std::vector<ImgrHandle> controllers()
{
    ImgrHandle root = 0, child = 0;
    std::vector<ImgrHandle> out;
    InfoMgrOpenObject(0, IMGR_OBJECT_ARRAY_CONTROLLERS, &root, 0, 0);
    for (std::uint32_t i = 0; InfoMgrEnumObject(root, IMGR_ENUM_CHILDREN, i, &child, 0, 0) == 0; ++i)
        out.push_back(child);
    return out;
}

template <class T>
bool bmic(ImgrHandle h, std::uint8_t opcode, std::uint32_t direction, T& buffer, std::uint16_t unit)
{
    ImgrBmicRecord rec;
    std::memset(&rec, 0, sizeof rec);
    rec.bCommand = opcode;
    rec.wUnit = unit;
    rec.pData = &buffer;
    rec.dwDataLength = sizeof buffer;
    std::uint32_t length = sizeof rec;
    return InfoMgrControlObject(h, IMGR_CONTROL_BMIC, direction, &rec, &length, 0, 0) == 0 && rec.bScsiStatus == 0;
}

// What discovery asks of each logical drive: configuration, status, identity.
void BM_ReadEveryLogicalDrive(benchmark::State& state)
{
    std::string dir = prepare("large");
    std::vector<ImgrHandle> all = controllers();
    LOGICAL_DRIVE_CONFIG config;
    LOGICAL_DRIVE_STATUS status;
    IDENTIFY_LOGICAL_DRIVE id;
    for (auto _ : state)
        for (ImgrHandle h : all)
            for (std::uint16_t n = 0; n < 32; ++n)
                benchmark::DoNotOptimize(bmic(h, 0x50, 1, config, n) && bmic(h, 0x12, 1, status, n) &&
                                         bmic(h, 0x10, 1, id, n));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(all.size()) * 32 * 3);
    std::system(("rm -rf " + dir).c_str());
}
BENCHMARK(BM_ReadEveryLogicalDrive)->Unit(benchmark::kMillisecond);

// A stored change on a controller of the large preset.
void BM_StoreAChange(benchmark::State& state)
{
    std::string dir = prepare("large");
    ImgrHandle h = controllers().at(0);
    SURFACE_DELAY delay{};
    for (auto _ : state) {
        delay.wDelay = static_cast<std::uint16_t>(delay.wDelay + 1);
        benchmark::DoNotOptimize(bmic(h, 0x60, 2, delay, 0));
    }
    state.SetItemsProcessed(state.iterations());
    std::system(("rm -rf " + dir).c_str());
}
BENCHMARK(BM_StoreAChange)->Unit(benchmark::kMicrosecond);

} // namespace
