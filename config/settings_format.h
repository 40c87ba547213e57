#pragma once
// The application settings file's text: UTF-8, "[section]" headings and "key=value" lines, "#"
// comments. Text values are written in double quotes with backslash escapes; bare values are read
// too, for hand edits. Unknown sections and keys are passed over, so that a file written by a
// later version still loads.
#include "config/app_values.h"

#include <QByteArray>
#include <QStringList>

namespace config {

struct ParsedValues {
    AppValues values;     // what the file gives; the default wherever it gives nothing usable
    QStringList problems; // one line per value that could not be used, for the operator
};

ParsedValues parseAppSettings(const QByteArray& text);
QByteArray formatAppSettings(const AppValues& values);

} // namespace config
