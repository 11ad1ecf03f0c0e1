#include "processing/sample_entry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "../surrogate_fixtures.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/reporting_limit_file.h"
#include "samples/reporting_limits_reader.h"
#include "methoddata/program_paths.h"
#include "methoddata/reporting_limit_files.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/text_util.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

// Sample slot 0 being entered, a small library and a reporting-limit file for it.
class SampleEntry : public ::testing::Test {
protected:
    void SetUp() override {
        construct_method_data();
        construct_process_files_data();
        program_paths.install_path = folder.path();
        add_library_row("Benzene", false);
        add_library_row("Toluene-d8", true);
        add_library_row("Toluene", false);
        method_data.surrogate_file_path = "/data/demo_is.ini";
        process_files_data.sample_count = 1;
        process_files_data.sample_info_index = 0;
        boxes.size = "25";
        boxes.mode = EntryMode::None;
    }
    std::string lmt_file(const std::string& is_file, const std::string& unit = "ng/l",
                         const std::string& rows = "\nBenzene;1.50\nToluene;0.50",
                         const std::string& name = "limits.lmt") {
        return folder.write(name, "Creation Date;09/22/2025 09:05\nCompound Library File:/LIB.TXT\n"
                                          "Internal Standard File;" + is_file + "\n10.00;WATER;" + unit +
                                          "\nOther;lot 7" + rows);
    }
    void choose_reporting_limit_file(const std::string& path) {
        select_entry_mode(boxes, EntryMode::ReportingLimit);
        ui.open_returns(path);
        browse_limits_file(boxes);
    }
    const SampleSettings& entry() const { return data.samples[0].settings; }

    ProcessFilesData& data = process_files_data;
    SampleEntryBoxes boxes;
    ScriptedUi ui;
    TempFolder folder;
};

TEST_F(SampleEntry, SizeTextsAreCheckedBeforeAnythingIsStored) {
    struct Case {
        const char* size;
        const char* message;  // nullptr: accepted
        const char* caption;
        EntryFocus focus;
    };
    const Case cases[] = {
        {"12", nullptr, nullptr, EntryFocus::None},
        {"12.5", nullptr, nullptr, EntryFocus::None},
        {".5", nullptr, nullptr, EntryFocus::None},
        {"1.2.3", "Please enter a valid sample size", "Invalid sample size", EntryFocus::None},
        {"-5", "Please enter a valid sample size", "Invalid sample size", EntryFocus::None},
        {"1,5", "Please enter a valid sample size", "Invalid sample size", EntryFocus::None},
        {"1 5", "Please enter a valid sample size", "Invalid sample size", EntryFocus::None},
        {"", "Please enter a sample size.", "Sample Size Required", EntryFocus::Size},
        {"0", "Please enter a valid sample size.", "Sample Size Required", EntryFocus::Size},
        {"0.0", "Please enter a valid sample size.", "Sample Size Required", EntryFocus::Size},
        // A lone full stop passes the character test and is no number.
        {".", "The box \"Sample Size\" was refused: '.' is not a number.", "Invalid sample size", EntryFocus::Size},
        // Sizes single precision cannot hold would divide every concentration by 0 or infinity.
        {"0.00000000000000000000000000000000000000000000000001", "is out of the range of sample sizes",
         "Invalid sample size", EntryFocus::Size},
        {"1000000000000000000000000000000000000000", "is out of the range of sample sizes", "Invalid sample size",
         EntryFocus::Size},
        {"100000000000000000000", nullptr, nullptr, EntryFocus::None},
    };
    for (const Case& c : cases) {
        process_files_data.sample_info_index = 0;
        boxes.size = c.size;
        boxes.units_index = 2;
        const SampleInputCarry carried = process_files_data.sample_input_carry;
        const SampleSettings before = entry();
        if (c.message) ui.expect_message(c.message);
        const EntryOutcome out = enter_sample_entry(boxes, data);
        EXPECT_EQ(out.stored, c.message == nullptr) << c.size;
        EXPECT_EQ(out.focus, c.focus) << c.size;
        if (c.message) {
            EXPECT_EQ(ui.last_message().caption, c.caption) << c.size;
            EXPECT_EQ(process_files_data.sample_info_index, 0) << c.size;
            // Nothing is stored or carried to the next entry.
            EXPECT_EQ(entry().size, before.size) << c.size;
            EXPECT_EQ(entry().units, before.units) << c.size;
            EXPECT_EQ(process_files_data.sample_input_carry.last_size, carried.last_size) << c.size;
            EXPECT_EQ(process_files_data.sample_input_carry.last_units, carried.last_units)
                << c.size;
        }
    }
}

// A size the box took comes back into the next sample's box as a text the box takes again.
TEST_F(SampleEntry, TheCarriedSizeIsATextTheSizeBoxTakesAgain) {
    for (const char* typed : {"100000000000000000000", "0.0000001", "12.5", "0.1", "250"}) {
        process_files_data.sample_info_index = 0;
        boxes.size = typed;
        ASSERT_TRUE(enter_sample_entry(boxes, data).stored) << typed;
        SampleEntryBoxes next;
        open_sample_entry(next, data, 0);
        EXPECT_EQ(next.size, typed);
        process_files_data.sample_info_index = 0;
        next.mode = EntryMode::None;
        EXPECT_TRUE(enter_sample_entry(next, data).stored) << typed;
        EXPECT_EQ(entry().size, std::stod(typed));
    }
}

TEST_F(SampleEntry, EnterStoresTheEntryWithFourBlanksForEmptyTexts) {
    boxes.size = "12.5";
    boxes.units_index = 3;
    boxes.sigma_index = 2;  // counts only in Reporting Limit mode
    boxes.analysed_date = "09/22/2025 09:05";
    boxes.lab_file_id = "S2101";
    boxes.include_calibration_error = false;
    boxes.other_comment = "lot 7";
    process_files_data.smooth_first_pass = 1;
    const EntryOutcome out = enter_sample_entry(boxes, data);

    ASSERT_TRUE(out.stored);
    EXPECT_EQ(process_files_data.sample_info_index, 1);
    EXPECT_EQ(entry().size, 12.5);
    EXPECT_EQ(entry().units, "ng/g");
    EXPECT_EQ(entry().limits_mode, kNoLimits);
    EXPECT_EQ(entry().sigma_count, 2);
    EXPECT_EQ(reporting_limit_sigmas(entry()), 0);
    for (const std::string* text : std::initializer_list<const std::string*>{
             &entry().matrix, &entry().comment, &entry().lab_sample_id, &entry().agency_sample_id,
             &boxes.matrix})
        EXPECT_EQ(*text, "    ");
    EXPECT_EQ(entry().analysed_date, "09/22/2025 09:05");
    EXPECT_EQ(entry().lab_file_id, "S2101");
    EXPECT_EQ(entry().include_calibration_error, 0);
    EXPECT_EQ(entry().smooth_first_pass, 1);
    const SampleInputCarry& carry = process_files_data.sample_input_carry;
    EXPECT_EQ(carry.last_size, 12.5);
    EXPECT_EQ(carry.last_units, "ng/g");
    EXPECT_EQ(carry.last_other_comment, "lot 7");
    EXPECT_EQ(carry.last_mode_lmt + carry.last_mode_crql, 0);
    EXPECT_EQ(carry.entry_made, 1);
}

TEST_F(SampleEntry, ReportingLimitModeReadsTheFileAndKeepsTheSigmas) {
    choose_reporting_limit_file(lmt_file("/DATA/DEMO_IS.INI"));
    boxes.sigma_index = 2;
    ASSERT_TRUE(enter_sample_entry(boxes, data).stored);

    EXPECT_EQ(entry().limits_mode, kReportingLimitMode);
    EXPECT_EQ(reporting_limit_sigmas(entry()), 2);
    EXPECT_EQ(process_files_data.sample_input_carry.last_sigma_count, 2);
    EXPECT_EQ(entry().limits_file_path, boxes.limits_file);
    EXPECT_EQ(process_files_data.sample_input_carry.last_lmt_file, boxes.limits_file);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 1.5);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[2].limit, 0.5);
}

TEST_F(SampleEntry, AnotherInternalStandardFileAsksBeforeTheEntryIsTaken) {
    choose_reporting_limit_file(lmt_file("/DATA/OTHER_IS.INI"));
    ui.answer(Answer::No);
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(ui.last_message().text,
              "The loaded surrogate file name:\n</DATA/DEMO_IS.INI>\nand the surrogate file name\n"
              "</DATA/OTHER_IS.INI>\nlisted in the *.LMT file do not match.\nProceed anyway?");
    EXPECT_EQ(ui.last_message().caption, "Warning");
    EXPECT_EQ(process_files_data.sample_info_index, 0);

    ui.answer(Answer::Yes);
    EXPECT_TRUE(enter_sample_entry(boxes, data).stored);
}

TEST_F(SampleEntry, RefusalsOfTheLimitsMode) {
    select_entry_mode(boxes, EntryMode::ReportingLimit);
    ui.expect_message("Please Choose a MDL*.LMT file");
    EXPECT_EQ(enter_sample_entry(boxes, data).focus, EntryFocus::LimitsFile);
    EXPECT_EQ(ui.last_message().caption, "Reporting Limit File Required");

    select_entry_mode(boxes, EntryMode::Crql);
    ui.expect_message("Please Choose a CRQL file");
    EXPECT_EQ(enter_sample_entry(boxes, data).focus, EntryFocus::LimitsFile);
    EXPECT_EQ(ui.last_message().caption, "CRQL File Required");

    // The forms layout wants a CRQL file: Reporting Limit mode is refused outright.
    boxes.mode = EntryMode::ReportingLimit;
    main_flags.TrqFormsFormat = 1;
    ui.expect_message("When TRQ Format is Selected");
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);
    boxes.mode = EntryMode::None;
    ui.expect_message("When TRQ Format is Selected");
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(process_files_data.sample_info_index, 0);
}

TEST_F(SampleEntry, CrqlModeStoresThePercentage) {
    select_entry_mode(boxes, EntryMode::Crql);
    boxes.limits_file = lmt_file("/DATA/OTHER_IS.INI");  // no question outside Reporting Limit mode
    boxes.crql_percent = "40";
    boxes.sigma_index = 3;
    ASSERT_TRUE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(entry().limits_mode, kCrqlMode);
    EXPECT_EQ(entry().crql_percent, 40.0);
    EXPECT_EQ(reporting_limit_sigmas(entry()), 0);
    EXPECT_EQ(entry().sigma_count, 3);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 1.5);

    // A percentage is read whole; a refused one stores nothing.
    for (const auto& [typed, why] : {std::pair{"40%", "'40%' is not a number"}, {"4,5", "'4,5' is not a number"},
                                     {"", "it is empty"}}) {
        process_files_data.sample_info_index = 0;
        boxes.crql_percent = typed;
        boxes.size = "30";
        ui.expect_message(std::string("The box \"CRQL %\" was refused: ") + why);
        EXPECT_FALSE(enter_sample_entry(boxes, data).stored) << typed;
        EXPECT_EQ(entry().crql_percent, 40.0);
        EXPECT_EQ(entry().size, 25.0);
    }

    // The sample's U/J rule and its reports take the percentage in single precision: a
    // percentage a float cannot hold would be tested and printed as "inf".
    process_files_data.sample_info_index = 0;
    boxes.crql_percent = "1e39";
    ui.expect_message("The box \"CRQL %\" was refused: '1e39' is out of the range of CRQL percentages");
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(entry().crql_percent, 40.0);
}

// A CRQL file that lists nothing, or a compound twice, is refused: the entry stays open
// and the sample keeps the limits it had.
TEST_F(SampleEntry, CrqlModeRefusesAnEmptyFileOrARepeatedCompound) {
    select_entry_mode(boxes, EntryMode::Crql);
    boxes.crql_percent = "40";
    process_files_data.samples[0].reporting_limits[0] = {"Benzene", 3.0, 0};
    const std::string empty = folder.write("empty.lmt", "");
    const std::string twice = lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nBenzene;1\nBenzene;9", "twice.lmt");
    for (const std::string& path : {empty, twice}) {
        boxes.limits_file = path;
        ui.expect_message(path);
        EXPECT_FALSE(enter_sample_entry(boxes, data).stored) << path;
        EXPECT_EQ(process_files_data.sample_info_index, 0);
        EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 3.0) << path;
    }
    EXPECT_NE(ui.last_message().text.find("\"Benzene\" is named twice"), std::string::npos);
}

TEST_F(SampleEntry, AFileLeftInTheBoxIsReadInNoneModeToo) {
    boxes.limits_file = folder.file("gone.lmt");
    ui.expect_message("Quantilyzer: 10002");
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);

    // A name the library lacks: its line number, and the file and size boxes are cleared.
    boxes.limits_file = lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nBenzene;1\nXylene;2");
    ui.expect_message("Quantilyezr: 10004");
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(ui.last_message().caption,
              "Error - There is a compound name mismatch at line number 7 of the *.LMT file");
    EXPECT_EQ(boxes.limits_file, "");
    EXPECT_EQ(boxes.size, "");
}

// The samples of a run share one reporting-limit file: it is read at every Enter. Here it
// is written again before each Enter with its size and time kept, so that only a reading
// can tell the new limit; and a change saved by the reporting-limit editor reaches the next
// sample entered.
TEST_F(SampleEntry, TheSamplesOfARunReadTheirSharedFileAtEachEnter) {
    const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::string path;
    select_entry_mode(boxes, EntryMode::ReportingLimit);
    for (int i = 0; i < 24; ++i) {
        const std::string hundredths = (i < 10 ? "0" : "") + std::to_string(i);  // 1.00 .. 1.23
        path = lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nBenzene;1." + hundredths + "\nToluene;0.50");
        std::filesystem::last_write_time(path, an_hour_ago);
        boxes.size = "25";
        boxes.limits_file = path;
        ASSERT_TRUE(enter_sample_entry(boxes, data).stored) << i;
        EXPECT_DOUBLE_EQ(process_files_data.samples[i].reporting_limits[0].limit, 1.0 + i / 100.0) << i;
        EXPECT_EQ(process_files_data.samples[i].reporting_limits[2].limit, 0.5) << i;
    }

    ReportingLimitSlot slot = process_files_data.samples[0].reporting_limits;
    slot[0].limit = 4.0;
    ASSERT_TRUE(write_lmt_file(path, reporting_limit_files.lmt_header, "/LIB.TXT", slot));
    boxes.limits_file = path;
    ASSERT_TRUE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(process_files_data.samples[24].reporting_limits[0].limit, 4.0);
    EXPECT_EQ(process_files_data.samples[24].reporting_limits[2].limit, 0.5);
}

// A limit read by its leading digits would judge every result of the compound against
// another limit: the entry is not taken, and the sample keeps no limit from the file.
TEST_F(SampleEntry, ALimitThatIsNotWhollyANumberRefusesTheEntry) {
    select_entry_mode(boxes, EntryMode::ReportingLimit);
    boxes.size = "25";
    boxes.limits_file = lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nBenzene;50,5\nToluene;0.50");
    process_files_data.samples[0].reporting_limits[0] = {"Benzene", 3.0, 0};
    ui.expect_message("line 6: field 2 (the limit of Benzene) '50,5' is not a number");
    EXPECT_FALSE(enter_sample_entry(boxes, data).stored);
    EXPECT_EQ(process_files_data.sample_info_index, 0);
    EXPECT_EQ(process_files_data.samples[0].reporting_limits[0].limit, 3.0);
}

TEST_F(SampleEntry, BrowseFillsTheBoxesFromTheHeaderAndRemembersTheFolder) {
    const std::string path = lmt_file("/DATA/DEMO_IS.INI", "\u00b5g/l");
    choose_reporting_limit_file(path);

    EXPECT_EQ(ui.open_requests.back().filter, "Reporting limits data file (*.LMT)|*.LMT");
    EXPECT_EQ(boxes.limits_file, path);
    EXPECT_EQ(boxes.units_index, 5);
    EXPECT_EQ(boxes.size, "10");
    EXPECT_EQ(boxes.matrix, "WATER");
    EXPECT_EQ(boxes.other_comment, "lot 7");
    EXPECT_EQ(process_files_data.sample_input_carry.browsed_limits_file, path);
    IniFile settings;
    settings.load(settings_file_path());
    EXPECT_EQ(settings.get_string("File", "mdlPath", ""), to_upper(folder.path()));
}

TEST_F(SampleEntry, BrowseRefusals) {
    boxes.matrix = "SOIL";
    ui.expect_message("Quantilyzer: 10001");
    choose_reporting_limit_file(lmt_file("/DATA/DEMO_IS.INI", "mg/l"));
    EXPECT_EQ(boxes.limits_file, folder.file("limits.lmt"));
    EXPECT_EQ(boxes.size, "25");
    EXPECT_EQ(boxes.matrix, "SOIL");

    boxes.comment = "c";
    ui.expect_message("Quantilyezr: 10004");
    choose_reporting_limit_file(lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nbenzene;1"));
    EXPECT_EQ(ui.last_message().caption,
              "Error - There is a compound name mismatch at line number 6 of the MDL file");
    for (const std::string* box : {&boxes.limits_file, &boxes.size, &boxes.matrix, &boxes.comment})
        EXPECT_EQ(*box, "");
    EXPECT_EQ(boxes.mode, EntryMode::None);
}

TEST_F(SampleEntry, OpeningTakesTheSamplesIdentifiersAndTheCarriedValues) {
    data.samples[1].settings.data_file_path = "/data/runs/Sample2.txt";
    process_files_data.samples[1].ids.injection_time = "09/22/2025 10:15";
    process_files_data.samples[1].ids.lab_file_id = "C:\\runs\\S2102.D";
    process_files_data.samples[1].ids.client_sample_id = "1";
    process_files_data.samples[1].ids.instrument_id = "GC/MS-2";
    SampleInputCarry& carry = process_files_data.sample_input_carry;
    carry.entry_made = 1;
    carry.last_size = 12.5;
    carry.last_mode_lmt = 1;
    carry.last_lmt_file = "/mdl/water.lmt";
    carry.last_units = "ng/kg";
    carry.last_sigma_count = 2;
    carry.last_other_comment = "lot 7";
    boxes.comment = "old";
    boxes.matrix = "WATER";
    boxes.agency_sample_id = "A1";
    open_sample_entry(boxes, data, 1);

    EXPECT_EQ(boxes.sample_file, "/DATA/RUNS/SAMPLE2.TXT");
    EXPECT_EQ(boxes.analysed_date, "09/22/2025 10:15");
    EXPECT_EQ(boxes.lab_file_id, "S2102.D");
    EXPECT_EQ(boxes.lab_sample_id, "S2102");  // a client id of "1" stands for none
    EXPECT_EQ(boxes.instrument_id, "GC/MS-2");
    EXPECT_EQ(data.samples[1].settings.instrument_id, "GC/MS-2");
    EXPECT_EQ(boxes.size, "12.5");
    EXPECT_EQ(boxes.mode, EntryMode::ReportingLimit);
    EXPECT_EQ(boxes.limits_file, "/mdl/water.lmt");
    EXPECT_EQ(boxes.units_index, 4);
    EXPECT_EQ(boxes.sigma_index, 2);
    EXPECT_EQ(boxes.other_comment, "lot 7");
    EXPECT_EQ(boxes.comment, "");
    EXPECT_EQ(boxes.agency_sample_id, "");
    EXPECT_EQ(boxes.matrix, "WATER");  // the last entry's matrix stays
}

TEST_F(SampleEntry, AFirstEntryWithoutIdentifiersStartsEmptyAtTheCurrentDate) {
    data.samples[0].settings.data_file_path = "/data/SAMPLE5.TXT";
    process_files_data.samples[0].ids.injection_time = "DUMMY";
    process_files_data.samples[0].ids.lab_file_id = "failGetLabFileId";
    process_files_data.samples[0].ids.client_sample_id = "failGetclientSampleId";
    process_files_data.samples[0].ids.instrument_id = "failGetinstrumentId";
    boxes = SampleEntryBoxes{};
    open_sample_entry(boxes, data, 0);

    EXPECT_EQ(boxes.analysed_date, "03/14/2026 09:26");
    EXPECT_EQ(boxes.lab_file_id, "");
    EXPECT_EQ(boxes.lab_sample_id, "");
    EXPECT_EQ(boxes.instrument_id, "");
    EXPECT_EQ(boxes.size, "");
    EXPECT_EQ(boxes.mode, EntryMode::None);
    EXPECT_TRUE(boxes.include_calibration_error);
    const EntryLayout none = entry_layout(boxes.mode);
    EXPECT_FALSE(none.sigma_visible || none.crql_visible || none.limits_file_visible || none.browse_visible);
}

TEST_F(SampleEntry, TheFormsLayoutOpensInCrqlModeAndReportingLimitSwitchesItOff) {
    main_flags.TrqFormsFormat = 1;
    process_files_data.sample_input_carry.last_crql_file = "/mdl/crql.lmt";
    open_sample_entry(boxes, data, 0);
    EXPECT_EQ(boxes.mode, EntryMode::Crql);
    EXPECT_EQ(boxes.limits_file, "/mdl/crql.lmt");
    EXPECT_EQ(agency_id_label(), "AQR Sample ID");
    EXPECT_EQ(boxes.browse_caption, "Browse for CRQL file");
    const EntryLayout crql = entry_layout(boxes.mode);
    EXPECT_TRUE(crql.crql_visible && crql.limits_file_visible && !crql.sigma_visible);
    EXPECT_EQ(process_files_data.sample_input_carry.entry_made, 1);

    select_entry_mode(boxes, EntryMode::ReportingLimit);
    EXPECT_EQ(main_flags.TrqFormsFormat, 0);
    EXPECT_EQ(agency_id_label(), "    Sample ID");
    EXPECT_EQ(boxes.browse_caption, "Browse for *.LMT file");
    const EntryLayout rl = entry_layout(boxes.mode);
    EXPECT_TRUE(rl.sigma_visible && !rl.crql_visible);

    // A CRQL chosen by the analyst reads as any chosen mode does, forms layout or not.
    main_flags.TrqFormsFormat = 1;
    open_sample_entry(boxes, data, 0);
    select_entry_mode(boxes, EntryMode::Crql);
    EXPECT_EQ(boxes.browse_caption, "Browse for *.LMT file");
}

// The next entry of a mode opens with the file the last entry of that mode used, not the
// file browsed last, which may belong to the other mode.
TEST_F(SampleEntry, EachModeOpensWithTheFileItsLastEntryUsed) {
    const std::string crql = lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nBenzene;5", "crql.lmt");
    const std::string lmt = lmt_file("/DATA/DEMO_IS.INI", "ng/l", "\nBenzene;1", "water.lmt");
    auto enter = [&](int slot) {
        process_files_data.sample_info_index = slot;
        ASSERT_TRUE(enter_sample_entry(boxes, data).stored) << slot;
    };
    select_entry_mode(boxes, EntryMode::Crql);
    ui.open_returns(crql);
    browse_limits_file(boxes);
    enter(0);  // CRQL with crql.lmt

    open_sample_entry(boxes, data, 1);
    EXPECT_EQ(boxes.limits_file, crql);
    choose_reporting_limit_file(lmt);
    enter(1);  // reporting limits with water.lmt, the file browsed last

    open_sample_entry(boxes, data, 2);
    EXPECT_EQ(boxes.mode, EntryMode::ReportingLimit);
    EXPECT_EQ(boxes.limits_file, lmt);
    select_entry_mode(boxes, EntryMode::Crql);
    EXPECT_EQ(boxes.limits_file, crql);
    enter(2);  // CRQL again with the file in its box, nothing browsed

    open_sample_entry(boxes, data, 3);
    EXPECT_EQ(boxes.mode, EntryMode::Crql);
    EXPECT_EQ(boxes.limits_file, crql);
    EXPECT_EQ(process_files_data.samples[2].reporting_limits[0].limit, 5.0);
    select_entry_mode(boxes, EntryMode::ReportingLimit);
    EXPECT_EQ(boxes.limits_file, lmt);
}

// The analysed-date box keeps the instrument's time in its own layout, whichever of the
// instruments' forms the results file holds.
TEST(AnalysedDate, InstrumentTimesInTheBoxLayout) {
    const std::pair<const char*, const char*> cases[] = {
        {"09/22/2025 09:05", "09/22/2025 09:05"},
        {"9/22/2025 9:05", "09/22/2025 09:05"},
        {"9/2/2025 9:05:47", "09/02/2025 09:05"},
        {"9/22/2025 9:05 PM", "09/22/2025 21:05"},
        {"9/22/2025 12:05 AM", "09/22/2025 00:05"},
        {"2025-09-22 09:05:00", "09/22/2025 09:05"},
        {"2025-09-22T21:05:00.250", "09/22/2025 21:05"},
        {" 2025-09-22 09:05 ", "09/22/2025 09:05"},
        {"9/22/2025 9:05pm", "09/22/2025 21:05"},
        {"22.09.2025 09:05", "22.09.2025 09:05"},  // no form it knows: kept as written
        {"13/22/2025 09:05", "13/22/2025 09:05"},
        {"22-Sep-2025 09:05", "22-Sep-2025 09:05"},
        {"2025/09/22 09:05", "2025/09/22 09:05"},
        {"9/22/2025 9:05:4", "9/22/2025 9:05:4"},
        {"9/22/02025 9:05", "9/22/02025 9:05"},
        {"9/22/2025 9:05 PX", "9/22/2025 9:05 PX"},
        {"2025-09-22 09:05:00.", "2025-09-22 09:05:00."},
    };
    for (const auto& [written, shown] : cases) EXPECT_EQ(analysed_date_text(written), shown) << written;
}

// An instrument line of any length is read in one pass: tens of thousands of blanks
// around or inside a time ended the program once, in a reader that recursed per character.
TEST(AnalysedDate, LongLinesOfBlanksAreReadWithoutRecursion) {
    const std::string blanks(200000, ' ');
    EXPECT_EQ(analysed_date_text(blanks), blanks);
    EXPECT_EQ(analysed_date_text(blanks + "9/22/2025 9:05" + blanks), "09/22/2025 09:05");
    EXPECT_EQ(analysed_date_text("9/22/2025" + blanks + "9:05 PM"), "09/22/2025 21:05");
    EXPECT_EQ(analysed_date_text("2025-09-22" + blanks + "T09:05"), "09/22/2025 09:05");
    const std::string digits = "9/22/2025 9:05:" + std::string(200000, '4');
    EXPECT_EQ(analysed_date_text(digits), digits);
}

// Only a text in the box's own layout may go through its mask.
TEST(AnalysedDate, WhichTextsStandInTheBoxLayout) {
    for (const char* fits : {"09/22/2025 09:05", "00/00/0000 00:00"})
        EXPECT_TRUE(fits_analysed_date_layout(fits)) << fits;
    for (const char* other : {"", "9/22/2025 9:05", "22.09.2025 09:05", "09/22/2025 09:05 ", "09/22/2025T09:05",
                              "2025/09/22 09:05", "09-22-2025 09:05"})
        EXPECT_FALSE(fits_analysed_date_layout(other)) << other;
}

TEST_F(SampleEntry, TheSmoothFirstPassCaptionNamesTheNewState) {
    EXPECT_EQ(smooth_first_pass_caption(), "Smooth First Pass Off");
    toggle_smooth_first_pass();
    EXPECT_EQ(smooth_first_pass_caption(), "Smooth First Pass On");
    process_files_data.smooth_first_pass = 7;  // anything but 1 counts as off
    toggle_smooth_first_pass();
    EXPECT_EQ(process_files_data.smooth_first_pass, 1);
}

}  // namespace

TEST_F(SampleEntry, TheLabFileIdIsTheChosenNameAndACancelKeepsTheBox) {
    ui.open_returns(std::string("/data/lab/RUN-17.D"));
    EXPECT_EQ(choose_lab_file_id("old id"), "RUN-17.D");
    ui.open_returns(std::nullopt);
    EXPECT_EQ(choose_lab_file_id("RUN-17.D"), "RUN-17.D");
}
