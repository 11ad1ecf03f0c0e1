#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

#include "methoddata/calibration_tables.h"
#include "methoddata/library_text_file.h"
#include "methoddata/tables.h"
#include "platform/errors.h"
#include "platform/ui_services.h"
#include "recording_canvas.h"
#include "program/program_state.h"

namespace {

std::deque<std::string> open_answers;

// Answers as an analyst who presses OK, Yes, or Cancel in a dialog (or opens the files a
// road names); printouts go to a recording canvas.
class AnsweringUi : public UiServices {
public:
    Answer message(const std::string&, const std::string&, Buttons buttons, Icon) override {
        switch (buttons) {
            case Buttons::Ok:
            case Buttons::OkCancel: return Answer::Ok;
            default: return Answer::Yes;
        }
    }
    std::optional<std::string> open_file(const FileDialogRequest&) override {
        if (open_answers.empty()) return std::nullopt;
        std::string path = open_answers.front();
        open_answers.pop_front();
        return path;
    }
    std::optional<std::string> save_file(const FileDialogRequest&) override { return std::nullopt; }
    bool choose_printer() override { return false; }
    std::unique_ptr<Canvas> current_printer(const std::string&, const std::string&) override {
        return std::make_unique<RecordingCanvas>();
    }
    void show_help(int) override {}
    void show_help_topic(const std::string&, const std::string&) override {}
    void set_busy(bool) override {}
    void show_exception(const std::string&) override {}
};

struct SavedLibrary {
    LibraryTable table;
    int count = 0;
    std::string version;
};

}  // namespace

const std::string& fuzz_folder() {
    static const std::string folder = [] {
        static AnsweringUi answering;
        set_ui(&answering);
        std::string tmpl = "/tmp/m5847fuzz.XXXXXX";
        const char* base = std::getenv("TMPDIR");
        if (base && *base) tmpl = std::string(base) + "/m5847fuzz.XXXXXX";
        if (!mkdtemp(tmpl.data())) std::abort();
        return tmpl;
    }();
    static const bool cleaned_at_exit = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(fuzz_folder(), ignored);
        });
        return true;
    }();
    (void)cleaned_at_exit;
    return folder;
}

std::string fuzz_input_file(const uint8_t* data, size_t size, const std::string& name) {
    const std::string path = fuzz_folder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

void run_reader(const std::function<void()>& reader) {
    try {
        reader();
    } catch (const ConversionError&) {
    } catch (const CommandAborted&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "a reader let an exception escape: %s\n", e.what());
        std::abort();
    }
}

void use_demo_library() {
    static const SavedLibrary saved = [] {
        fuzz_folder();
        construct_method_data();
        construct_calibration_tables();
        if (!read_library_text_file(std::string(M5847_EXAMPLES) + "/demo_library.txt")) std::abort();
        return SavedLibrary{method_data.library, method_data.compound_count, method_data.library_version};
    }();
    construct_method_data();
    construct_calibration_tables();
    method_data.library = saved.table;
    method_data.library_saved = saved.table;
    method_data.compound_count = saved.count;
    method_data.library_version = saved.version;
}

void fuzz_open_returns(const std::string& path) { open_answers.push_back(path); }

void forget_open_answers() { open_answers.clear(); }
