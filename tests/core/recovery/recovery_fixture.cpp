#include "recovery_fixture.h"

#include "calibration/calibration_log.h"
#include "calibration/curve_statistics.h"
#include "methoddata/calibration_data.h"
#include "methoddata/calibration_tables.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "recovery/model_errors.h"
#include "recovery/standard_recovery.h"

void RecoveryTest::reset_method() {
    construct_method_data();
    construct_process_files_data();  // on the heap: the tables are too large for the stack
    construct_calibration_tables();  // the whole calibration, its first-pass state too
    clear_calibration_log();
    high_recoveries.clear();
    pairs = FirstPassPairTable{};
    scratch = DataSetValues{};
}

int RecoveryTest::compound(const std::string& name, double rvw, double bp, double amount) {
    const int row = method_data.compound_count++;
    LibraryCompound& c = method_data.library[row];
    c.name = name;
    c.cmpndType = "analyte";
    c.rvw = rvw;
    c.bp = bp;
    for (int k = 0; k < kMaxLevels; ++k) c.conc[k] = amount * (k + 1);
    method_data.library_saved[row] = c;
    return row;
}

int RecoveryTest::standard(const std::string& name, double rvw, double bp, bool first_pass,
                           std::initializer_list<int> bp_groups,
                           std::initializer_list<int> rv_groups, double amount) {
    const int row = compound(name, rvw, bp, amount);
    LibraryCompound& c = method_data.library[row];
    c.cmpndType = "Internal Standard";
    c.is_internal_standard = 1;
    c.conc.fill(amount);
    method_data.library_saved[row] = c;
    const int q = method_data.surrogate_count++;
    SurrogateRecord& r = method_data.surrogates[q];
    r.name = name;
    r.LibCmpndNum = row + 1;
    r.rvw = rvw;
    r.bp = bp;
    r.first_pass = first_pass;
    for (int g : bp_groups) r.bpgroup[g - 1] = 1;
    for (int g : rv_groups) r.rvwgroup[g - 1] = 1;
    return q;
}

int RecoveryTest::row_of(const std::string& name) const {
    for (int r = 0; r < method_data.compound_count; ++r)
        if (method_data.library[r].name == name) return r;
    ADD_FAILURE() << "no library row " << name;
    return 0;
}

void RecoveryTest::set_area(int a, const std::string& name, double area) {
    calibration_data.raw_data_sets[a].area[row_of(name)] = static_cast<std::int32_t>(area);
}

void RecoveryTest::use_reference(int reference) {
    calibration_data.standard_count = reference;
    for (int q = 0; q < method_data.surrogate_count; ++q) set_area(reference, method_data.surrogates[q].name, 1000);
}

void RecoveryTest::set_limits(double min_bp, double max_bp, double min_rvw, double max_rvw) {
    method_data.surrogate_range_limits = {min_bp, max_bp, min_rvw, max_rvw};
}
