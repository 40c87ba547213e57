#pragma once
// The program's command line: commtest [--lang zh|en] [--smoke-test PNG]
#include "i18n/language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

struct Options {
    std::optional<i18n::Language> language; // none: the settings or the system decide
    QString smokeShot;                      // --smoke-test: where the search dialog's picture goes
    bool help = false;
    bool version = false;
    QString error; // a message for standard error; the program then ends with status 2
};

// `arguments` as QCoreApplication::arguments() gives them, the program's name first.
Options parseOptions(const QStringList& arguments);

QString helpText();

} // namespace app
