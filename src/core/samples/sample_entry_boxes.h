#pragma once
// The boxes of the Sample Information window as the entry functions read and write them.
#include <string>

// The items of the "Limits" radio group, in order; Unset before the first choice.
enum class EntryMode { Unset = -1, ReportingLimit = 0, Crql = 1, None = 2 };

struct SampleEntryBoxes {
    std::string sample_file;    // Edit_sampfile
    std::string analysed_date;  // EditAnalyzedDate
    std::string agency_sample_id;  // EditAQRId
    std::string lab_sample_id;     // EditSampleId
    std::string instrument_id;     // EditInstrumentId
    std::string lab_file_id;       // EditLabFileid
    EntryMode mode = EntryMode::Unset;  // RadioGroup_mdl
    int sigma_index = 0;                // ComboBox_sigma
    std::string crql_percent = "0";     // Edit_CRQL_Factor
    bool include_calibration_error = true;  // RadioGroupIncludeError
    std::string limits_file;   // Edit_mdlfile
    int units_index = 0;       // file_process_units_box
    std::string size;          // Edit_size
    std::string matrix;        // Edit_matrix
    std::string other_comment;  // Edit_other_comm
    std::string comment;        // Edit_comm1
    std::string browse_caption = "Browse for Reporting Limits File";  // Button_mdl_Browse

    bool operator==(const SampleEntryBoxes&) const = default;
};
