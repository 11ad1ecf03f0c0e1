#include "methoddata/settings_file.h"

#include "methoddata/program_paths.h"
#include "methoddata/settings_file_warnings.h"
#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_util.h"
#include "platform/ui_services.h"

const std::string settings_file_name = "5847file_standalone.ini";

namespace {
const std::string section = "File";
}

std::string settings_file_path() { return join_path(program_paths.install_path, settings_file_name); }

namespace {

// Loads the settings file; false when it exists but could not be read whole. The analyst
// hears of that once in a run: the file is then never written, so that the folders it
// holds are not replaced by the one just chosen.
bool load_settings_file(IniFile& ini) {
    const std::string path = resolve_path(settings_file_path());
    const IniLoad result = ini.load_file(path);
    if (result == IniLoad::Loaded || result == IniLoad::Missing) return true;
    if (!settings_file_warnings.settings_file_warning_shown) {
        settings_file_warnings.settings_file_warning_shown = true;
        ui().message("The settings file " + path +
                         " could not be read.\nIt is left as it is: the folders chosen are remembered "
                         "for this run only.",
                     "Warning", Buttons::Ok, Icon::Warning);
    }
    return false;
}

}  // namespace

bool read_file_paths(PathSettings& settings) {
    IniFile ini;
    const bool whole = load_settings_file(ini);
    struct KeySlot {
        const char* key;
        int slot;
    };
    static const KeySlot keys[] = {{"filePath", kFilePathSlot},
                                   {"dataPath", kDataPathSlot},
                                   {"calibrationPath", kCalibrationPathSlot},
                                   {"surrogatePath", kSurrogatePathSlot},
                                   {"mdlPath", kMdlPathSlot}};
    bool all_configured = true;
    for (const auto& k : keys) {
        // From a file read only in part, a folder it does not hold keeps the one of this run.
        if (whole || ini.has_key(section, k.key)) settings.slot[k.slot] = ini.get_string(section, k.key, kUnconfigured);
        if (settings.slot[k.slot] == kUnconfigured) all_configured = false;
    }
    return all_configured;
}

bool write_file_setting(const std::string& key, const std::string& value) {
    IniFile ini;
    if (!load_settings_file(ini)) return false;
    const std::string stored = to_upper(value);
    // Writing the value the file holds would only touch the file (and fail on a
    // read-only install folder) for nothing.
    if (ini.has_key(section, key) && ini.get_string(section, key, "") == stored) return true;
    ini.set_path(resolve_path(settings_file_path()));
    ini.set_string(section, key, stored);
    std::string why;
    if (ini.save(&why)) return true;
    // Said once in a run: every later folder choice would fail the same way.
    if (!settings_file_warnings.settings_file_write_warning_shown) {
        settings_file_warnings.settings_file_write_warning_shown = true;
        ui().message("The settings file " + ini.path() + " could not be written:\n" + why +
                         "\nThe folders chosen are remembered for this run only.",
                     "Warning", Buttons::Ok, Icon::Warning);
    }
    return false;
}

void SavePathSetting(const std::string& kind) {
    if (kind == "mdl") write_file_setting("mdlPath", folder_settings.slot[kMdlPathSlot]);
}
