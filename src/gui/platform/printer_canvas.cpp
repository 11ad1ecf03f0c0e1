#include "platform/printer_canvas.h"

#include <QFile>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>
#include <algorithm>
#include <limits>

#include "platform/memory_settings.h"
#include "platform/text_util.h"

QFont qt_font(const CanvasFont& f) {
    QString family = iequals(f.name, "Arial") ? QStringLiteral("Liberation Sans") : QString::fromStdString(f.name);
    QFont font(family);
    font.setPointSize(f.size > 0 ? f.size : 8);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

PrinterCanvas::PrinterCanvas(QPrinter& printer, std::function<void(const PrintOutcome&)> on_end)
    : printer_(printer), font_(qt_font(CanvasFont{})), on_end_(std::move(on_end)) {}

PrinterCanvas::PrinterCanvas(std::unique_ptr<QPrinter> printer, std::function<void(const PrintOutcome&)> on_end)
    : own_printer_(std::move(printer)), printer_(*own_printer_), font_(qt_font(CanvasFont{})),
      on_end_(std::move(on_end)) {}

PrinterCanvas::~PrinterCanvas() {
    if (painter_.isActive()) end_job();
}

PrinterCanvas::FontWork::FontWork(const QFont& f, QPrinter* printer) : font(f, printer), metrics(font, printer) {}

PrinterCanvas::FontWork& PrinterCanvas::work() {
    if (!current_) {
        std::unique_ptr<FontWork>& known = fonts_[font_.key()];
        if (!known) known = std::make_unique<FontWork>(font_, &printer_);
        current_ = known.get();
    }
    return *current_;
}

void PrinterCanvas::forget_fonts() {
    current_ = nullptr;
    fonts_.clear();
}

void PrinterCanvas::set_orientation(Orientation o) {
    forget_fonts();
    printer_.setPageOrientation(o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

namespace {

// A PDF file ends with "%%EOF" once the whole of it is on disk; a full disk cuts it short.
bool pdf_file_complete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 5) return false;
    file.seek(std::max<qint64>(0, file.size() - 1024));
    return file.readAll().contains("%%EOF");
}

}  // namespace

PrintOutcome PrinterCanvas::outcome(bool begun) {
    PrintOutcome o;
    const bool to_file = printer_.outputFormat() == QPrinter::PdfFormat;
    if (to_file) o.file = printer_.outputFileName().toStdString();
    else o.printer = printer_.printerName().toStdString();
    if (!begun) {
        o.failure = to_file ? pdf_start_failure(o.file) : "The printer did not accept the job.";
    } else if (printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted) {
        o.failure = to_file ? pdf_end_failure(remove_incomplete_pdf(o.file)) : "The printer reported an error.";
    } else if (to_file && !pdf_file_complete(printer_.outputFileName())) {
        o.failure = pdf_end_failure(remove_incomplete_pdf(o.file));
    }
    o.printed = o.failure.empty();
    return o;
}

bool PrinterCanvas::begin_job(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
    if (!painter_.begin(&printer_)) {
        if (on_end_) on_end_(outcome(false));
        return false;
    }
    forget_fonts();
    page_ = 1;
    painter_.setFont(work().font);
    painter_.setPen(QPen(Qt::black, pen_width_));
    return true;
}

void PrinterCanvas::end_job() {
    if (!painter_.isActive()) return;
    painter_.end();
    forget_fonts();
    give_back_freed_memory();
    if (on_end_) on_end_(outcome(true));
}

void PrinterCanvas::new_page() {
    if (painter_.isActive() && printer_.newPage()) ++page_;
}

int PrinterCanvas::page_width() const { return printer_.width(); }
int PrinterCanvas::page_height() const { return printer_.height(); }

void PrinterCanvas::set_font(const CanvasFont& f) {
    QFont font = qt_font(f);
    if (font == font_) return;
    font_ = font;
    current_ = nullptr;
    if (painter_.isActive()) painter_.setFont(work().font);
}

namespace {

// Texts with control characters (tabs, line ends) are drawn as drawText draws them; a
// laid-out line would expand or break at them.
bool plain_line(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// A job keeps at most this many shaped texts per font.
constexpr size_t kShapedTextsKept = 20000;

}  // namespace

// Drawing a text shapes it (glyphs, kerning) before anything reaches the page, and a
// report draws the same names, units and qualifiers on every page. A text is shaped
// once per font and the shaped line drawn again: the same glyphs at the same places as
// drawText puts them, for a fraction of the work. Most numbers are drawn only once, and
// a shaped line takes far more memory than its text: a text is kept shaped from its
// second drawing on.
const QTextLayout* PrinterCanvas::shaped(const std::string& text) {
    if (!plain_line(text)) return nullptr;
    FontWork& w = work();
    auto found = w.shaped.find(text);
    if (found == w.shaped.end()) {
        if (w.drawn_once.size() >= kShapedTextsKept) w.drawn_once.clear();
        if (w.drawn_once.insert(text).second) return nullptr;
        w.drawn_once.erase(text);
        if (w.shaped.size() >= kShapedTextsKept) w.shaped.clear();
        auto layout = std::make_unique<QTextLayout>(QString::fromStdString(text), w.font, &printer_);
        layout->setCacheEnabled(true);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout->setTextOption(option);
        layout->beginLayout();
        QTextLine line = layout->createLine();
        if (line.isValid()) line.setLineWidth(std::numeric_limits<int>::max() / 2);
        layout->endLayout();
        found = w.shaped.emplace(text, std::move(layout)).first;
    }
    return found->second->lineCount() == 1 ? found->second.get() : nullptr;
}

void PrinterCanvas::text_out(int x, int y, const std::string& text) {
    if (!painter_.isActive()) return;
    const int baseline = y + work().metrics.ascent();
    if (const QTextLayout* layout = shaped(text)) {
        // A layout is drawn from the top of its line, which lies its own ascent above the baseline.
        layout->draw(&painter_, QPointF(x, baseline - layout->lineAt(0).ascent()));
        return;
    }
    painter_.drawText(QPoint(x, baseline), QString::fromStdString(text));
}

int PrinterCanvas::text_width(const std::string& text) {
    FontWork& w = work();
    auto known = w.widths.find(text);
    if (known != w.widths.end()) return known->second;
    const int width = w.metrics.horizontalAdvance(QString::fromStdString(text));
    w.widths.emplace(text, width);
    return width;
}

int PrinterCanvas::text_height(const std::string&) { return work().metrics.height(); }

void PrinterCanvas::set_pen_width(int width) {
    pen_width_ = width;
    if (painter_.isActive()) painter_.setPen(QPen(Qt::black, width));
}

void PrinterCanvas::line(int x1, int y1, int x2, int y2) {
    if (painter_.isActive()) painter_.drawLine(x1, y1, x2, y2);
}

void PrinterCanvas::ellipse(int x1, int y1, int x2, int y2) {
    if (painter_.isActive()) painter_.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void PrinterCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (painter_.isActive()) painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}
