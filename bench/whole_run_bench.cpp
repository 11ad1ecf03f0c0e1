// One processing run as an analyst makes it, on the real windows (offscreen): Load
// Calibration File, Quantitation > Process sample files, 24 x Add File with its Sample
// Information, Process with the delimited reports and the printed report to a PDF file,
// then Exit. The data set is generated: 150 compounds, ten standards, 24 samples.
//
// Beside it, in the same binary, the I/O floor: reading and writing the same files with
// the same fsync and rename and nothing else. WholeRun prints the run's steps, the floor
// measured in the same iterations, and the ratio of the two; the run without its printing
// against the floor without the PDF; the printed pages drawn again on a bare Qt printer
// (every canvas call of the run's print job, replayed with no program logic between
// them) against the run's printing; and the peak memory of the process.
//
// Run: build-release/bench/whole_run_bench
// Set M5847_BENCH_LMT to 1 to give the 24 samples one reporting-limit file: the first
// Sample Information browses for it and the others take it over, in Reporting Limit mode,
// so each Enter reads it (and the floor reads it as often).
// Set M5847_BENCH_KEEP to a folder to keep the reports, the PDF and the calibration file
// of the last run there, and M5847_BENCH_DIR to a fixed working folder, to compare the
// output of two builds: the files then name the same folders, and the clock is fixed.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/main_form.h"
#include "app/windows.h"
#include "bench_data_set.h"
#include "bench_ui.h"
#include "methoddata/calibration_tables.h"
#include "program/program_state.h"
#include "samples/process_files_data.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/clock.h"
#include "platform/guarded_application.h"
#include "platform/memory_settings.h"
#include "platform/paths.h"
#include "platform/printer_canvas.h"
#include "platform/text_file.h"
#include "processing/process_files.h"
#include "processing/process_input.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

constexpr int kCompounds = 150;
constexpr int kSamples = 24;

std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// One drawing call of a print job, kept to draw the same pages again on a bare printer.
// The job has tens of thousands of calls, and the benchmark's peak memory is one of its
// counters: a font call names its font by its place in the job's few fonts (x1), and a
// text call its text by its place in one string of all the job's texts (x2, y2).
struct PageCall {
    enum Kind { Orientation, Begin, End, NewPage, Font, Text, Pen, Line, Ellipse, Rectangle } kind = Begin;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct PageCalls {
    std::vector<PageCall> calls;
    std::vector<CanvasFont> fonts;
    std::string texts;

    void add_text(int x, int y, const std::string& text) {
        calls.push_back(PageCall{PageCall::Text, x, y, static_cast<int>(texts.size()), static_cast<int>(text.size())});
        texts += text;
    }
    QString text(const PageCall& call) const {
        return QString::fromUtf8(texts.data() + call.x2, call.y2);
    }

    int font_index(const CanvasFont& f) {
        for (size_t i = 0; i < fonts.size(); ++i) {
            const CanvasFont& k = fonts[i];
            if (k.name == f.name && k.size == f.size && k.bold == f.bold && k.italic == f.italic &&
                k.underline == f.underline)
                return static_cast<int>(i);
        }
        fonts.push_back(f);
        return static_cast<int>(fonts.size() - 1);
    }
    bool empty() const { return calls.empty(); }
};

PageCall page_call(PageCall::Kind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
    PageCall call;
    call.kind = kind;
    call.x1 = x1, call.y1 = y1, call.x2 = x2, call.y2 = y2;
    return call;
}

// A PDF printer canvas that notes when its job is over: the printed report's time runs
// from the moment the run asks for the printer until the canvas is done with. While
// `calls` is set it also keeps every drawing call (only in the run that records the
// floor's files, so the timed runs pay nothing for it).
class TimedPdfCanvas : public PrinterCanvas {
public:
    TimedPdfCanvas(std::unique_ptr<QPrinter> printer, double& elapsed_ms, PageCalls* calls)
        : PrinterCanvas(*printer), printer_(std::move(printer)), elapsed_ms_(elapsed_ms), calls_(calls) {}
    ~TimedPdfCanvas() override {
        end_job();
        elapsed_ms_ += ms_since(start_);
    }

    void set_orientation(::Orientation o) override {
        keep(page_call(PageCall::Orientation, o == ::Orientation::Landscape ? 1 : 0));
        PrinterCanvas::set_orientation(o);
    }
    bool begin_job(const std::string& title) override {
        keep(page_call(PageCall::Begin));
        ended_ = false;
        return PrinterCanvas::begin_job(title);
    }
    void end_job() override {
        if (calls_ && !ended_) keep(page_call(PageCall::End));
        ended_ = true;
        PrinterCanvas::end_job();
    }
    void new_page() override {
        keep(page_call(PageCall::NewPage));
        PrinterCanvas::new_page();
    }
    void set_font(const CanvasFont& font) override {
        if (calls_) keep(page_call(PageCall::Font, calls_->font_index(font)));
        PrinterCanvas::set_font(font);
    }
    void text_out(int x, int y, const std::string& text) override {
        if (calls_) calls_->add_text(x, y, text);
        PrinterCanvas::text_out(x, y, text);
    }
    void set_pen_width(int width) override {
        keep(page_call(PageCall::Pen, width));
        PrinterCanvas::set_pen_width(width);
    }
    void line(int x1, int y1, int x2, int y2) override {
        keep(page_call(PageCall::Line, x1, y1, x2, y2));
        PrinterCanvas::line(x1, y1, x2, y2);
    }
    void ellipse(int x1, int y1, int x2, int y2) override {
        keep(page_call(PageCall::Ellipse, x1, y1, x2, y2));
        PrinterCanvas::ellipse(x1, y1, x2, y2);
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        keep(page_call(PageCall::Rectangle, x1, y1, x2, y2));
        PrinterCanvas::rectangle(x1, y1, x2, y2);
    }

private:
    void keep(PageCall call) {
        if (calls_) calls_->calls.push_back(std::move(call));
    }

    std::unique_ptr<QPrinter> printer_;  // outlives the painter: the base ends the job first
    double& elapsed_ms_;
    PageCalls* calls_;
    bool ended_ = false;
    Clock::time_point start_ = Clock::now();
};

std::unique_ptr<QPrinter> pdf_printer(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
}

// The recorded pages drawn on a bare Qt PDF printer with QPainter alone: what Qt itself
// needs to make the same pages. Texts are placed by their top-left corner as the canvas
// places them, so the pages come out the same.
double replay_on_bare_printer(const PageCalls& calls, const std::string& path) {
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QPrinter> printer = pdf_printer(path);
    QPainter painter;
    QFont font;
    int ascent = 0;
    int pen_width = 1;
    for (const PageCall& call : calls.calls) {
        switch (call.kind) {
        case PageCall::Orientation:
            printer->setPageOrientation(call.x1 ? QPageLayout::Landscape : QPageLayout::Portrait);
            break;
        case PageCall::Begin:
            painter.begin(printer.get());
            painter.setPen(QPen(Qt::black, pen_width));
            break;
        case PageCall::End: painter.end(); break;
        case PageCall::NewPage: printer->newPage(); break;
        case PageCall::Font:
            font = QFont(qt_font(calls.fonts[call.x1]), printer.get());
            ascent = QFontMetrics(font, printer.get()).ascent();
            if (painter.isActive()) painter.setFont(font);
            break;
        case PageCall::Text: painter.drawText(QPoint(call.x1, call.y1 + ascent), calls.text(call)); break;
        case PageCall::Pen:
            pen_width = call.x1;
            if (painter.isActive()) painter.setPen(QPen(Qt::black, pen_width));
            break;
        case PageCall::Line: painter.drawLine(call.x1, call.y1, call.x2, call.y2); break;
        case PageCall::Ellipse: painter.drawEllipse(QRect(QPoint(call.x1, call.y1), QPoint(call.x2 - 1, call.y2 - 1))); break;
        case PageCall::Rectangle: painter.drawRect(QRect(QPoint(call.x1, call.y1), QPoint(call.x2 - 1, call.y2 - 1))); break;
        }
    }
    if (painter.isActive()) painter.end();
    return ms_since(start);
}

double peak_rss_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

struct StepTimes {
    double load = 0, add = 0, process = 0, print = 0, exit = 0, floor = 0, floor_pdf = 0, qt_replay = 0;
};

// The working folder: M5847_BENCH_DIR (emptied first) or a fresh temporary one.
std::string working_folder() {
    const char* fixed = std::getenv("M5847_BENCH_DIR");
    if (!fixed || !*fixed) return make_bench_folder();
    fs::remove_all(fixed);
    fs::create_directories(fixed);
    return fixed;
}

class WholeRun {
public:
    WholeRun() : folder_(working_folder()) {
        set_clock(&clock_);
        home_ = join_path(folder_, "home");
        install_ = join_path(folder_, "install");
        data_ = join_path(folder_, "data");
        for (const std::string& f : {home_, install_, data_}) fs::create_directories(f);
        setenv("HOME", home_.c_str(), 1);
        setenv("M5847_INSTALL_PATH", install_.c_str(), 1);
        set_ = write_bench_data_set(data_, kCompounds, kSamples);
        calibration_ = join_path(data_, "BENCH.cal");
        ok_ = write_bench_calibration(set_, calibration_);
        const char* lmt = std::getenv("M5847_BENCH_LMT");
        if (ok_ && lmt && std::string(lmt) == "1") {
            limits_ = join_path(data_, "BENCH.lmt");
            write_bench_reporting_limits(set_, limits_);
        }
        pdf_ = join_path(data_, "Sample_Reports.pdf");
        replay_pdf_ = join_path(data_, "Replayed_Reports.pdf");
        ui_.printer = [this](const std::string&) {
            return std::make_unique<TimedPdfCanvas>(pdf_printer(pdf_), times_.print, recording_ ? &page_calls_ : nullptr);
        };

        construct_method_data();
        construct_calibration_tables();
        construct_process_files_data();
        create_windows();
        main_form->show();
        // Printing to the PDF printer, chosen once as the analyst does before a first run.
        load_and_open();
        process_files->findChild<QAction*>("Printer1")->trigger();
        process_files->findChild<QAction*>("Printedpdf1")->trigger();
        button(process_files, "process_exit")->click();
        ok_ = ok_ && ui_.messages.empty();
        record_floor_files();
    }
    ~WholeRun() {
        destroy_windows();
        set_clock(nullptr);
        fs::remove_all(folder_);
    }

    bool ok() const { return ok_; }
    const std::vector<std::string>& messages() const { return ui_.messages; }
    StepTimes& times() { return times_; }

    void run() {
        Clock::time_point t = Clock::now();
        load_and_open();
        times_.load += ms_since(t);

        t = Clock::now();
        add_samples();
        times_.add += ms_since(t);

        t = Clock::now();
        button(process_files, "process_samp")->click();
        times_.process += ms_since(t);
        ok_ = ok_ && took_report_files_message() && fs::exists(pdf_);

        t = Clock::now();
        button(process_files, "process_exit")->click();
        times_.exit += ms_since(t);
    }

    // The same files read and written as the run reads and writes them, and nothing else.
    void floor() {
        Clock::time_point t = Clock::now();
        benchmark::DoNotOptimize(file_bytes(calibration_));
        for (const auto& [data, results] : results_files_) {
            benchmark::DoNotOptimize(file_bytes(data));
            write_file_atomically(results.first, results.second);
        }
        // The settings file of folders once: its value does not change in the run, although
        // the run itself still saves it at every Add File (25 of its 97 fsyncs).
        write_file_atomically(settings_.first, settings_.second);
        for (const auto& [data, results] : results_files_) benchmark::DoNotOptimize(file_bytes(results.first));
        // The reporting-limit file as often as the run reads it: at the Browse and at each Enter.
        if (!limits_.empty())
            for (size_t i = 0; i <= set_.samples.size(); ++i) benchmark::DoNotOptimize(file_bytes(limits_));
        const Clock::time_point pdf = Clock::now();
        std::ofstream(pdf_bytes_.first, std::ios::binary) << pdf_bytes_.second;  // Qt writes it plainly
        times_.floor_pdf += ms_since(pdf);
        for (const auto& [path, text] : reports_) write_file_atomically(path, text);
        for (const auto& [data, results] : results_files_) fs::remove(results.first);
        times_.floor += ms_since(t);
    }

    // The run's printed pages again, on a bare Qt printer.
    void replay() {
        times_.qt_replay += replay_on_bare_printer(page_calls_, replay_pdf_);
    }

    // Each run writes its reports and PDF as new files, as a first run of the day does.
    void remove_output() {
        for (const auto& [path, text] : reports_) fs::remove(path);
        fs::remove(pdf_);
        fs::remove(replay_pdf_);
    }

    void keep_output(const std::string& keep) const {
        if (!fs::exists(pdf_)) return;
        fs::create_directories(keep);
        for (const auto& [path, text] : reports_) fs::copy_file(path, join_path(keep, file_name_of(path)), fs::copy_options::overwrite_existing);
        fs::copy_file(pdf_, join_path(keep, file_name_of(pdf_)), fs::copy_options::overwrite_existing);
        if (fs::exists(replay_pdf_)) fs::copy_file(replay_pdf_, join_path(keep, file_name_of(replay_pdf_)), fs::copy_options::overwrite_existing);
        fs::copy_file(calibration_, join_path(keep, file_name_of(calibration_)), fs::copy_options::overwrite_existing);
    }

private:
    static QPushButton* button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }

    void load_and_open() {
        ui_.open_answers.push_back(calibration_);
        main_form->findChild<QAction*>("OpenCalibrationFile1")->trigger();
        main_form->findChild<QAction*>("Processsamplefiles1")->trigger();
    }

    void add_sample(const std::string& sample, bool first) {
        ui_.open_answers.push_back(sample);
        button(process_files, "add_samp_file")->click();
        // The first sample browses for the shared reporting-limit file; the others keep it.
        if (first && !limits_.empty()) {
            process_input->findChild<QRadioButton*>("RadioGroup_mdlItem0")->click();
            ui_.open_answers.push_back(limits_);
            button(process_input, "Button_mdl_Browse")->click();
        }
        process_input->findChild<QLineEdit*>("Edit_size")->setText("1");
        process_input->findChild<QComboBox*>("file_process_units_box")->setCurrentIndex(1);
        process_input->findChild<QLineEdit*>("Edit_matrix")->setText("WATER");
        button(process_input, "Enter")->click();
    }
    void add_samples() {
        for (size_t s = 0; s < set_.samples.size(); ++s) add_sample(set_.samples[s], s == 0);
    }

    // Process names the report files it wrote in one message, as the analyst sees it after
    // every run; any other message means the run went wrong and stays to be shown.
    bool took_report_files_message() {
        const bool told = ui_.messages.size() == 1 &&
                          ui_.messages.front().starts_with("Reports: The report files were written:");
        if (told) ui_.messages.clear();
        return told;
    }

    // One run's files: its results files (taken before Exit deletes them), reports and PDF.
    void record_floor_files() {
        load_and_open();
        add_samples();
        recording_ = true;
        button(process_files, "process_samp")->click();
        recording_ = false;
        ok_ = ok_ && took_report_files_message();
        for (const std::string& sample : set_.samples) {
            const std::string results = resolve_path(up_to_last_dot(sample) + ".ini");
            results_files_[sample] = {results, file_bytes(results)};
        }
        button(process_files, "process_exit")->click();
        for (const auto& entry : fs::directory_iterator(data_)) {
            const std::string path = entry.path().string();
            if (path.ends_with("_BENCH.txt") || path.ends_with("_BENCHQC.txt")) reports_[path] = file_bytes(path);
        }
        pdf_bytes_ = {pdf_, file_bytes(pdf_)};
        settings_ = {resolve_path(settings_file_path()), file_bytes(resolve_path(settings_file_path()))};
        ok_ = ok_ && reports_.size() == 2 * set_.samples.size() && !pdf_bytes_.second.empty() && !page_calls_.empty();
        remove_output();
        times_ = StepTimes{};
    }

    FixedClock clock_{DateTime{2025, 9, 22, 14, 30, 0}};
    std::string folder_, home_, install_, data_, calibration_, pdf_, replay_pdf_;
    std::string limits_;  // the shared reporting-limit file, when M5847_BENCH_LMT is 1
    BenchDataSet set_;
    BenchUi ui_;
    bool ok_ = false;
    StepTimes times_;
    std::map<std::string, std::pair<std::string, std::string>> results_files_;  // data file -> results file
    std::map<std::string, std::string> reports_;
    std::pair<std::string, std::string> pdf_bytes_, settings_;
    bool recording_ = false;
    PageCalls page_calls_;  // of the printed report
};

// The windows live for the program, as in the program; made by the first benchmark run.
std::unique_ptr<WholeRun> whole_run;

void WholeRunAndFloor(benchmark::State& state) {
    if (!whole_run) whole_run = std::make_unique<WholeRun>();
    WholeRun& run = *whole_run;
    if (!run.ok()) {
        state.SkipWithError(run.messages().empty() ? "the run did not write its reports" : run.messages().front().c_str());
        return;
    }
    run.times() = StepTimes{};
    for (auto _ : state) {
        run.run();
        state.PauseTiming();
        run.floor();
        run.replay();
        const char* keep = std::getenv("M5847_BENCH_KEEP");
        if (keep) run.keep_output(keep);
        run.remove_output();
        // What the run posted to Qt (the deferred deletion of its dialogs among it) is
        // delivered, as the program's event loop delivers it after each command: the peak
        // memory is then the program's, not a backlog the benchmark never let Qt deliver.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (!run.ok()) state.SkipWithError(run.messages().empty() ? "a run failed" : run.messages().front().c_str());
    const StepTimes& t = run.times();
    const double n = static_cast<double>(state.iterations());
    const double whole = t.load + t.add + t.process + t.exit;
    state.counters["load_ms"] = t.load / n;
    state.counters["add_24_ms"] = t.add / n;
    state.counters["process_ms"] = t.process / n;
    state.counters["print_ms"] = t.print / n;  // part of process_ms
    state.counters["exit_ms"] = t.exit / n;
    state.counters["run_ms"] = whole / n;
    state.counters["floor_ms"] = t.floor / n;
    state.counters["run_per_floor"] = whole / t.floor;
    // Without printing: the run less its print job, against the floor less the PDF.
    state.counters["noprint_ms"] = (whole - t.print) / n;
    state.counters["noprint_per_floor"] = (whole - t.print) / (t.floor - t.floor_pdf);
    state.counters["qt_replay_ms"] = t.qt_replay / n;
    state.counters["print_per_qt_replay"] = t.print / t.qt_replay;
    state.counters["peak_rss_mb"] = peak_rss_mb();
}

}  // namespace

BENCHMARK(WholeRunAndFloor)->Unit(benchmark::kMillisecond)->MinTime(3.0);

int main(int argc, char** argv) {
    keep_freed_memory();  // as the program does at start
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuardedApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    whole_run.reset();  // the windows go before the application
    return 0;
}
