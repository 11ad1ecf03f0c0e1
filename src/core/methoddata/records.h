#pragma once
// The element records of the program's working tables and their fixed sizes.
// Construction values are what a freshly started program holds; reset values are what
// loading a library or a calibration leaves in entries not in use. They differ on purpose
// (MDL -1.0 against 0.0, CAS number empty against "N/A").
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using u8 = std::uint8_t;

constexpr int kMaxCompounds = 150;   // library rows
constexpr int kMaxSurrogates = 150;  // internal-standard records
constexpr int kMaxLevels = 10;       // calibration levels (amounts per compound)
constexpr int kMaxStandards = 10;    // calibration standards
constexpr int kDataSets = 27;        // data-set slots of calibration work
constexpr int kFitSlots = 7;         // group-fit slots per data set
constexpr int kGroups = 6;           // BP groups and RV groups
constexpr int kSampleSlots = 25;     // sample slots (24 samples)
constexpr int kMaxSamples = 24;
constexpr int kPrintCells = 30;      // cells of one printed row
constexpr int kPathSlots = 14;

// Value markers.
constexpr double kNotSet = 2147483647.0;          // value not set or not available
constexpr int kNotFound = 2147483647;             // integer result "not found"
constexpr double kNoCalibration = -99.0;          // compound without calibration
constexpr double kCannotCompute = 2147483648.0;   // concentration that cannot be computed
inline const std::string kDummyName = "DUMMY";    // empty entry
inline const std::string kNoCasNumber = "N/A";
inline const std::string kUnconfigured = "F";     // a key the settings or internal-standard file lacks

inline bool is_not_set(double v) { return v == kNotSet; }

// A library row is two values: the compound, which the library file holds and which moves
// with the compound when rows are inserted or deleted, and the reporting limits of the table
// position, which the limits file gives by row and which stay where they are.
struct CompoundProperties {
    std::string name = kDummyName;
    std::string cmpndType = kDummyName;  // "analyte" or "Internal Standard"
    double rvw = 0.0;
    double rvo = 0.0;
    double bp = 0.0;
    // conc1..conc10: amounts of levels 1..10. A dilution-factor level multiplies conc1 of
    // library_saved, which only a read or a save sets: a calibration build writes no amount
    // into the library.
    std::array<double, kMaxLevels> conc{};
    double partcoef = 0.0;
    std::string casNumber;

    bool operator==(const CompoundProperties&) const = default;
};

struct PositionLimits {
    double MDLwater = -1.0, MDLsoil = -1.0, MDLbiota = -1.0, MDLwaste = -1.0;

    bool operator==(const PositionLimits&) const = default;
};

struct LibraryCompound : CompoundProperties, PositionLimits {
    // Held beside cmpndType on purpose: in the library editor it is the type chosen in the
    // type list, which cmpndType takes only when the compound is stored (Cancel puts it back
    // from cmpndType); the editor's change question and the amounts filled after a deletion
    // read that choice. Elsewhere it is set with cmpndType; a calibration read clears it on
    // every row, those past its compounds too.
    u8 is_internal_standard = 0;

    bool operator==(const LibraryCompound&) const = default;
};

// The part of a row that the library file holds, and the part that stays with the position.
inline CompoundProperties& compound_part(LibraryCompound& c) { return c; }
inline const CompoundProperties& compound_part(const LibraryCompound& c) { return c; }
inline PositionLimits& position_part(LibraryCompound& c) { return c; }
inline const PositionLimits& position_part(const LibraryCompound& c) { return c; }

struct SurrogateRecord {
    std::string name = kDummyName;
    int LibCmpndNum = 0;  // 1-based in an internal-standard file; 0-based after a calibration file
    double bp = 0.0;
    double rvw = 0.0;
    std::array<int, kGroups> rvwgroup{};  // membership of RV groups 1..6
    std::array<int, kGroups> bpgroup{};   // membership of BP groups 1..6
    int first_pass = 0;
    int checked_surrogate = 0;

    bool operator==(const SurrogateRecord&) const = default;
};

struct SurrogatePoint {
    std::string name;
    u8 in_use = 0;  // a list of points ends at the first entry with 0
    double x = 0.0;
    double y = 0.0;
    double measured = 0.0;  // recovery before division by the other model's prediction
    double rvw = 0.0;
    double bp = 0.0;
    int group = 0;
    int record = 0;  // index of the standard's SurrogateRecord
    double clamped_rv = kNotSet;
    double rv = 0.0;
    double ln_rv = 0.0;
    double divisor_prediction = 0.0;

    bool operator==(const SurrogatePoint&) const = default;
};

struct GroupFit {
    u8 valid = 0;
    double slope = 0.0;
    double intercept = 0.0;
    double std_error = 0.0;
    double r_squared = 0.0;
    double range_low = 0.0;
    double min_x = 0.0;
    double range_high = 0.0;
    double max_x = 0.0;

    bool operator==(const GroupFit&) const = default;
};

struct SampleRawData {
    std::array<std::int32_t, kMaxCompounds> area{};
    std::array<std::string, kMaxCompounds> name{};
    std::array<double, kMaxCompounds> amount{};
    std::array<double, kMaxCompounds> retention_time{};
    std::array<double, kMaxCompounds> cal_amount;
    SampleRawData() { cal_amount.fill(kNotSet); }

    bool operator==(const SampleRawData&) const = default;
};

// One compound of a results file as a data set takes it.
struct ResultsCompound {
    std::int32_t area = 0;  // truncated toward zero
    std::string name;
    double retention_time = 0.0;

    bool operator==(const ResultsCompound&) const = default;
};
using ResultsCompounds = std::vector<ResultsCompound>;  // compounds 1..n of the file

struct ReportingLimit {
    std::string name = kDummyName;
    double limit = 0.0;  // 0.0: no limit
    u8 is_internal_standard = 0;

    bool operator==(const ReportingLimit&) const = default;
};

struct PrintCell {
    std::string text1;
    std::string text2;
};

struct PathSettings {
    std::array<std::string, kPathSlots> slot{};

    bool operator==(const PathSettings&) const = default;
};

// Slots of folder_settings.
enum PathSlot : int {
    kLibraryStartFolderSlot = 0,
    kDataPathSlot = 1,             // dataPath, with a trailing separator
    kInstallFolderSlot = 6,        // install path + separator
    kFilePathSlot = 7,             // filePath
    kLibraryTextFileSlot = 10,     // last chosen library text file
    kCalibrationPathSlot = 11,     // calibrationPath
    kSurrogatePathSlot = 12,       // surrogatePath
    kMdlPathSlot = 13,             // mdlPath
};

// Element constructors: the construction values above.
LibraryCompound LibraryCompound_init();
SurrogateRecord SurrogateRecord_init();
SurrogatePoint SurrogatePoint_init();
GroupFit GroupFit_init();
SampleRawData SampleRawData_init();
ReportingLimit ReportingLimit_init();
PrintCell PrintCell_init();
PathSettings PathSettings_init();

// Reset values.
void reset_library_compound(LibraryCompound& compound);
void reset_surrogate_record(SurrogateRecord& record);

// Copies a point; the RV working values of the target are left as they were.
void copy_surrogate_point(SurrogatePoint& target, const SurrogatePoint& source);
