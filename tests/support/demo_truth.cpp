#include "demo_truth.h"

#include <gtest/gtest.h>

#include "platform/number_text.h"
#include "platform/text_file.h"
#include "platform/text_util.h"
#include "test_files.h"

std::map<std::string, std::vector<double>> demo_sample_amounts() {
    std::vector<std::string> lines;
    EXPECT_TRUE(read_text_lines(example_file("runs_truth.txt"), lines));
    std::map<std::string, std::vector<double>> amounts;
    size_t i = 0;
    while (i < lines.size() && lines[i] != "sample amounts (ug/L, 0 = absent)") ++i;
    for (i += 2; i < lines.size() && !trim(lines[i]).empty(); ++i) {
        std::vector<std::string> fields = split(lines[i], '\t');
        for (size_t s = 1; s < fields.size(); ++s) amounts[fields[0]].push_back(to_double_strict(fields[s]));
    }
    return amounts;
}
