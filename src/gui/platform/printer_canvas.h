#pragma once
// A Canvas on a QPrinter (a real printer or a PDF file). Text is placed by its top-left
// corner, as the printed layouts expect; Arial is drawn with Liberation Sans, which has
// the same metrics.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/canvas.h"
#include "platform/print_notices.h"

class QPrinter;

class PrinterCanvas : public Canvas {
public:
    // The printer outlives the canvas. on_end is told what became of a job: printed whole
    // once it has ended, or failed, as it ends or when it cannot begin.
    explicit PrinterCanvas(QPrinter& printer, std::function<void(const PrintOutcome&)> on_end = {});
    // A canvas on a printer of its own, for one job.
    explicit PrinterCanvas(std::unique_ptr<QPrinter> printer, std::function<void(const PrintOutcome&)> on_end = {});
    ~PrinterCanvas() override;

    void set_orientation(Orientation orientation) override;
    bool begin_job(const std::string& title) override;
    void end_job() override;
    void new_page() override;
    int page_number() const override { return page_; }
    int page_width() const override;
    int page_height() const override;
    void set_font(const CanvasFont& font) override;
    void text_out(int x, int y, const std::string& text) override;
    int text_width(const std::string& text) override;
    int text_height(const std::string& text) override;
    void set_pen_width(int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;

private:
    // What the canvas knows of one font on the printer. A report measures and draws tens
    // of thousands of texts in a handful of fonts that it changes between all the time,
    // and the same labels, names and units come back on every page.
    struct FontWork {
        FontWork(const QFont& font, QPrinter* printer);
        QFont font;  // for the printer
        QFontMetrics metrics;
        std::unordered_map<std::string, int> widths;
        std::unordered_map<std::string, std::unique_ptr<QTextLayout>> shaped;  // drawn again as they are
        std::unordered_set<std::string> drawn_once;  // texts not yet shaped: drawn once so far
    };
    FontWork& work();  // of the current font
    void forget_fonts();
    const QTextLayout* shaped(const std::string& text);  // nullptr: draw it with drawText

    std::unique_ptr<QPrinter> own_printer_;  // before printer_: it may be the printer
    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    std::unordered_map<QString, std::unique_ptr<FontWork>> fonts_;  // by font key
    FontWork* current_ = nullptr;
    int pen_width_ = 1;
    int page_ = 1;
    PrintOutcome outcome(bool begun);  // an incomplete file of the job is removed
    std::function<void(const PrintOutcome&)> on_end_;
};

// The Qt font for a canvas font.
QFont qt_font(const CanvasFont& font);
