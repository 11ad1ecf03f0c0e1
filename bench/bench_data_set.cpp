#include "bench_data_set.h"

#include <cmath>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "calibration/calibration_build.h"
#include "calibration/calibration_file.h"
#include "calibration/calibration_standards.h"
#include "calibration/results_file.h"
#include "methoddata/calibration_tables.h"
#include "methoddata/library_text_file.h"
#include "methoddata/program_paths.h"
#include "methoddata/surrogate_file.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "program/program_state.h"

namespace {

const std::string kExamples = M5847_EXAMPLES;
constexpr double kLevels[kBenchStandards] = {1, 2, 5, 10, 20, 50, 100, 150, 200, 250};

class Lcg {
public:
    double uniform(double lo, double hi) {
        state_ = (6364136223846793005ULL * state_ + 1442695040888963407ULL);
        return lo + (hi - lo) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }
    double noise() { return uniform(-0.02, 0.02); }

private:
    unsigned long long state_ = 5847;
};

struct Row {
    std::vector<std::string> fields;  // the library text file's columns
    bool internal_standard = false;
    double rvw = 0.0, bp = 0.0, rf = 0.0;
    double amount(int level) const { return std::atof(fields[6 + (internal_standard ? 0 : level)].c_str()); }
};

// The demo's recovery model: low-rvw compounds leave the water poorly, heavy ones distil less.
double recovery(const Row& r) {
    const double rv = 0.30 + 0.68 / (1.0 + std::exp(-(std::log(r.rvw) + 2.0)));
    const double bp = 1.0 - 0.002 * std::max(r.bp - 30.0, 0.0);
    return rv * bp;
}

std::vector<Row> library_rows(int n, Lcg& rng) {
    std::vector<Row> demo;
    std::vector<std::string> lines;
    read_text_lines(join_path(kExamples, "demo_library.txt"), lines);
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string line = trim(lines[i]);
        if (line.empty()) continue;
        Row r;
        r.fields = split(line, '\t');
        r.internal_standard = !starts_with_ci(r.fields[1], "a");
        r.rvw = std::atof(r.fields[2].c_str());
        r.bp = std::atof(r.fields[3].c_str());
        demo.push_back(r);
    }
    int standards = 0;
    for (const Row& r : demo) standards += r.internal_standard;
    int analytes = n - standards;
    std::vector<Row> rows;
    for (const Row& r : demo)
        if (r.internal_standard || analytes-- > 0) rows.push_back(r);
    for (int copy = 2; static_cast<int>(rows.size()) < n; ++copy)
        for (const Row& r : demo)
            if (!r.internal_standard && static_cast<int>(rows.size()) < n) {
                Row c = r;
                c.fields[0] += c_format(" (%d)", copy);
                c.fields.back() = "N/A";
                rows.push_back(c);
            }
    for (Row& r : rows) {
        if (!r.internal_standard)
            for (int level = 0; level < kBenchStandards; ++level) r.fields[6 + level] = c_format("%.2f", kLevels[level]);
        r.rf = std::exp(rng.uniform(std::log(2000.0), std::log(12000.0)));
    }
    return rows;
}

void write_library(const std::string& path, const std::vector<Row>& rows) {
    std::string text = "COMPOUND LIBRARY;V2;RVW;BP;Version 4.2\n";
    for (const Row& r : rows) {
        for (size_t i = 0; i < r.fields.size(); ++i) text += (i ? "\t" : "") + r.fields[i];
        text += "\n";
    }
    std::ofstream(path, std::ios::binary) << text;
}

// The demo internal-standard file with each standard's library number in this library.
void write_surrogate_file(const std::string& path, const std::vector<Row>& rows) {
    std::map<std::string, int> row_of;
    for (size_t i = 0; i < rows.size(); ++i) row_of.emplace(rows[i].fields[0], static_cast<int>(i) + 1);
    IniFile ini;
    ini.load(join_path(kExamples, "demo_internal_standards.ini"));
    const int count = ini.get_int("header", "number_comps", 0);
    for (int k = 1; k <= count; ++k) {
        const std::string section = c_format("compound%d", k);
        ini.set_int(section, "LibCmpndNum", row_of.at(ini.get_string(section, "name", "")));
    }
    ini.save_as(path);
}

// One run in the instrument's "Version" layout; amount(row) is the compound's amount in it.
template <typename Amount>
void write_run(const std::string& path, const std::vector<Row>& rows, const std::string& id,
               const std::string& client, bool direct, Lcg& rng, Amount amount) {
    std::string text = "Quantitation Report  Version 3.1\n09/22/2025 09:05\n" + id + "\n" + client +
                       "\nGC/MS-2\nMethod: 5847 vacuum distillation GC/MS\nAmounts: ug/L\n\nCOMPOUND\n";
    const double run_factor = rng.uniform(0.96, 1.04);
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const double a = amount(r);
        const double rec = direct ? 1.0 : recovery(r) * run_factor;
        const long area = a > 0.0 ? std::max(1L, std::lround(r.rf * a * rec * (1.0 + rng.noise()))) : 0L;
        text += c_format("%s\t%ld\t%d\t%.3f\n", r.fields[0].c_str(), area, 60 + static_cast<int>(i) % 90,
                         1.2 + 0.085 * (r.bp - 30.0));
    }
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

std::string make_bench_folder() {
    char tmpl[] = "/tmp/m5847bench.XXXXXX";
    return mkdtemp(tmpl);
}

BenchDataSet write_bench_data_set(const std::string& folder, int compounds, int samples) {
    Lcg rng;
    const std::vector<Row> rows = library_rows(compounds, rng);
    BenchDataSet set;
    set.folder = folder;
    set.library_file = join_path(folder, "bench_library.txt");
    set.surrogate_file = join_path(folder, "bench_internal_standards.ini");
    write_library(set.library_file, rows);
    write_surrogate_file(set.surrogate_file, rows);
    for (int level = 0; level < kBenchStandards; ++level) {
        set.standards.push_back(join_path(folder, c_format("STD%d.TXT", level + 1)));
        write_run(set.standards.back(), rows, c_format("CAL%03d", level + 1), "Calibration standard", false, rng,
                  [&](const Row& r) { return r.amount(level); });
    }
    set.reference = join_path(folder, "REF.TXT");
    write_run(set.reference, rows, "REF001", "Internal standard reference", true, rng,
              [](const Row& r) { return r.internal_standard ? r.amount(0) : 0.0; });
    for (int s = 0; s < samples; ++s) {
        set.samples.push_back(join_path(folder, c_format("SAMPLE%02d.TXT", s + 1)));
        // About one analyte in twelve found, at 0.5 to 80.
        write_run(set.samples.back(), rows, c_format("S%04d", 2101 + s), c_format("MW-%02d groundwater", s + 1),
                  false, rng, [&](const Row& r) {
                      if (r.internal_standard) return r.amount(0);
                      return rng.uniform(0.0, 1.0) < 1.0 / 12 ? std::exp(rng.uniform(std::log(0.5), std::log(80.0)))
                                                              : 0.0;
                  });
    }
    return set;
}

bool prepare_bench_calibration(const BenchDataSet& set) {
    construct_method_data();
    construct_calibration_tables();
    program_paths.install_path = set.folder;  // the calibration log goes here
    folder_settings.slot[kLibraryTextFileSlot] = set.library_file;
    if (!read_library_text_file(set.library_file)) return false;
    method_data.library_loaded = 1;
    copy_library_compounds(method_data.compound_count, method_data.library_saved, method_data.library);
    int count = 0;
    if (!check_compound_file(set.surrogate_file, count)) return false;
    if (!load_internal_standard_file(set.surrogate_file, count)) return false;
    method_data.surrogate_file_loaded = 1;
    std::vector<std::string> labels;
    for (const std::string& file : set.standards) {
        if (!convert_quant_file(file, listed_results_ini(file))) return false;
        labels.push_back(c_format("Amount%d", static_cast<int>(labels.size()) + 1));
    }
    if (!convert_quant_file(set.reference, listed_results_ini(set.reference))) return false;
    calibration_data.standard_count = kBenchStandards;
    method_data.surrogate_reference_path = set.reference;
    prepare_standard_tables(set.standards, labels, false);
    return true;
}

bool write_bench_calibration(const BenchDataSet& set, const std::string& path) {
    return prepare_bench_calibration(set) && build_calibration(calibration_data.standard_results_ini, calibration_data.standard_count, set.reference) &&
           write_calibration(path);
}

void write_bench_reporting_limits(const BenchDataSet& set, const std::string& path) {
    std::string text = "Creation Date;09/22/2025 09:00\nCompound Library File:" + to_upper(set.library_file) +
                       "\nInternal Standard File;" + to_upper(set.surrogate_file) +
                       "\n1.00;WATER;ng/l\nOther;bench limits";
    for (int c = 0; c < method_data.compound_count; ++c)
        if (!method_data.library_saved[c].is_internal_standard) text += "\n" + method_data.library_saved[c].name + c_format(";%.2f", 0.5 + c % 7);
    std::ofstream(path, std::ios::binary) << text;
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}
