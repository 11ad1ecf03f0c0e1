#pragma once
// Data of the processing window that the core reads and writes. The window holds this
// struct; the recovery models and the quantitation run without the window.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "methoddata/records.h"
#include "methoddata/reporting_limit_file.h"
#include "samples/sample_entry_boxes.h"
#include "samples/sample_results.h"
#include "samples/sample_settings.h"

// The defaults of the no-calibration limits; every run starts with them.
constexpr float kDefaultMinMeanResponse = 0.001f;
constexpr float kDefaultMaxResponseDeviation = 0.9f;

// What Process takes of a listed sample's results file, kept from Add File so that the
// file is not read again: its compounds as the sample reader takes them, a few kilobytes
// where the parsed file takes many times its bytes. A file the sample reader would refuse
// is kept as its bytes instead, so that Process refuses it as it refuses a file on disk.
struct KeptSampleResults {
    std::string path;                           // the results file
    std::optional<ResultsCompounds> compounds;  // read at Add File
    std::string text;                           // the file as written, only without compounds

    bool operator==(const KeptSampleResults&) const = default;
};

// What a completed Sample Information entry leaves for the next one: the carried values and
// the window's boxes as Enter left them. The next sample's entry starts from the one of the
// sample listed before it, so that nothing of a sample deleted from the list reaches another.
struct EntryCarryover {
    SampleInputCarry carry;
    SampleEntryBoxes boxes;

    bool operator==(const EntryCarryover&) const = default;
};

// One sample of the processing list: its Sample Information entry (with the paths of its
// data file and of its results file), the identifiers its results file gives, what Process
// takes of that file, its reporting limits and the results of its last run. A sample never
// listed is the default value; deleting a sample moves the records after it down whole.
struct ListedSample {
    SampleSettings settings;
    SampleIds ids;
    // What Process takes of the results file as Add File wrote it, rather than reading the
    // file again.
    KeptSampleResults kept_results;
    EntryCarryover entry_carryover;  // from its Enter
    // One entry per library row: "DUMMY" and no limit until its entry reads a limits file.
    ReportingLimitSlot reporting_limits;

    // Results of the last run. Analyte rows past the current analyte count are not to be
    // read; the internal-standard and model-table rows are only those the run filled.
    AnalyteResultRows analyte_results;
    ModelFitSlots model_fits;
    SurrogateResultRows surrogate_results;
    ModelTableCells model_table_texts;
    // A BP model row showed the largest first-pass rvw in place of its own. The run builds
    // every sample's rows before it prints any report, so each sample keeps its own marker
    // for the footnote of its own model page.
    u8 default_rv_marker = 0;

    bool operator==(const ListedSample&) const = default;
};

struct ProcessFilesData {
    std::array<SampleRawData, kDataSets> sample_raw_data;  // slot = sample index
    // The processing list, slot = sample index. Samples past the current sample count are
    // not to be read.
    std::array<ListedSample, kSampleSlots> samples;
    int sample_count = 0;             // the samples listed: records 0 .. sample_count - 1
    int sample_info_index = 0;        // the record the Sample Information entry fills
    std::string current_sample_name;  // data file of the sample whose models are running

    // The Sample Information entry being made: the values carried from the entry before it
    // and the window's smooth-first-pass switch, which Enter stores in the sample's entry.
    SampleInputCarry sample_input_carry;
    u8 smooth_first_pass = 0;

    // Of the last run.
    std::int32_t last_analyte_index = 0;      // analyte count - 1 after a run
    std::int32_t internal_standard_count = 0;  // library rows flagged as internal standard
    std::array<u8, kSurrogateCategories> category_present{};  // categories met in sample 0

    // The no-calibration limits (set in the calib_limits window): a compound whose mean
    // response factor is below the first, or whose response factors scatter more than the
    // second, is reported without calibration.
    float min_mean_response = kDefaultMinMeanResponse;
    float max_response_deviation = kDefaultMaxResponseDeviation;

    bool operator==(const ProcessFilesData&) const = default;
};
extern ProcessFilesData& process_files_data;  // part of the one ProgramState

// Every table back to its start values (tests).
void construct_process_files_data();
