#include "methoddata/library_sync.h"

#include <algorithm>

#include "methoddata/mismatch_report.h"
#include "methoddata/surrogate_library_row.h"
#include "platform/ui_services.h"

int ask_rename_compound(int r, int k, const LibraryTable& library, SurrogateTable& surrogates) {
    const std::string question = "Library compound: " + library[r].name +
                                 " ---> Surrogate compound: " + surrogates[k].name +
                                 "\nIs this a rename?";
    if (ui().message(question, "Warning", Buttons::YesNo, Icon::Warning) != Answer::Yes)
        return kNotInStep;
    // The record now stands for this library compound, so it takes the compound's
    // properties too: the models must not go on with the old compound's bp and rvw.
    SurrogateRecord& record = surrogates[k];
    record.name = library[r].name;
    take_library_row(record, r, library);
    method_data.surrogate_file_written = 0;
    return kInStepAfterRenames;
}

int library_sync_code(LibraryTable& library, SurrogateTable& surrogates) {
    const int records = surrogate_records_in_use();
    const int rows = library_rows_in_use();
    int code = kInStep;
    int k = 0;
    for (int r = 0; r < rows; ++r) {
        if (!library[r].is_internal_standard) continue;
        if (k >= records) return kNotInStep;
        if (library[r].name != surrogates[k].name) {
            code = ask_rename_compound(r, k, library, surrogates);
            if (code > kInStepAfterRenames) return code;
        }
        ++k;
    }
    // Records left over: the file lists internal standards the library does not have.
    return k != records ? kNotInStep : code;
}

void show_sync_warning(int code) {
    if (code == kInStepAfterRenames)
        ui().message(
            "The surrogate file has been modified.\nSave the file in the Surrogate Data form.",
            "Warning", Buttons::Ok, Icon::Warning);
    else if (code == kNotInStep)
        ui().message(
            "The internal standard file is not synchronized to the compound library.\n"
            "You must create a new internal standard file and enter the settings.\nA printout is "
            "being produced.",
            "Warning", Buttons::Ok, Icon::Warning);
}

bool check_library_sync(LibraryTable& library, SurrogateTable& surrogates) {
    const int code = library_sync_code(library, surrogates);
    if (code != kInStep) show_sync_warning(code);
    if (code == kNotInStep) write_mismatch_report(library, surrogates);
    return code < 2;
}
