#include "platform/printer_canvas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

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

PrinterCanvas::PrinterCanvas(QPrinter& printer, std::function<void()> on_end)
    : printer_(printer), font_(qt_font(CanvasFont{})), on_end_(std::move(on_end)) {}

PrinterCanvas::~PrinterCanvas() {
    if (painter_.isActive()) end_job();
}

void PrinterCanvas::set_orientation(Orientation o) {
    printer_.setPageOrientation(o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrinterCanvas::begin_job(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
    if (!painter_.begin(&printer_)) return false;
    page_ = 1;
    painter_.setFont(QFont(font_, &printer_));
    painter_.setPen(QPen(Qt::black, pen_width_));
    return true;
}

void PrinterCanvas::end_job() {
    if (!painter_.isActive()) return;
    painter_.end();
    if (on_end_) on_end_();
}

void PrinterCanvas::new_page() {
    if (painter_.isActive() && printer_.newPage()) ++page_;
}

int PrinterCanvas::page_width() const { return printer_.width(); }
int PrinterCanvas::page_height() const { return printer_.height(); }

void PrinterCanvas::set_font(const CanvasFont& f) {
    font_ = qt_font(f);
    if (painter_.isActive()) painter_.setFont(QFont(font_, &printer_));
}

void PrinterCanvas::text_out(int x, int y, const std::string& text) {
    if (!painter_.isActive()) return;
    QFontMetrics metrics(painter_.font(), &printer_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(text));
}

int PrinterCanvas::text_width(const std::string& text) {
    return QFontMetrics(QFont(font_, &printer_), &printer_).horizontalAdvance(QString::fromStdString(text));
}

int PrinterCanvas::text_height(const std::string&) { return QFontMetrics(QFont(font_, &printer_), &printer_).height(); }

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
