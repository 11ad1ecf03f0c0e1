#pragma once
// The program writes file filters as "Description (*.ext)|*.ext|..."; Qt wants
// "Description (*.ext);;...". File names are matched without regard to case.
#include <QString>
#include <string>

QString qt_name_filters(const std::string& filter);
