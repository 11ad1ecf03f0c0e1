// Cutting and wrapping texts to the room they have. The answers must be those of measuring
// every candidate in turn (the longest text that fits); the cuts and breaks are found with
// a few measurements instead.
#include "reports/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_canvas.h"
#include "platform/text_util.h"

namespace {

// Uneven widths, as in a real font: narrow and wide letters, a multi-byte character counted
// once, and a kerned pair that draws closer than its letters apart.
class ProportionalCanvas : public RecordingCanvas {
public:
    int measured = 0;
    int text_width(const std::string& text) override {
        ++measured;
        int width = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if ((c & 0xC0) == 0x80) continue;
            width += c == 'i' || c == 'l' || c == '.' ? 5 : c == 'm' || c == 'W' ? 29 : c == ' ' ? 9 : 17;
            if (c == 'V' && i > 0 && text[i - 1] == 'A') width -= 4;
        }
        return width;
    }
};

// The cuts and breaks as measuring every candidate finds them.
std::string every_tail(Canvas& canvas, const std::string& path, int width) {
    if (canvas.text_width(path) <= width) return path;
    for (size_t cut = 1; cut < path.size(); ++cut) {
        if ((static_cast<unsigned char>(path[cut]) & 0xC0) == 0x80) continue;
        if (canvas.text_width("..." + path.substr(cut)) <= width) return "..." + path.substr(cut);
    }
    return "...";
}

std::string every_head(Canvas& canvas, const std::string& text, int width) {
    if (canvas.text_width(text) <= width) return text;
    for (size_t keep = text.size(); keep-- > 0;) {
        if ((static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80) continue;
        if (canvas.text_width(text.substr(0, keep)) <= width) return text.substr(0, keep);
    }
    return "";
}

std::vector<std::string> every_word(Canvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = pos;
        while (pos < text.size() && text[pos] == ' ') ++pos;
        while (pos < text.size() && text[pos] != ' ') ++pos;
        const std::string word = text.substr(start, pos - start);
        if (!line.empty() && canvas.text_width(line + word) > width) {
            lines.push_back(line);
            line = "   " + trim(word);
        } else {
            line += word;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

const std::vector<std::string> kTexts = {
    "",
    "x",
    "/home/analyst/5847dir/Data/2025-09 AVWm/SAMPLE01_CALIBRATION_µg-l.TXT",
    "Qualifiers: U = not detected above the reporting limit, J = estimated below the lowest level, "
    "E = above the highest level, X = no calibration, Q = internal standard outside its limits",
    "  two leading blanks,   runs  of blanks and a trailing one ",
    "Averyveryverylongwordthatnolinecanhold then short words",
    "µg/l µg/kg ±0.5 WWW mmm iii AV AV AV",
};

TEST(PrintLayout, CutsAndBreaksAreThoseOfMeasuringEveryCandidate) {
    ProportionalCanvas canvas;
    for (const std::string& text : kTexts) {
        const int full = canvas.text_width(text);
        for (int width = -1; width <= full + 20; ++width) {
            SCOPED_TRACE("text '" + text + "' width " + std::to_string(width));
            ASSERT_EQ(fit_path(canvas, text, width), every_tail(canvas, text, width));
            ASSERT_EQ(fit_text(canvas, text, width), every_head(canvas, text, width));
            ASSERT_EQ(wrap_text(canvas, text, width), every_word(canvas, text, width));
        }
    }
}

TEST(PrintLayout, CutsAndBreaksNeedAFewMeasurements) {
    ProportionalCanvas canvas;
    std::string path = "/home/analyst";
    while (path.size() < 400) path += "/5847dir/Data";
    fit_path(canvas, path, 300);
    EXPECT_LE(canvas.measured, 12);  // one for the whole path, then halving 400 candidates
    canvas.measured = 0;
    fit_text(canvas, path, 300);
    EXPECT_LE(canvas.measured, 12);

    std::string legend;
    for (int w = 0; w < 400; ++w) legend += "word ";
    canvas.measured = 0;
    const std::vector<std::string> lines = wrap_text(canvas, legend, 40 * 77);  // about 40 words a line
    EXPECT_GE(lines.size(), 9u);
    EXPECT_LT(canvas.measured, 200);  // once per word would be 400
}

}  // namespace
