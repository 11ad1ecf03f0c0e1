#include "app/application.h"

#include "app/main_form.h"
#include "app/windows.h"
#include "methoddata/tables.h"
#include "platform/guarded_application.h"
#include "platform/memory_settings.h"
#include "platform/qt_ui_services.h"
#include "platform/single_instance.h"
#include "program/program_state.h"

namespace {
const char* const application_title = "Method 5847 Correction";
}

int run_application(int argc, char** argv) {
    keep_freed_memory();
    GuardedApplication app(argc, argv);
    QtUiServices services(application_title);
    set_ui(&services);

    SingleInstanceLock lock(program_lock_file());
    if (!claim_single_instance(lock)) {
        set_ui(nullptr);
        return 0;
    }

    QApplication::setApplicationName(application_title);
    construct_method_data();
    create_windows();
    main_form->show();
    app.exec();
    destroy_windows();
    set_ui(nullptr);
    return 0;
}
