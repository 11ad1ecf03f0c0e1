#include "app/windows.h"

#include "app/main_form.h"
#include "calibration/calibrate_form.h"
#include "calibration/check_calib_review_form.h"
#include "calibration/check_calib_std.h"
#include "calibration/identify_std_level.h"
#include "calibration/revu_calib_form.h"
#include "methoddata/about_box.h"
#include "methoddata/change_variable_form.h"
#include "methoddata/check_surrogate_catagories_form.h"
#include "methoddata/edit_lib_form.h"
#include "methoddata/edit_mdl_form.h"
#include "methoddata/surr_form.h"
#include "methoddata/surrogate_limits_form.h"
#include "platform/command_guard.h"
#include "platform/status_line.h"
#include "processing/calc_limits.h"
#include "processing/calib_limits.h"
#include "processing/process_files.h"
#include "processing/process_input.h"
#include "platform/task_window.h"

namespace {

template <typename Window>
void create(Window*& instance) {
    instance = new Window;
    keep_place_when_shown_again(instance);
}

template <typename Window>
void destroy(Window*& instance) {
    delete instance;
    instance = nullptr;
}

}  // namespace

// The order matters: a window's creation may use the windows created before it.
void create_windows() {
    create(main_form);
    create(EditLib_Form);
    create(surr_Form);
    create(identify_std_level);
    create(revu_calib_form);
    create(Calibrate_form);
    create(process_input);
    create(check_calib_std);
    create(check_calib_review_form);
    create(surrogate_limits_form);
    create(change_variable_form);
    create(check_surrogate_catagories_form);
    create(Edit_mdl_form);
    create(AboutBox);
    create(process_files);
    create(calc_limits);
    create(calib_limits);
    // The windows a command that writes a file may leave the analyst in name the file there.
    for (QWidget* window : std::initializer_list<QWidget*>{main_form, Calibrate_form, check_calib_std, EditLib_Form,
                                                           surr_Form, Edit_mdl_form, calc_limits})
        add_status_line(window);
    set_files_written_display(show_in_status_line);
}

void destroy_windows() {
    set_files_written_display(nullptr);
    destroy(calib_limits);
    destroy(calc_limits);
    destroy(process_files);
    destroy(AboutBox);
    destroy(Edit_mdl_form);
    destroy(check_surrogate_catagories_form);
    destroy(change_variable_form);
    destroy(surrogate_limits_form);
    destroy(check_calib_review_form);
    destroy(check_calib_std);
    destroy(process_input);
    destroy(Calibrate_form);
    destroy(revu_calib_form);
    destroy(identify_std_level);
    destroy(surr_Form);
    destroy(EditLib_Form);
    destroy(main_form);
}
