// A five-standard calibration whose expected values were computed independently of this
// code: tests/data/recovery/five_standards.py derives them from the method's rules and
// writes the method, the areas and the expected values into five_standards.txt.
#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

#include "calibration/calibration_log.h"
#include "platform/text_util.h"
#include "recovery/model_chain.h"
#include "recovery_fixture.h"
#include "test_files.h"
#include "methoddata/calibration_data.h"

namespace {

struct Expected {
    int set;
    std::string name;
    double predicted, deviation, response_factor;
};

std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (double v; in >> v;) values.push_back(v);
    return values;
}

class FiveStandards : public RecoveryTest {
protected:
    // Loads the fixture into the tables; answers the expected values.
    std::vector<Expected> load(const std::string& path) {
        std::ifstream in(path);
        EXPECT_TRUE(in) << path;
        std::vector<Expected> expected;
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            if (line.rfind("limits ", 0) == 0) {
                const auto v = numbers(line.substr(7));
                set_limits(v[0], v[1], v[2], v[3]);
                continue;
            }
            const auto f = split(line, '|');
            if (f[0] == "compound") add_compound(f);
            else if (f[0] == "record") add_record(f);
            else if (f[0] == "label") calibration_data.level_names[std::stoi(f[1])] = f[2];
            else if (f[0] == "area") set_area(std::stoi(f[1]), f[2], std::stod(f[3]));
            else if (f[0] == "expect")
                expected.push_back({std::stoi(f[1]), f[2], std::stod(f[3]), std::stod(f[4]), std::stod(f[5])});
        }
        return expected;
    }

    void add_compound(const std::vector<std::string>& f) {
        const int row = compound(f[1], std::stod(f[2]), std::stod(f[3]));
        LibraryCompound& c = method_data.library[row];
        c.is_internal_standard = static_cast<u8>(std::stoi(f[4]));
        c.cmpndType = c.is_internal_standard ? "Internal Standard" : "analyte";
        const auto amounts = numbers(f[5]);
        for (int k = 0; k < kMaxLevels; ++k) c.conc[k] = amounts[k];
        method_data.library_saved[row] = c;
    }

    void add_record(const std::vector<std::string>& f) {
        SurrogateRecord& r = method_data.surrogates[method_data.surrogate_count++];
        const int row = row_of(f[1]);
        r.name = f[1];
        r.LibCmpndNum = row + 1;
        r.rvw = method_data.library[row].rvw;
        r.bp = method_data.library[row].bp;
        r.first_pass = std::stoi(f[2]);
        for (const std::string& g : split(f[3], ','))
            if (!g.empty()) r.bpgroup[std::stoi(g) - 1] = 1;
        for (const std::string& g : split(f[4], ','))
            if (!g.empty()) r.rvwgroup[std::stoi(g) - 1] = 1;
    }
};

}  // namespace

TEST_F(FiveStandards, TheChainReproducesTheIndependentlyComputedCalibration) {
    const std::vector<Expected> expected = load(test_data("recovery/five_standards.txt"));
    ASSERT_EQ(expected.size(), 5u * 18u);
    calibration_data.standard_count = 5;  // data set 5 is the reference run
    for (int p = 0; p < calibration_data.standard_count; ++p) {
        const ModelChainResult chain =
            run_model_chain({calibration_data.raw_data_sets, model_work_tables.first_pass_fits, model_work_tables.bp_group_fits, model_work_tables.rv_group_fits, pairs, scratch}, p,
                            AfterFailure::Stop);
        ASSERT_EQ(chain.result, 1) << "standard " << p;
        EXPECT_EQ(chain.bp_group_count, 2);
        EXPECT_EQ(chain.rv_group_count, 2);
    }
    EXPECT_EQ(calibration_log.log_flag, 0);
    const RecoveryTables& t = calibration_data.recovery_tables;
    for (const Expected& e : expected) {
        const int q = row_of(e.name);
        const std::string where = e.name + " in standard " + std::to_string(e.set);
        EXPECT_NEAR(t.predicted_recovery[e.set][q], e.predicted, 1e-9 * std::fabs(e.predicted)) << where;
        EXPECT_NEAR(t.predicted_recovery_dev[e.set][q], e.deviation, 1e-9 * std::fabs(e.deviation)) << where;
        EXPECT_NEAR(t.response_factor[e.set][q], e.response_factor, 1e-9 * std::fabs(e.response_factor))
            << where;
    }
}
