// The calibration build (ten standards and a reference: the recovery models of every
// standard, the corrected response factors and the curve statistics) for libraries of
// 50, 100 and 150 compounds: its time must grow in proportion to the compounds.
// Run: build-release/bench/calibration_build_bench
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_data_set.h"
#include "bench_ui.h"
#include "calibration/calibration_build.h"
#include "calibration/calibration_log.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/tables.h"

namespace {

void CalibrationBuild(benchmark::State& state) {
    BenchUi ui;
    const std::string folder = make_bench_folder();
    const BenchDataSet set = write_bench_data_set(folder, static_cast<int>(state.range(0)), 0);
    if (!prepare_bench_calibration(set)) state.SkipWithError("the data set was refused");
    for (auto _ : state) {
        clear_calibration_log();
        const bool built = build_calibration(calibration_data.standard_results_ini, calibration_data.standard_count, set.reference);
        benchmark::DoNotOptimize(built);
        if (!built) state.SkipWithError("the build failed");
    }
    if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().c_str());
    state.SetComplexityN(state.range(0));
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(CalibrationBuild)->Arg(50)->Arg(100)->Arg(150)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
