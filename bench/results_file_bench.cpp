// Converting an instrument data file into a results file and reading it back into a
// data set, for libraries of 50 to 150 compounds. Run: build/bench/results_file_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "calibration/results_file.h"
#include "methoddata/tables.h"
#include "platform/number_text.h"
#include "program/program_state.h"

namespace {

// A "Version" layout file of n compounds and a library that matches it.
std::string prepare(const std::string& folder, int n) {
    construct_method_data();
    method_data.compound_count = n;
    std::string text = "Quant Report Version 3\n09/14/2025 08:15\nLF-0042\nCLIENT-7\nGC-2\nCOMPOUND\n";
    for (int c = 0; c < n; ++c) {
        method_data.library[c].name = c_format("Compound number %d", c + 1);
        text += c_format("%s\t%.1f\t%d\t%.3f\n", method_data.library[c].name.c_str(), 15000.0 + 917.3 * c, 60 + c, 2.0 + 0.1 * c);
    }
    std::string path = folder + "/STD1.TXT";
    std::ofstream(path) << text;
    return path;
}

void ConvertAndRead(benchmark::State& state) {
    char tmpl[] = "/tmp/m5847bench.XXXXXX";
    std::string folder = mkdtemp(tmpl);
    std::string data = prepare(folder, static_cast<int>(state.range(0)));
    std::string ini = results_ini_name(data, folder);
    for (auto _ : state) {
        bool ok = convert_quant_file(data, ini) && read_results_ini(0, ini);
        benchmark::DoNotOptimize(ok);
        if (!ok) state.SkipWithError("conversion failed");
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(ConvertAndRead)->Arg(50)->Arg(100)->Arg(150)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
