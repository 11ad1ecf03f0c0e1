#include "methoddata/sample_settings.h"

std::array<double, kSampleSlots> sample_sizes{};
std::array<std::string, kSampleSlots> sample_limit_files;
std::array<std::int32_t, kSampleSlots> sample_sigmas{};
std::array<double, kSampleSlots> sample_crql_percents{};
SampleIds sample_ids;
SampleInputCarry sample_input_carry;
u8 smooth_first_pass = 0;

void clear_sample_information() {
    sample_sizes.fill(0.0);
    sample_limit_files.fill(std::string());
    sample_sigmas.fill(0);
    sample_crql_percents.fill(0.0);
    sample_ids = SampleIds{};
}

void construct_sample_information() {
    clear_sample_information();
    sample_input_carry = SampleInputCarry{};
    smooth_first_pass = 0;
}
