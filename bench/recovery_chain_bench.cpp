// The recovery-model chain (first pass, BP and RV models, predicted recoveries) of a
// 150-compound library with 30 internal standards, run for 27 data sets in calibration
// mode. The predictions accept data-set rows 0..24, so the 27 runs use the rows in turn.
// Run: build/bench/recovery_chain_bench (the time per data set is the "per_data_set" figure)
#include <benchmark/benchmark.h>

#include <cmath>
#include <exception>

#include "calibration/calibration_log.h"
#include "methoddata/calibration_data.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "program/program_state.h"
#include "recovery/model_chain.h"

namespace {

constexpr int kRuns = kDataSets;         // 27 data sets
constexpr int kRows = kSampleSlots;      // rows the predictions accept
constexpr int kReference = kRows;        // the reference run's data set
constexpr int kStandardsEvery = 5;       // every fifth library row is an internal standard

class Lcg {
public:
    double next() {
        state_ = (1103515245ULL * state_ + 12345ULL) % 2147483648ULL;
        return static_cast<double>(state_) / 2147483648.0;
    }

private:
    unsigned long long state_ = 5847;
};

// Internal standards k = 0..29: every fifth a first-pass standard (6), the others in one
// of four BP groups by boiling point and one of four RV groups by rvw (6 each).
void prepare_method() {
    construct_method_data();
    clear_calibration_log();
    Lcg rng;
    method_data.compound_count = kMaxCompounds;
    int k = 0;
    for (int row = 0; row < kMaxCompounds; ++row) {
        LibraryCompound& c = method_data.library[row];
        const double t = static_cast<double>(row) / (kMaxCompounds - 1);
        c.name = c_format("Compound %d", row + 1);
        c.bp = 40.0 + 180.0 * t;
        c.rvw = std::exp(-0.7 + 3.7 * t);
        c.is_internal_standard = row % kStandardsEvery == 2;
        for (int level = 0; level < kMaxLevels; ++level) c.conc[level] = c.is_internal_standard ? 10.0 : 1.0 + level;
        method_data.library_saved[row] = c;
        if (!c.is_internal_standard) continue;
        SurrogateRecord& r = method_data.surrogates[k];
        r.name = c.name;
        r.LibCmpndNum = row + 1;
        r.bp = c.bp;
        r.rvw = c.rvw;
        if (k % 5 == 0) {
            r.first_pass = 1;
        } else {
            const int member = k - k / 5 - 1;  // 0..23 in library order
            r.bpgroup[member / 6] = 1;
            r.rvwgroup[member / 6] = 1;
        }
        ++k;
    }
    method_data.surrogate_count = k;
    method_data.surrogate_range_limits = {method_data.library[7].bp, method_data.library[147].bp, method_data.library[7].rvw, method_data.library[147].rvw};
    calibration_data.standard_count = kReference;
    for (int a = 0; a <= kReference; ++a) {
        calibration_data.level_names[a] = c_format("Amount%d", a % kMaxLevels + 1);
        for (int row = 0; row < kMaxCompounds; ++row)
            calibration_data.raw_data_sets[a].area[row] = static_cast<std::int32_t>(10000.0 * (0.7 + 0.6 * rng.next()));
    }
}

void RecoveryChain(benchmark::State& state) {
    prepare_method();
    FirstPassPairTable pairs{};
    DataSetValues scratch{};
    const ModelChainTables tables = calibration_chain_tables(calibration_data, model_work_tables, pairs, scratch);
    for (auto _ : state) {
        try {
            for (int run = 0; run < kRuns; ++run) {
                const ModelChainResult chain = run_model_chain(tables, run % kRows, AfterFailure::Stop);
                if (chain.result != 1) state.SkipWithError("a model failed");
                benchmark::DoNotOptimize(chain);
            }
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
    state.counters["per_data_set"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kRuns,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(RecoveryChain)->Unit(benchmark::kMicrosecond);
