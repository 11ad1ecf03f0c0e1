#pragma once
// The demo data set of examples/ copied into a temporary folder that becomes the working
// folder, so files are named as examples/ names them ("runs/STD1.TXT") and the results
// files the conversions write stay out of examples/.
#include <filesystem>
#include <string>
#include <vector>

#include "test_files.h"

class DemoFolder {
  public:
    DemoFolder();
    ~DemoFolder();
    DemoFolder(const DemoFolder&) = delete;
    DemoFolder& operator=(const DemoFolder&) = delete;
    const std::string& path() const { return temp_.path(); }

  private:
    TempFolder temp_;
    std::filesystem::path previous_;
};

// The demo calibration's standards as examples/README.md lists them, and its reference.
extern const std::vector<std::string> demo_standard_files;
extern const std::vector<std::string> demo_standard_labels;
extern const std::string demo_reference_file;

// Loads the demo library and internal-standard file as the analyst does (relative
// names, in the working folder); false when either fails.
bool load_demo_method();

// Converts the standards and the reference as Add Standard does; false on a refusal.
bool convert_demo_runs(const std::vector<std::string>& standards);

// The whole demo calibration through the build; false when a step fails.
bool build_demo_calibration(const std::vector<std::string>& standards,
                            const std::vector<std::string>& labels);
