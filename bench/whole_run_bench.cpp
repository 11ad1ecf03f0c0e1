// One processing run as an analyst makes it, on the real windows (offscreen): Load
// Calibration File, Quantitation > Process sample files, 24 x Add File with its Sample
// Information, Process with the delimited reports and the printed report to a PDF file,
// then Exit. The data set is generated: 150 compounds, ten standards, 24 samples.
//
// Beside it, in the same binary, the I/O floor: reading and writing the same files with
// the same fsync and rename and nothing else. WholeRun prints the run's steps, the floor
// measured in the same iterations, and the ratio of the two.
//
// Run: build-release/bench/whole_run_bench
// Set M5847_BENCH_KEEP to a folder to keep the reports, the PDF and the calibration file
// of the last run there, and M5847_BENCH_DIR to a fixed working folder, to compare the
// output of two builds: the files then name the same folders, and the clock is fixed.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
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
#include "methoddata/process_files_data.h"
#include "methoddata/settings_file.h"
#include "methoddata/tables.h"
#include "platform/clock.h"
#include "platform/guarded_application.h"
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

// A PDF printer canvas that notes when its job is over: the printed report's time runs
// from the moment the run asks for the printer until the canvas is done with.
class TimedPdfCanvas : public PrinterCanvas {
public:
    TimedPdfCanvas(std::unique_ptr<QPrinter> printer, double& elapsed_ms)
        : PrinterCanvas(*printer), printer_(std::move(printer)), elapsed_ms_(elapsed_ms) {}
    ~TimedPdfCanvas() override {
        end_job();
        elapsed_ms_ += ms_since(start_);
    }

private:
    std::unique_ptr<QPrinter> printer_;  // outlives the painter: the base ends the job first
    double& elapsed_ms_;
    Clock::time_point start_ = Clock::now();
};

struct StepTimes {
    double load = 0, add = 0, process = 0, print = 0, exit = 0, floor = 0;
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
        pdf_ = join_path(data_, "Sample_Reports.pdf");
        ui_.printer = [this](const std::string&) {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString(pdf_));
            return std::make_unique<TimedPdfCanvas>(std::move(printer), times_.print);
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
        for (const std::string& sample : set_.samples) add_sample(sample);
        times_.add += ms_since(t);

        t = Clock::now();
        button(process_files, "process_samp")->click();
        times_.process += ms_since(t);
        ok_ = ok_ && ui_.messages.empty() && fs::exists(pdf_);

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
        std::ofstream(pdf_bytes_.first, std::ios::binary) << pdf_bytes_.second;  // Qt writes it plainly
        for (const auto& [path, text] : reports_) write_file_atomically(path, text);
        for (const auto& [data, results] : results_files_) fs::remove(results.first);
        times_.floor += ms_since(t);
    }

    // Each run writes its reports and PDF as new files, as a first run of the day does.
    void remove_output() {
        for (const auto& [path, text] : reports_) fs::remove(path);
        fs::remove(pdf_);
    }

    void keep_output(const std::string& keep) const {
        if (!fs::exists(pdf_)) return;
        fs::create_directories(keep);
        for (const auto& [path, text] : reports_) fs::copy_file(path, join_path(keep, file_name_of(path)), fs::copy_options::overwrite_existing);
        fs::copy_file(pdf_, join_path(keep, file_name_of(pdf_)), fs::copy_options::overwrite_existing);
        fs::copy_file(calibration_, join_path(keep, file_name_of(calibration_)), fs::copy_options::overwrite_existing);
    }

private:
    static QPushButton* button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }

    void load_and_open() {
        ui_.open_answers.push_back(calibration_);
        main_form->findChild<QAction*>("OpenCalibrationFile1")->trigger();
        main_form->findChild<QAction*>("Processsamplefiles1")->trigger();
    }

    void add_sample(const std::string& sample) {
        ui_.open_answers.push_back(sample);
        button(process_files, "add_samp_file")->click();
        process_input->findChild<QLineEdit*>("Edit_size")->setText("1");
        process_input->findChild<QComboBox*>("file_process_units_box")->setCurrentIndex(1);
        process_input->findChild<QLineEdit*>("Edit_matrix")->setText("WATER");
        button(process_input, "Enter")->click();
    }

    // One run's files: its results files (taken before Exit deletes them), reports and PDF.
    void record_floor_files() {
        load_and_open();
        for (const std::string& sample : set_.samples) add_sample(sample);
        button(process_files, "process_samp")->click();
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
        ok_ = ok_ && reports_.size() == 2 * set_.samples.size() && !pdf_bytes_.second.empty();
        remove_output();
        times_ = StepTimes{};
    }

    FixedClock clock_{DateTime{2025, 9, 22, 14, 30, 0}};
    std::string folder_, home_, install_, data_, calibration_, pdf_;
    BenchDataSet set_;
    BenchUi ui_;
    bool ok_ = false;
    StepTimes times_;
    std::map<std::string, std::pair<std::string, std::string>> results_files_;  // data file -> results file
    std::map<std::string, std::string> reports_;
    std::pair<std::string, std::string> pdf_bytes_, settings_;
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
        const char* keep = std::getenv("M5847_BENCH_KEEP");
        if (keep) run.keep_output(keep);
        run.remove_output();
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
}

}  // namespace

BENCHMARK(WholeRunAndFloor)->Unit(benchmark::kMillisecond)->MinTime(3.0);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuardedApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    whole_run.reset();  // the windows go before the application
    return 0;
}
