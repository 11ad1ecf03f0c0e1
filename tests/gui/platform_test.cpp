#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <QTest>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/file_filter.h"
#include "platform/help_viewer.h"
#include "platform/paths.h"
#include "platform/print_notices.h"
#include "platform/printer_canvas.h"
#include "platform/qt_ui_services.h"
#include "platform/single_instance.h"
#include "scripted_ui.h"
#include "test_files.h"

namespace {

TEST(QtPlatform, FileFiltersBecomeQtNameFilters) {
    const std::pair<const char*, const char*> cases[] = {
        {"Library Text Compound files (*.txt)|*.txt", "Library Text Compound files (*.txt)"},
        {"Calibration file(*.cal)|*.cal", "Calibration file(*.cal)"},
        {"Surrogate files|*.ini", "Surrogate files (*.ini)"},
        {"Text (*.txt)|*.txt|All files|*.*", "Text (*.txt);;All files (*.*)"},
        {"Data|*.txt;*.csv", "Data (*.txt *.csv)"},
    };
    for (const auto& [program, qt] : cases) EXPECT_EQ(qt_name_filters(program).toStdString(), qt) << program;
}

TEST(QtPlatform, SecondInstanceIsToldAndStopsWhileAStaleLockIsTakenOver) {
    TempFolder folder;
    std::string path = folder.file("Quantilyzer.lock");
    ScriptedUi ui;
    {
        SingleInstanceLock first(path), second(path);
        EXPECT_TRUE(claim_single_instance(first));
        ui.expect_message("Quantilyzer is already running.\nThe new instance will be aborted.");
        EXPECT_FALSE(claim_single_instance(second));
        EXPECT_EQ(ui.last_message().caption, "Warning");
    }
    // A lock left by a program that no longer runs: a real lock of this machine with the
    // process id of a process that does not exist.
    std::string content;
    {
        SingleInstanceLock taken(path);
        ASSERT_TRUE(taken.acquire());
        content = read_file_text(path);
    }
    folder.write("Quantilyzer.lock", "2147480000" + content.substr(content.find('\n')));
    SingleInstanceLock after_crash(path);
    EXPECT_TRUE(claim_single_instance(after_crash));
}

TEST(QtPlatform, PrinterCanvasWritesPagesToAPdf) {
    TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.file("report.pdf")));
    bool ended = false;
    PrinterCanvas canvas(printer, [&](const PrintOutcome& o) { ended = o.printed; });
    canvas.set_orientation(Orientation::Landscape);
    ASSERT_TRUE(canvas.begin_job("Calibration report"));
    EXPECT_GT(canvas.page_width(), canvas.page_height());
    canvas.set_font(CanvasFont{"Arial", 8});
    int short_width = canvas.text_width("Benzene");
    EXPECT_GT(canvas.text_width("Benzene Benzene"), short_width);
    EXPECT_GT(short_width, 0);
    canvas.text_out(100, 100, "Benzene");
    canvas.line(0, 0, 500, 500);
    canvas.new_page();
    EXPECT_EQ(canvas.page_number(), 2);
    canvas.end_job();
    EXPECT_TRUE(ended);
    EXPECT_EQ(read_file_text(folder.file("report.pdf")).substr(0, 4), "%PDF");
    EXPECT_EQ(qt_font(CanvasFont{"Arial", 8}).family(), "Liberation Sans");
}

// What a report draws, texts repeated as on a report's pages, in the fonts it changes between.
struct DrawnText {
    CanvasFont font;
    int x, y;
    std::string text;
};

std::vector<DrawnText> report_like_texts() {
    const CanvasFont plain{"Arial", 8}, bold{"Arial", 10, true}, underlined{"Arial", 8, false, false, true};
    std::vector<DrawnText> texts;
    for (int row = 0; row < 12; ++row) {
        const int y = 300 + 140 * row;
        texts.push_back({bold, 200, y, "Quantitation Curve Report"});
        texts.push_back({plain, 200, y + 60, "1,1-Dichloroethene"});
        texts.push_back({plain, 1500, y + 60, row % 2 ? "12.5" : "N/A"});
        texts.push_back({underlined, 2200, y + 60, "µg/l ±0.5 AVWAY"});
        texts.push_back({plain, 2900, y + 60, "  lead\tand tab"});
    }
    return texts;
}

// Renders a PDF's first page at a low resolution (needs poppler's pdftoppm).
std::string rendered_page(const std::string& pdf) {
    const std::string image = pdf + ".pgm";
    const std::string command = "pdftoppm -r 72 -gray -f 1 -l 1 -singlefile '" + pdf + "' '" + pdf + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    return read_file_text(image);
}

TEST(QtPlatform, PrinterCanvasDrawsTextsAsDrawTextDoes) {
    if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is not installed";
    TempFolder folder;
    const std::vector<DrawnText> texts = report_like_texts();
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(folder.file("canvas.pdf")));
        PrinterCanvas canvas(printer);
        canvas.set_orientation(Orientation::Landscape);
        ASSERT_TRUE(canvas.begin_job("texts"));
        for (const DrawnText& t : texts) {
            canvas.set_font(t.font);
            canvas.text_out(t.x, t.y, t.text);
        }
        canvas.end_job();
    }
    {
        // Each text through QPainter::drawText, its top at y.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(folder.file("painter.pdf")));
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&printer);
        for (const DrawnText& t : texts) {
            const QFont font(qt_font(t.font), &printer);
            painter.setFont(font);
            painter.drawText(QPoint(t.x, t.y + QFontMetrics(font, &printer).ascent()), QString::fromStdString(t.text));
        }
    }
    const std::string canvas_page = rendered_page(folder.file("canvas.pdf"));
    ASSERT_FALSE(canvas_page.empty());
    EXPECT_TRUE(canvas_page == rendered_page(folder.file("painter.pdf")));
}

TEST(QtPlatform, BeforeAnyPrinterChoiceAReportGoesToAPdfInTheTempFolder) {
    ScriptedUi ui;
    QtUiServices services("Method 5847 Correction");
    std::string path = report_pdf_path("Calibration Report: run/7");
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "Calibration_Report__run_7.pdf");
    auto canvas = services.current_printer("Calibration Report: run/7");
    ASSERT_TRUE(canvas->begin_job("Calibration Report"));
    canvas->text_out(10, 10, "x");
    ui.expect_message(path);
    canvas->end_job();
    EXPECT_EQ(read_file_text(path).substr(0, 4), "%PDF");
    std::remove(path.c_str());
}

// Printing the calibration report and then the check report to "Print to File (PDF)"
// replaced the first file with the second.
TEST(QtPlatform, EachPrintJobToAPdfFileLeavesAFileOfItsOwn) {
    ScriptedUi ui;
    TempFolder folder;
    QtUiServices services("Method 5847 Correction");
    const std::string chosen = folder.file("calibration.pdf");
    services.printer().setOutputFormat(QPrinter::PdfFormat);
    services.printer().setOutputFileName(QString::fromStdString(chosen));
    services.take_printer_choice();
    folder.write("calibration-2.pdf", "an earlier printout");
    const std::string expected[] = {chosen, folder.file("calibration-3.pdf"), folder.file("calibration-4.pdf")};
    for (const std::string& path : expected) {
        auto canvas = services.current_printer("Report");
        ASSERT_TRUE(canvas->begin_job("Report"));
        canvas->text_out(10, 10, path);
        ui.expect_message("The report was printed to the file\n" + path);
        canvas->end_job();
        EXPECT_EQ(read_file_text(path).substr(0, 4), "%PDF") << path;
    }
    EXPECT_EQ(read_file_text(folder.file("calibration-2.pdf")), "an earlier printout");
}

// A printout that cannot be written says so and why: its folder gone (the job cannot
// begin), or a full disk (the file is cut short). Neither is announced as printed.
TEST(QtPlatform, APrintJobThatCannotBeWrittenSaysWhy) {
    ScriptedUi ui;
    TempFolder folder;
    QtUiServices services("Method 5847 Correction");
    services.printer().setOutputFormat(QPrinter::PdfFormat);
    const std::string gone = folder.file("gone/report.pdf");
    services.printer().setOutputFileName(QString::fromStdString(gone));
    services.take_printer_choice();
    auto canvas = services.current_printer("Report");
    ui.expect_message("The report could not be printed:\n" + gone + "\n    The folder " + folder.file("gone") +
                      " does not exist.");
    EXPECT_FALSE(canvas->begin_job("Report"));
    EXPECT_EQ(ui.last_message().icon, Icon::Error);
    canvas.reset();
    EXPECT_EQ(ui.messages.size(), 1u);

    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    services.printer().setOutputFileName("/dev/full");
    services.take_printer_choice();
    canvas = services.current_printer("Report");
    ASSERT_TRUE(canvas->begin_job("Report"));
    canvas->text_out(10, 10, "x");
    ui.expect_message("The report could not be printed:\n/dev/full\n    The file was not written whole");
    canvas->end_job();
}

// A job cut short by a full disk (here: a limit on file sizes, as a full disk cuts a
// regular file short) leaves the printer as able to print as before: the next job, to
// another folder, prints whole. The cut-short file goes, and the message says so.
TEST(QtPlatform, AFullDiskCutsOneJobShortAndTheNextJobPrintsWhole) {
    ScriptedUi ui;
    TempFolder full, other;
    QtUiServices services("Method 5847 Correction");
    services.printer().setOutputFormat(QPrinter::PdfFormat);
    const std::string cut_short = full.file("calrev.pdf");
    services.printer().setOutputFileName(QString::fromStdString(cut_short));
    services.take_printer_choice();
    const auto print_page = [&] {
        auto canvas = services.current_printer("Report");
        ASSERT_TRUE(canvas->begin_job("Report"));
        for (int page = 1; page <= 30; ++page) {
            if (page > 1) canvas->new_page();
            for (int row = 0; row < 200; ++row)
                canvas->text_out(100, 100 + 20 * row, "Benzene " + std::to_string(page * 1000 + row));
        }
        canvas->end_job();
    };
    {
        rlimit before{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 20000;
        const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        ui.expect_message("The report could not be printed:\n" + cut_short +
                          "\n    The file was not written whole: the disk may be full. The incomplete file was removed.");
        print_page();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, old_handler);
    }
    EXPECT_FALSE(std::filesystem::exists(cut_short));

    const std::string whole = other.file("calrev.pdf");
    services.printer().setOutputFileName(QString::fromStdString(whole));
    services.take_printer_choice();
    ui.expect_message("The report was printed to the file\n" + whole);
    print_page();
    const std::string pdf = read_file_text(whole);
    EXPECT_EQ(pdf.substr(0, 4), "%PDF");
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

// The printer dialog as the analyst meets it: `answer` sees the dialog shown and leaves
// it with a button; Qt's own question about a file that exists is answered `overwrite`.
// What the dialog showed in its file box and any question asked are kept.
struct PrinterDialogSeen {
    std::string file_box;
    std::string question;
};

bool run_printer_dialog(QtUiServices& services, PrinterDialogSeen& seen, const std::string& type_file,
                        QMessageBox::StandardButton overwrite = QMessageBox::No) {
    QTimer::singleShot(0, [&, type_file, overwrite] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        auto* file_box = dialog->findChild<QLineEdit*>("filename");
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (!file_box || !buttons) return dialog->reject();
        seen.file_box = file_box->text().toStdString();
        if (!type_file.empty()) file_box->setText(QString::fromStdString(type_file));
        QTimer::singleShot(0, [&, overwrite] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.question = box->text().toStdString();
                box->button(overwrite)->click();
            }
        });
        buttons->button(QDialogButtonBox::Ok)->click();
        if (dialog->isVisible()) dialog->reject();  // a No: the analyst gives up
    });
    return services.choose_printer();
}

// After jobs to "Print to File (PDF)" the dialog proposes the next free file of the series
// the analyst started, and accepting it continues the series. Only a file the analyst
// names brings Qt's question whether to overwrite it, and Yes then overwrites it.
TEST(QtPlatform, ThePrinterDialogProposesTheNextFileOfTheSeries) {
    ScriptedUi ui;
    TempFolder folder;
    QtUiServices services("Method 5847 Correction");
    const std::string chosen = folder.file("calrev.pdf");
    services.printer().setOutputFormat(QPrinter::PdfFormat);
    services.printer().setOutputFileName(QString::fromStdString(chosen));
    services.take_printer_choice();
    const auto print = [&](const std::string& expected) {
        auto canvas = services.current_printer("Report");
        ASSERT_TRUE(canvas->begin_job("Report"));
        canvas->text_out(10, 10, expected);
        ui.expect_message("The report was printed to the file\n" + expected);
        canvas->end_job();
        EXPECT_EQ(read_file_text(expected).substr(0, 4), "%PDF") << expected;
    };
    print(chosen);
    print(folder.file("calrev-2.pdf"));

    PrinterDialogSeen proposal;
    ASSERT_TRUE(run_printer_dialog(services, proposal, ""));
    EXPECT_EQ(proposal.file_box, folder.file("calrev-3.pdf"));
    EXPECT_EQ(proposal.question, "");
    print(folder.file("calrev-3.pdf"));
    print(folder.file("calrev-4.pdf"));

    // A file of the analyst's own that exists: No keeps it and the dialog open (here
    // left by Cancel), Yes overwrites it, and its own series follows.
    const std::string own = folder.write("check.pdf", "an earlier printout");
    PrinterDialogSeen refused;
    EXPECT_FALSE(run_printer_dialog(services, refused, own, QMessageBox::No));
    EXPECT_EQ(refused.file_box, folder.file("calrev-5.pdf"));
    EXPECT_EQ(refused.question, own + " already exists.\nDo you want to overwrite it?");
    EXPECT_EQ(read_file_text(own), "an earlier printout");
    print(folder.file("calrev-5.pdf"));  // the choice before stays

    PrinterDialogSeen agreed;
    ASSERT_TRUE(run_printer_dialog(services, agreed, own, QMessageBox::Yes));
    EXPECT_EQ(agreed.question, own + " already exists.\nDo you want to overwrite it?");
    print(own);
    print(folder.file("check-2.pdf"));
    PrinterDialogSeen next;
    ASSERT_TRUE(run_printer_dialog(services, next, ""));
    EXPECT_EQ(next.file_box, folder.file("check-3.pdf"));
}

// A printout in several jobs (one per sample) is told in one message, and each file
// chosen in the dialog is named after its part.
TEST(QtPlatform, TheJobsOfOneCommandAreToldInOneMessageEachFileNamedAfterItsPart) {
    ScriptedUi ui;
    TempFolder folder;
    QtUiServices services("Method 5847 Correction");
    services.printer().setOutputFormat(QPrinter::PdfFormat);
    services.printer().setOutputFileName(QString::fromStdString(folder.file("batch.pdf")));
    services.take_printer_choice();
    folder.write("batch_SAMPLE2.pdf", "an earlier printout");
    {
        PrintNoticeGroup notices;
        for (const char* part : {"SAMPLE1", "SAMPLE2", "MW 3"}) {
            auto canvas = services.current_printer("Sample", part);
            ASSERT_TRUE(canvas->begin_job("Sample"));
            canvas->end_job();
        }
        EXPECT_TRUE(ui.messages.empty());
        ui.expect_message("The reports were printed to the files\n" + folder.file("batch_SAMPLE1.pdf") + "\n" +
                          folder.file("batch_SAMPLE2-2.pdf") + "\n" + folder.file("batch_MW_3.pdf"));
    }
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(read_file_text(folder.file("batch_SAMPLE2.pdf")), "an earlier printout");
    EXPECT_FALSE(file_exists(folder.file("batch.pdf")));
}

TEST(QtPlatform, HelpHasThePagesOfTheProgramsContexts) {
    for (int context : {5, 105, 115, 119, 130, 150, 151, 160, 162, 166, 168, 182, 187, 966, 977, 980})
        EXPECT_FALSE(help_page_url(QString("context_%1.html").arg(context)).isEmpty()) << context;
    EXPECT_FALSE(help_page_url("ID_Change_variable_form.html").isEmpty());
    EXPECT_TRUE(help_page_url("context_4.html").isEmpty());

    ScriptedUi ui;
    QtUiServices services("Method 5847 Correction");
    ui.expect_message("There is no help page for this topic");
    services.show_help(4);
}

// Several task windows stay on top of the others; a help window of its own would open
// behind the one it was asked from. It belongs to that window instead, and outlives it.
TEST(QtPlatform, HelpOpensAboveTheWindowItWasAskedFrom) {
    const auto help_window = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "HelpWindow" && w->isVisible()) return w;
        return static_cast<QWidget*>(nullptr);
    };
    auto editor = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    editor->show();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    ASSERT_TRUE(show_help_viewer("context_119.html"));
    ASSERT_NE(help_window(), nullptr);
    EXPECT_EQ(help_window()->parentWidget(), editor.get());
    EXPECT_TRUE(help_window()->isWindow());

    editor.reset();  // the window goes; help can still be asked for
    ASSERT_TRUE(show_help_viewer("context_5.html"));
    ASSERT_NE(help_window(), nullptr);
    help_window()->close();
}

}  // namespace
