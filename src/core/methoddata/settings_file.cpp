#include "methoddata/settings_file.h"

#include "methoddata/tables.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/text_util.h"

const std::string settings_file_name = "5847file_standalone.ini";

namespace {
const std::string section = "File";
}

std::string settings_file_path() { return join_path(install_path, settings_file_name); }

bool read_file_paths(PathSettings& settings) {
    IniFile ini;
    ini.load(resolve_path(settings_file_path()));
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
        settings.slot[k.slot] = ini.get_string(section, k.key, kUnconfigured);
        if (settings.slot[k.slot] == kUnconfigured) all_configured = false;
    }
    return all_configured;
}

bool write_file_setting(const std::string& key, const std::string& value) {
    std::string path = resolve_path(settings_file_path());
    IniFile ini;
    ini.load(path);  // a missing file starts empty
    ini.set_path(path);
    ini.set_string(section, key, to_upper(value));
    return ini.save();
}

void SavePathSetting(const std::string& kind) {
    if (kind == "mdl") write_file_setting("mdlPath", folder_settings.slot[kMdlPathSlot]);
}
