// Full rescans of simulated hardware through the real discovery and readers. Run against a
// state made from the `large` preset (four controllers, 64 drives and 32 logical drives each):
//
//     VNLSIM_STATE=/tmp/large build/sim/vnlsim init --preset large
//     VNLSIM_STATE=/tmp/large LD_LIBRARY_PATH=build/sim bench_rescan_large
//
// VNLSIM_LATENCY_US adds the latency of a real controller to every command; VNLSIM_STATS counts
// the commands one process sent.
#include <benchmark/benchmark.h>

#include "operations/drxcommon.h"
#include "schema/defaultreenumeratepredicate.h"
#include "schema/schemamodroot.h"

namespace {

Core::DevicePtr maskedRoot()
{
    DRXCommon::RegisterOperations();
    Core::DevicePtr root = Schema::ModRoot::create();
    DRXCommon::MaskControllers(root);
    return root;
}

void BM_FirstDiscovery(benchmark::State& state)
{
    for (auto _ : state) {
        Core::DevicePtr root = maskedRoot();
        benchmark::DoNotOptimize(root->Reenumerate(Interface::StorageMod::DefaultReenumeratePredicate(root)));
    }
}
BENCHMARK(BM_FirstDiscovery)->Unit(benchmark::kMillisecond);

void BM_Rescan(benchmark::State& state)
{
    Core::DevicePtr root = maskedRoot();
    root->Reenumerate(Interface::StorageMod::DefaultReenumeratePredicate(root));
    for (auto _ : state)
        benchmark::DoNotOptimize(root->Reenumerate(Interface::StorageMod::DefaultReenumeratePredicate(root)));
}
BENCHMARK(BM_Rescan)->Unit(benchmark::kMillisecond);

} // namespace
