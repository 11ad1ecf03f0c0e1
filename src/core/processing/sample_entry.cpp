#include "processing/sample_entry.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "methoddata/reporting_limit_file.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/tables.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "platform/paths.h"
#include "platform/read_errors.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"
#include "samples/lmt_editor.h"
#include "samples/process_files_data.h"
#include "samples/reporting_limits_reader.h"

const std::string limits_file_filter = "Reporting limits data file (*.LMT)|*.LMT";

namespace {

const std::string kFourBlanks = "    ";
const char* const kBrowseLmtCaption = "Browse for *.LMT file";
const char* const kEntryNotStored = "The entry was not stored.";
const char* const kMismatchCaption = "Error - There is a compound name mismatch at line number ";

bool is_missing_id(const std::string& id, const char* failure_text) {
    return id.empty() || id == failure_text;
}

// The part of a path after its last "\" or "/".
std::string after_last_separator(const std::string& path) { return file_name_of(path); }

// The name of a lab file id without folder, up to its last "." (empty without one).
std::string lab_file_base_name(const std::string& lab_file_id) {
    const std::string name = after_last_separator(lab_file_id);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

// Size box check: digits and at most one full stop.
bool size_characters_valid(const std::string& text) {
    if (std::count(text.begin(), text.end(), '.') >= 2) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

void blank_if_empty(std::string& box) {
    if (box.empty()) box = kFourBlanks;
}

EntryOutcome stop(const std::string& text, const std::string& caption, EntryFocus focus = EntryFocus::None) {
    show_message(text, caption);
    return {false, focus};
}

bool forms_layout() { return main_flags.TrqFormsFormat == 1; }

// The loaded internal-standard file against the one the limits file was made for.
bool surrogate_files_agree_or_accepted() {
    const std::string loaded = to_upper(method_data.surrogate_file_path);
    std::string& named_text = reporting_limit_files.lmt_header.internal_standard_file;
    if (size_t lf = named_text.rfind('\n'); lf != std::string::npos) named_text.erase(lf);
    const std::string named = to_upper(named_text);
    if (loaded == named) return true;
    return ui().message("The loaded surrogate file name:\n<" + loaded + ">\nand the surrogate file name\n<" +
                            named + ">\nlisted in the *.LMT file do not match.\nProceed anyway?",
                        "Warning", Buttons::YesNo, Icon::Warning) == Answer::Yes;
}

}  // namespace

EntryLayout entry_layout(EntryMode mode) {
    EntryLayout l;
    switch (mode) {
        case EntryMode::Unset:
            l.browse_visible = true;
            break;
        case EntryMode::ReportingLimit:
            l.sigma_visible = l.limits_file_visible = l.browse_visible = true;
            break;
        case EntryMode::Crql:
            l.crql_visible = l.limits_file_visible = l.browse_visible = true;
            break;
        case EntryMode::None:
            break;
    }
    return l;
}

std::string agency_id_label() { return forms_layout() ? "AQR Sample ID" : "    Sample ID"; }

void select_entry_mode(SampleEntryBoxes& boxes, EntryMode mode) {
    SampleInputCarry& carry = process_files_data.sample_input_carry;
    boxes.mode = mode;
    switch (mode) {
        case EntryMode::ReportingLimit:
            main_flags.TrqFormsFormat = 0;
            boxes.limits_file = carry.last_lmt_file;
            boxes.browse_caption = kBrowseLmtCaption;
            carry.last_mode_lmt = 1;
            carry.last_mode_crql = 0;
            break;
        case EntryMode::Crql:
            boxes.limits_file = carry.last_crql_file;
            boxes.browse_caption = kBrowseLmtCaption;
            carry.last_mode_crql = 1;
            carry.last_mode_lmt = 0;
            break;
        case EntryMode::None:
            main_flags.TrqFormsFormat = 0;
            break;
        case EntryMode::Unset:
            break;
    }
}

SampleEntryBoxes start_sample_entry(ProcessFilesData& data, int slot) {
    if (slot < 0 || slot >= kSampleSlots) throw std::out_of_range("sample slot");
    if (slot == 0) {
        data.sample_input_carry = SampleInputCarry{};
        data.smooth_first_pass = 0;
        return SampleEntryBoxes{};
    }
    const ListedSample& before = data.samples[slot - 1];
    data.sample_input_carry = before.entry_carryover.carry;
    data.smooth_first_pass = before.settings.smooth_first_pass;
    return before.entry_carryover.boxes;
}

void open_sample_entry(SampleEntryBoxes& boxes, ProcessFilesData& data, int slot) {
    if (slot < 0 || slot >= kSampleSlots) throw std::out_of_range("sample slot");
    SampleInputCarry& carry = data.sample_input_carry;
    if (forms_layout()) {
        boxes.mode = EntryMode::Crql;
        boxes.browse_caption = "Browse for CRQL file";
        boxes.limits_file = carry.last_crql_file;
        carry.last_mode_crql = 1;
        carry.last_mode_lmt = 0;
        carry.entry_made = 1;
    }
    if (carry.entry_made == 0) boxes.include_calibration_error = true;
    boxes.units_index = 0;
    boxes.sigma_index = 0;

    const SampleIds& ids = data.samples[slot].ids;
    const std::string& time = ids.injection_time;
    boxes.analysed_date = (!time.empty() && time != kDummyName) ? analysed_date_text(time)
                                                                : format_date_time(clock_source().now());
    const std::string& lab_file = ids.lab_file_id;
    boxes.lab_file_id = is_missing_id(lab_file, "failGetLabFileId") ? std::string() : after_last_separator(lab_file);
    const std::string& client = ids.client_sample_id;
    boxes.lab_sample_id = is_missing_id(client, "failGetclientSampleId") ? std::string() : client;
    const std::string& instrument = ids.instrument_id;
    boxes.instrument_id = is_missing_id(instrument, "failGetinstrumentId") ? std::string() : instrument;
    data.samples[slot].settings.instrument_id = boxes.instrument_id;

    // The processing window's pre-fill: what the last entry carried over.
    boxes.sample_file = to_upper(data.samples[slot].settings.data_file_path);
    boxes.size = carry.last_size != 0.0 ? sample_size_text(carry.last_size) : std::string();
    const EntryMode mode = carry.last_mode_lmt == 1    ? EntryMode::ReportingLimit
                           : carry.last_mode_crql == 1 ? EntryMode::Crql
                                                       : EntryMode::None;
    if (mode != boxes.mode) select_entry_mode(boxes, mode);
    boxes.limits_file = mode == EntryMode::ReportingLimit ? carry.last_lmt_file
                        : mode == EntryMode::Crql         ? carry.last_crql_file
                                                          : std::string();
    boxes.other_comment = carry.last_other_comment;
    if (!carry.last_units.empty()) boxes.units_index = std::max(0, reporting_unit_index(carry.last_units));
    if (carry.last_sigma_count != 0) boxes.sigma_index = carry.last_sigma_count;
    boxes.comment.clear();
    if (client.empty() || client == "1") boxes.lab_sample_id = lab_file_base_name(lab_file);
    // The agency sample id is the analyst's alone: a new entry starts without one.
    boxes.agency_sample_id.clear();
}

EntryOutcome enter_sample_entry(SampleEntryBoxes& boxes, ProcessFilesData& data) {
    const int i = data.sample_info_index;
    if (i < 0 || i >= kSampleSlots) throw std::out_of_range("sample entry slot");
    SampleSettings& entry = data.samples[i].settings;
    SampleInputCarry& carry = data.sample_input_carry;
    const EntryMode mode = boxes.mode;
    const bool reporting_limit = mode == EntryMode::ReportingLimit;

    // The numbers are read whole and checked before anything is stored: a refused entry
    // leaves the sample and the values carried to the next entry as they were.
    if (!size_characters_valid(boxes.size)) return stop("Please enter a valid sample size", "Invalid sample size");
    if (boxes.size.empty()) return stop("Please enter a sample size.", "Sample Size Required", EntryFocus::Size);
    const NumberField size = read_number(boxes.size);
    if (!size.ok)
        return stop(refused_box_message("Sample Size", size.why, kEntryNotStored), "Invalid sample size",
                    EntryFocus::Size);
    // Every concentration of the sample is divided by its size, held in single precision.
    if (!(size.value > 0.0))
        return stop("Please enter a valid sample size.", "Sample Size Required", EntryFocus::Size);
    if (!(static_cast<float>(size.value) > 0.0f) || !std::isfinite(static_cast<float>(size.value)))
        return stop(refused_box_message("Sample Size", "'" + boxes.size + "' is out of the range of sample sizes",
                                        kEntryNotStored),
                    "Invalid sample size", EntryFocus::Size);
    NumberField crql{true, 0.0, {}};
    if (mode == EntryMode::Crql) {
        crql = read_number(boxes.crql_percent);
        if (!crql.ok) return stop(refused_box_message("CRQL %", crql.why, kEntryNotStored), "Invalid CRQL %");
        // The U/J rule and the reports take the percentage in single precision: beyond the
        // range of a float it would be tested and printed as "inf".
        if (!std::isfinite(static_cast<float>(crql.value)))
            return stop(refused_box_message("CRQL %",
                                            "'" + trim(boxes.crql_percent) + "' is out of the range of CRQL percentages",
                                            kEntryNotStored),
                        "Invalid CRQL %");
    }

    entry.size = size.value;
    const int unit = std::clamp(boxes.units_index, 0, kReportingUnitCount - 1);
    entry.units = carry.last_units = reporting_units[unit];
    carry.last_size = entry.size;

    if (reporting_limit) {
        if (forms_layout()) return stop("When TRQ Format is Selected", "CRQL File Required");
        carry.last_mode_lmt = 1;
    } else {
        carry.last_mode_lmt = 0;
    }
    if (mode == EntryMode::Crql) {
        carry.last_mode_crql = 1;
    } else if (mode == EntryMode::None) {
        carry.last_mode_crql = 0;
    }

    // Outside Reporting Limit mode the entry keeps the box's index, and the standard
    // deviations count as 0 (the next entry starts from that).
    entry.sigma_count = boxes.sigma_index;
    carry.last_sigma_count = reporting_limit ? entry.sigma_count : 0;

    blank_if_empty(boxes.matrix);
    entry.matrix = boxes.matrix;
    if (reporting_limit && boxes.limits_file.empty())
        return stop("Please Choose a MDL*.LMT file", "Reporting Limit File Required", EntryFocus::LimitsFile);
    if (mode == EntryMode::Crql && boxes.limits_file.empty())
        return stop("Please Choose a CRQL file", "CRQL File Required", EntryFocus::LimitsFile);
    if (forms_layout() && boxes.limits_file.empty()) return stop("When TRQ Format is Selected", "CRQL File Required");

    if (reporting_limit) {
        entry.limits_mode = kReportingLimitMode;
    } else if (mode == EntryMode::Crql) {
        entry.limits_file_path = boxes.limits_file;
        entry.limits_mode = kCrqlMode;
        entry.crql_percent = crql.value;
    } else {
        entry.limits_mode = kNoLimits;
    }
    carry.last_other_comment = boxes.other_comment;

    blank_if_empty(boxes.comment);
    blank_if_empty(boxes.lab_sample_id);
    blank_if_empty(boxes.agency_sample_id);
    entry.comment = boxes.comment;
    entry.lab_sample_id = boxes.lab_sample_id;
    entry.agency_sample_id = boxes.agency_sample_id;
    entry.analysed_date = boxes.analysed_date;
    entry.lab_file_id = boxes.lab_file_id;
    entry.limits_file_path = boxes.limits_file;

    // A file left in the box is read whatever the mode: None too.
    if (!boxes.limits_file.empty()) {
        const int r = read_reporting_limits_file(boxes.limits_file, i);
        if (r == 0) return {};
        if (r > 1) {
            show_message("Quantilyezr: 10004", kMismatchCaption + std::to_string(r) + " of the *.LMT file");
            boxes.limits_file.clear();
            boxes.size.clear();
            return {};
        }
    }
    if (reporting_limit && !surrogate_files_agree_or_accepted()) return {};

    entry.smooth_first_pass = data.smooth_first_pass == 1 ? 1 : 0;
    entry.include_calibration_error = boxes.include_calibration_error ? 1 : 0;
    // The next entry of the mode starts from the file this entry used: the file browsed
    // last may belong to the other mode, or have been refused.
    if (reporting_limit) carry.last_lmt_file = boxes.limits_file;
    if (mode == EntryMode::Crql) carry.last_crql_file = boxes.limits_file;
    ++data.sample_info_index;
    carry.entry_made = 1;
    data.samples[i].entry_carryover = {carry, boxes};
    return {true, EntryFocus::None};
}

void browse_limits_file(SampleEntryBoxes& boxes) {
    FileDialogRequest request;
    request.title = "Open";
    request.start_folder = folder_settings.slot[kMdlPathSlot];
    request.filter = limits_file_filter;
    const std::optional<std::string> chosen = ui().open_file(request);
    if (!chosen) return;
    const int r = read_reporting_limits_file(*chosen, process_files_data.sample_info_index);
    if (r == 0) return;  // a file the reader refuses was not taken: nothing remembers it
    process_files_data.sample_input_carry.browsed_limits_file = *chosen;
    remember_lmt_folder(*chosen);  // the editor's Open and this Browse share one folder
    if (r > 1) {
        show_message("Quantilyezr: 10004", kMismatchCaption + std::to_string(r) + " of the MDL file");
        for (std::string* box : {&boxes.limits_file, &boxes.size, &boxes.matrix, &boxes.other_comment, &boxes.comment})
            box->clear();
        select_entry_mode(boxes, EntryMode::None);
        return;
    }
    boxes.limits_file = *chosen;
    const LmtHeader& header = reporting_limit_files.lmt_header;
    const int unit = reporting_unit_index(header.unit);
    if (unit < 0) {
        show_message("Quantilyzer: 10001", "Error");
        return;
    }
    boxes.units_index = unit;
    // A file without a size gives none: its marker is no size to divide by.
    boxes.size = is_not_set(header.size) ? std::string() : sample_size_text(header.size);
    boxes.matrix = header.matrix;
    boxes.other_comment = header.comment;
}

std::string choose_lab_file_id(const std::string& current) {
    FileDialogRequest request;
    request.title = "Open";
    request.must_exist = false;
    const std::optional<std::string> chosen = ui().open_file(request);
    // A cancelled dialog keeps what the box held: a click into the box must not lose it.
    return chosen ? file_name_of(*chosen) : current;
}

void toggle_smooth_first_pass() {
    u8& on = process_files_data.smooth_first_pass;
    on = on == 1 ? 0 : 1;
}

std::string smooth_first_pass_caption() {
    return process_files_data.smooth_first_pass == 1 ? "Smooth First Pass On"
                                                     : "Smooth First Pass Off";
}
