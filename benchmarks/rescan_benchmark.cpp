// Rescans of a synthetic tree: per controller 128 physical and 32 logical
// drives, with trivial discover, read, associate and write operations.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/core/testtree.h"

namespace {

using namespace CoreTest;

void describeHardware(int controllers)
{
    hardware() = Hardware();
    for (int slot = 0; slot < controllers; ++slot)
        hardware().controllers[std::to_string(slot)] = {128, 32};
}

void BM_Rescan(benchmark::State& state)
{
    registerTestOperations();
    describeHardware(static_cast<int>(state.range(0)));
    DevicePtr root = Root::make();
    root->Reenumerate(Device::ReenumeratePredicate());
    for (auto _ : state)
        benchmark::DoNotOptimize(root->Reenumerate(Device::ReenumeratePredicate()));
    state.counters["devices"] = static_cast<double>(state.range(0) * (128 + 32) + 1);
}
BENCHMARK(BM_Rescan)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_FirstDiscovery(benchmark::State& state)
{
    registerTestOperations();
    describeHardware(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DevicePtr root = Root::make();
        benchmark::DoNotOptimize(root->Reenumerate(Device::ReenumeratePredicate()));
    }
}
BENCHMARK(BM_FirstDiscovery)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
