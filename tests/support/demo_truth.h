#pragma once
// What examples/runs_truth.txt says the demo samples were made of.
#include <map>
#include <string>
#include <vector>

// Amount of every analyte in each demo sample, SAMPLE1 .. SAMPLE6 (0: absent), in ug/L.
std::map<std::string, std::vector<double>> demo_sample_amounts();
