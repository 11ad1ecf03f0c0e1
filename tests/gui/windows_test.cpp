#include <QApplication>
#include <QLabel>
#include <QPushButton>

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
#include "processing/calc_limits.h"
#include "processing/calib_limits.h"
#include "processing/process_files.h"
#include "processing/process_input.h"
#include "windows_fixture.h"

namespace {

using Windows = WindowsTest;

TEST_F(Windows, AllSeventeenExistWithTheirCaptions) {
    const std::pair<QWidget*, const char*> windows[] = {
        {main_form, "Quantilyzer"},
        {EditLib_Form, "Edit Library"},
        {surr_Form, "Internal Standard Data"},
        {identify_std_level, "Identify Standard Level"},
        {revu_calib_form, "Edit Calibration"},
        {Calibrate_form, "Create Calibration File"},
        {process_input, "Sample Information"},
        {check_calib_std, "Continuing Calibration Standard Entry"},
        {check_calib_review_form, "Continuing Calibration Review"},
        {surrogate_limits_form, "Internal Standard Limits"},
        {change_variable_form, "Change Variable Form"},
        {check_surrogate_catagories_form, "Class Ranges"},
        {Edit_mdl_form, "Create/Edit LMT Files"},
        {AboutBox, "About Quantilyzer"},
        {process_files, "Process Files"},
        {calc_limits, "Limits for Calculations"},
        {calib_limits, "Calibration Response Limits"},
    };
    for (const auto& [window, caption] : windows) {
        ASSERT_NE(window, nullptr) << caption;
        EXPECT_EQ(window->windowTitle().toStdString(), caption);
        EXPECT_TRUE(window->isWindow()) << caption;
    }
    // Only the main window shows at start.
    EXPECT_TRUE(main_form->isVisible());
    EXPECT_FALSE(EditLib_Form->isVisible());
}

TEST_F(Windows, DestroyingThemClearsEveryInstancePointer) {
    destroy_windows();
    EXPECT_EQ(main_form, nullptr);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_EQ(calib_limits, nullptr);
    create_windows();  // for TearDown
}

TEST_F(Windows, AboutBoxShowsVersionAndDateAndClosesWithOk) {
    auto* label2 = AboutBox->findChild<QLabel*>("Label2");
    ASSERT_NE(label2, nullptr);
    EXPECT_EQ(label2->text(), "Version 4.206\nJuly 7, 2010");
    EXPECT_EQ(AboutBox->findChild<QLabel*>("Label1")->text(), "Quantilyzer");
    EXPECT_FALSE(AboutBox->findChild<QLabel*>("Label3")->text().isEmpty());
    EXPECT_FALSE(AboutBox->findChild<QLabel*>("Image1")->pixmap().isNull());
    AboutBox->show();
    AboutBox->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_FALSE(AboutBox->isVisible());
    EXPECT_NE(AboutBox, nullptr);  // hidden, not destroyed
}

TEST_F(Windows, BringToFrontRetriesUntilTheCaptionExists) {
    main_form->BringToFrontByCaption("Internal Standard Data");
    EXPECT_TRUE(main_form->BringFrontTimer.timer().isActive());
    EXPECT_EQ(main_form->BringFrontTimer.timer().interval(), 50);
    EXPECT_EQ(main_form->BringFrontTimer.timer().objectName(), "BringFrontTimer");

    main_form->BringToFrontByCaption("No window has this caption");
    main_form->BringFrontTimer.tick();
    EXPECT_TRUE(main_form->BringFrontTimer.timer().isActive());
    EXPECT_EQ(main_form->BringFrontTimer.caption(), "No window has this caption");

    main_form->BringToFrontByCaption("Class Ranges");
    main_form->BringFrontTimer.tick();
    EXPECT_FALSE(main_form->BringFrontTimer.timer().isActive());
    EXPECT_EQ(main_form->BringFrontTimer.caption(), "0");
}

}  // namespace
