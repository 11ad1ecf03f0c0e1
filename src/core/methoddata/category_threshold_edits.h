#pragma once
// The six class thresholds of category_thresholds as the class-ranges window edits
// them, in the order vcs, vcsLn, n_pvcs, n_pvcsLn, svc, svcLn.
#include <array>
#include <string>

using ThresholdTexts = std::array<std::string, 6>;

// Each threshold in the general form, except that the svc edit shows vcs: the
// semi-volatile threshold always mirrors the volatile one.
ThresholdTexts shown_threshold_texts();

// What the svc edit shows while vcs is typed: the text read whole (an empty or non-numeric
// text throws ConversionError naming the vcs edit) in the general form.
std::string mirrored_svc_text(const std::string& vcs_text);

// Stores the six texts: a blank text takes its default (159.0, 100.0, 159.0, 100.0, 159.0,
// 0.0), any other is read whole. A text that is no number is refused with a message naming
// its edit, and no threshold is stored; true when all six were stored.
bool apply_threshold_texts(const ThresholdTexts& texts);
