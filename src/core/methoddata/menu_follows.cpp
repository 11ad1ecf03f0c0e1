#include "methoddata/menu_follows.h"

#include "methoddata/calibration_data.h"
#include "methoddata/surrogate_groupings.h"
#include "methoddata/tables.h"

MenuSources menu_sources() {
    MenuSources s;
    s.library_loaded = method_data.library_loaded != 0;
    s.calibration_from_file = main_flags.CalibrationFromFile != 0;
    s.surrogate_file_loaded = method_data.surrogate_file_loaded != 0;
    s.groupings_valid = !test_surrogate_groupings().any();
    s.library_file = folder_settings.slot[kLibraryTextFileSlot];
    s.surrogate_file = method_data.surrogate_file_path;
    s.calibration_file = calibration_data.calibration_file_name;
    s.delimited_reports = main_flags.DelimitedReports == 1;
    s.forms_layout = main_flags.TrqFormsFormat == 1;
    return s;
}

void follow_method_data(MainMenuState& menu) { menu.follow(menu_sources()); }
