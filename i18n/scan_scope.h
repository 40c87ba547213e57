#pragma once
// Where the program's texts and their translation live in the source tree.
#include <QString>
#include <QStringList>

namespace i18n {

inline const QString kTsFile = QStringLiteral("i18n/commtest_en.ts");
// Files and folders whose Chinese is kept on purpose, one a line, with the reason.
inline const QString kExemptionsFile = QStringLiteral("i18n/untranslated.txt");
// Nothing in these is shown to a user of the program.
inline const QStringList kSkippedFolders = {QStringLiteral("tests"), QStringLiteral("fuzz"),
                                            QStringLiteral("bench")};

} // namespace i18n
