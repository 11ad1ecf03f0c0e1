#include "platform/file_filter.h"

#include <QStringList>

#include "platform/text_util.h"

QString qt_name_filters(const std::string& filter) {
    auto pieces = split(filter, '|');
    QStringList out;
    for (size_t i = 0; i < pieces.size(); i += 2) {
        QString description = QString::fromStdString(trim(pieces[i]));
        QString patterns = i + 1 < pieces.size() ? QString::fromStdString(trim(pieces[i + 1])) : QString();
        patterns.replace(';', ' ');
        if (patterns.isEmpty() || description.endsWith('(' + patterns + ')'))
            out << description;
        else
            out << description + " (" + patterns + ')';
    }
    return out.join(";;");
}
