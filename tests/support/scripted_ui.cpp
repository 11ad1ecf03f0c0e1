#include "scripted_ui.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {
const FixedClock test_clock(DateTime{2026, 3, 14, 9, 26, 53});

// The next scripted answer of a file dialog; a dialog the test did not script fails it
// and is cancelled.
std::optional<std::string> next_file_answer(std::deque<std::optional<std::string>>& answers,
                                            const char* dialog, const FileDialogRequest& request) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << dialog << " dialog (filter " << request.filter << ")";
        return std::nullopt;
    }
    auto a = answers.front();
    answers.pop_front();
    return a;
}
}  // namespace

ScriptedUi::ScriptedUi() {
    set_ui(this);
    set_clock(&test_clock);
}

ScriptedUi::~ScriptedUi() {
    EXPECT_TRUE(expected_messages_.empty()) << "expected message not shown: " << expected_messages_.front();
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) not used";
    EXPECT_TRUE(open_answers_.empty()) << "scripted open dialog not used";
    EXPECT_TRUE(save_answers_.empty()) << "scripted save dialog not used";
    EXPECT_TRUE(printer_answers_.empty()) << "scripted printer dialog not used";
    set_ui(nullptr);
    set_clock(nullptr);
}

void ScriptedUi::expect_message(const std::string& text_part) { expected_messages_.push_back(text_part); }
void ScriptedUi::answer(Answer a) { answers_.push_back(a); }
void ScriptedUi::open_returns(std::optional<std::string> path) { open_answers_.push_back(std::move(path)); }
void ScriptedUi::save_returns(std::optional<std::string> path) { save_answers_.push_back(std::move(path)); }
void ScriptedUi::printer_dialog_returns(bool chosen) { printer_answers_.push_back(chosen); }

const ShownMessage& ScriptedUi::last_message() const {
    static const ShownMessage none{};
    return messages.empty() ? none : messages.back();
}

bool ScriptedUi::saw_message(const std::string& text_part) const {
    for (const auto& m : messages)
        if (m.text.find(text_part) != std::string::npos) return true;
    return false;
}

Answer ScriptedUi::message(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    messages.push_back({text, caption, buttons, icon});
    if (buttons == Buttons::Ok) {
        if (!expected_messages_.empty()) {
            std::string want = expected_messages_.front();
            expected_messages_.pop_front();
            EXPECT_NE(text.find(want), std::string::npos)
                << "message \"" << text << "\" (" << caption << ") where \"" << want << "\" was expected";
        } else if (!allow_any_message) {
            ADD_FAILURE() << "unexpected message \"" << text << "\" caption \"" << caption << "\"";
        }
        return Answer::Ok;
    }
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question \"" << text << "\" caption \"" << caption << "\"";
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<std::string> ScriptedUi::open_file(const FileDialogRequest& request) {
    open_requests.push_back(request);
    return next_file_answer(open_answers_, "open", request);
}

std::optional<std::string> ScriptedUi::save_file(const FileDialogRequest& request) {
    save_requests.push_back(request);
    return next_file_answer(save_answers_, "save", request);
}

bool ScriptedUi::choose_printer() {
    if (printer_answers_.empty()) {
        ADD_FAILURE() << "unexpected printer dialog";
        return false;
    }
    bool a = printer_answers_.front();
    printer_answers_.pop_front();
    return a;
}

namespace {
// Hands a copy of everything drawn to the scripted UI when the job's canvas goes away.
class ReportingCanvas : public RecordingCanvas {
public:
    explicit ReportingCanvas(ScriptedUi& owner) : owner_(owner) {}
    ~ReportingCanvas() override { owner_.finished_jobs.push_back(*this); }

private:
    ScriptedUi& owner_;
};
}  // namespace

std::unique_ptr<Canvas> ScriptedUi::current_printer(const std::string& report_name, const std::string& part_name) {
    auto canvas = std::make_unique<ReportingCanvas>(*this);
    canvas->report_name = report_name;
    canvas->part_name = part_name;
    printed.push_back(canvas.get());
    return canvas;
}
