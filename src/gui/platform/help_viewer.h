#pragma once
// The program's help: small HTML pages built into the program, one per help context
// ("context_5.html") or named topic, shown in one help window.
#include <QString>

// Shows the page; false when the program has no such page.
bool show_help_viewer(const QString& page);
// The built-in page's address, empty when there is none.
QString help_page_url(const QString& page);
