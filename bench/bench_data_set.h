#pragma once
// A generated method of n compounds for the timing programs: the demo library's internal
// standards with as many analytes as make n (demo analytes, then renamed copies of them),
// ten standard levels, a reference run, a calibration built from them and up to 24
// sample runs. Areas follow the demo's recovery model, with a fixed seed.
#include <string>
#include <vector>

struct BenchDataSet {
    std::string folder;
    std::string library_file;      // library text file
    std::string surrogate_file;    // internal-standard file
    std::vector<std::string> standards;  // data files STD1.TXT .. STD10.TXT
    std::string reference;         // data file REF.TXT
    std::vector<std::string> samples;    // data files SAMPLE01.TXT ...
};

constexpr int kBenchStandards = 10;

// Writes the library, internal-standard file and data files of n compounds into folder.
BenchDataSet write_bench_data_set(const std::string& folder, int compounds, int samples);

// Loads the set's library and internal-standard file into the tables, converts the
// standards and the reference, and fills the level labels: ready for build_calibration.
// False when a step refused a file.
bool prepare_bench_calibration(const BenchDataSet& set);

// The calibration of the set built and written to path; false when a step failed.
bool write_bench_calibration(const BenchDataSet& set, const std::string& path);

// A reporting-limit file of the set's analytes (those of the tables in memory, as
// write_bench_calibration leaves them), naming its internal-standard file, last written an
// hour ago as an analyst's file usually is.
void write_bench_reporting_limits(const BenchDataSet& set, const std::string& path);

// A fresh temporary folder; removed by the caller.
std::string make_bench_folder();
