#pragma once
// UI services for tests: every message is recorded; questions and dialogs are answered
// from queues the test fills. A message or dialog that no test expected fails the test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui_services.h"
#include "recording_canvas.h"

struct ShownMessage {
    std::string text;
    std::string caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

class ScriptedUi : public UiServices {
public:
    ScriptedUi();   // installs itself and fixes the clock
    ~ScriptedUi() override;  // checks that every scripted answer was used, uninstalls

    // Scripting.
    void expect_message(const std::string& text_part);  // next plain message must contain this
    void answer(Answer a);                          // next question box answers a
    void open_returns(std::optional<std::string> path);  // next open dialog
    void save_returns(std::optional<std::string> path);  // next save dialog
    void printer_dialog_returns(bool chosen);
    // Plain messages (Buttons::Ok) are always allowed when this is on; off by default.
    bool allow_any_message = false;

    // What happened.
    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> open_requests;
    std::vector<FileDialogRequest> save_requests;
    std::vector<int> help_contexts;
    std::vector<std::string> exceptions;
    std::vector<RecordingCanvas*> printed;  // canvases handed out (owned by the caller)
    std::vector<RecordingCanvas> finished_jobs;  // copies made when a canvas is destroyed
    int busy_depth = 0;

    const ShownMessage& last_message() const;
    bool saw_message(const std::string& text_part) const;

    // UiServices
    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override;
    std::optional<std::string> open_file(const FileDialogRequest& request) override;
    std::optional<std::string> save_file(const FileDialogRequest& request) override;
    bool choose_printer() override;
    std::unique_ptr<Canvas> current_printer(const std::string& report_name,
                                            const std::string& part_name = std::string()) override;
    void show_help(int context) override { help_contexts.push_back(context); }
    void show_help_topic(const std::string&, const std::string& topic) override {
        help_topics.push_back(topic);
    }
    void set_busy(bool busy) override { busy_depth += busy ? 1 : -1; }
    void show_exception(const std::string& text) override { exceptions.push_back(text); }
    std::vector<std::string> help_topics;

private:
    std::deque<std::string> expected_messages_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> open_answers_;
    std::deque<std::optional<std::string>> save_answers_;
    std::deque<bool> printer_answers_;
};
