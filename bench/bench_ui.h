#pragma once
// UI services for the timing programs: messages are kept (a run that shows one has gone
// wrong, and the program says which), open dialogs answer from a queue, the printer
// dialog chooses, and the current printer is whatever the program gives it.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/ui_services.h"

class BenchUi : public UiServices {
public:
    BenchUi() { set_ui(this); }
    ~BenchUi() override { set_ui(nullptr); }

    std::deque<std::string> open_answers;
    std::vector<std::string> messages;
    std::function<std::unique_ptr<Canvas>(const std::string&)> printer;

    Answer message(const std::string& text, const std::string& caption, Buttons buttons, Icon) override {
        messages.push_back(caption + ": " + text);
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    std::optional<std::string> open_file(const FileDialogRequest&) override {
        if (open_answers.empty()) return std::nullopt;
        std::string path = open_answers.front();
        open_answers.pop_front();
        return path;
    }
    std::optional<std::string> save_file(const FileDialogRequest&) override { return std::nullopt; }
    bool choose_printer() override { return true; }
    std::unique_ptr<Canvas> current_printer(const std::string& name, const std::string&) override {
        return printer ? printer(name) : nullptr;
    }
    void show_help(int) override {}
    void show_help_topic(const std::string&, const std::string&) override {}
    void set_busy(bool) override {}
    void show_exception(const std::string& text) override { messages.push_back("exception: " + text); }
};
