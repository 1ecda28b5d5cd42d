// Building the associations of one controller's arrays and drives (eight drives an array, so
// arrays grow with drives), for 8 to 128 drives. The time per drive ("per_drive") stays the
// same at every size when building associations is linear in the drives.
#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

#include "core/rescanpass.h"
#include "operations/associationarrayphysicaldrive.h"
#include "operations/associationphysicaldrivephysicaldrive.h"
#include "operations/controllerchannel.h"
#include "schema/schemaarray.h"
#include "schema/schemaarraycontroller.h"
#include "schema/schemamodroot.h"
#include "schema/schemaphysicaldrive.h"
#include "schema/storagemod.h"

namespace {

const unsigned DRIVES_PER_ARRAY = 8;

struct Controller {
    Core::DevicePtr root = Schema::ModRoot::create();
    std::vector<Core::DevicePtr> arrays;
    std::vector<Core::DevicePtr> drives;

    explicit Controller(unsigned driveCount)
    {
        const Core::DevicePtr controller(
            new Schema::ArrayController("slot_1", Operations::controllerChannel(0, false)));
        root->receive(controller);
        for (unsigned short index = 0; index < driveCount; ++index) {
            drives.emplace_back(new Schema::PhysicalDrive(index, Interface::StorageMod::ATTR_VALUE_DRIVE_TYPE_DATA));
            controller->receive(drives.back());
        }
        for (unsigned number = 0; number < driveCount / DRIVES_PER_ARRAY; ++number) {
            Schema::Array::DriveSet data;
            for (unsigned drive = 0; drive < DRIVES_PER_ARRAY; ++drive)
                data.set(number * DRIVES_PER_ARRAY + drive);
            arrays.emplace_back(new Schema::Array(static_cast<unsigned char>(number), {}, data, {}, {}, {}));
            controller->receive(arrays.back());
        }
    }
};

void BM_AssociateArraysAndDrives(benchmark::State& state)
{
    const auto driveCount = static_cast<unsigned>(state.range(0));
    std::optional<Controller> controller;
    for (auto _ : state) {
        state.PauseTiming();
        controller.emplace(driveCount);
        state.ResumeTiming();
        const Core::RescanPass pass;
        for (const Core::DevicePtr& array : controller->arrays)
            array->perform(Core::DeviceOperationPtr(new Operations::AssociationArrayPhysicalDrive()));
        for (const Core::DevicePtr& drive : controller->drives)
            drive->perform(Core::DeviceOperationPtr(new Operations::AssociationPhysicalDrivePhysicalDrive()));
    }
    state.counters["per_drive"] =
        benchmark::Counter(driveCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AssociateArraysAndDrives)->Arg(8)->Arg(32)->Arg(128)->Unit(benchmark::kMicrosecond);

} // namespace
