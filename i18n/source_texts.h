#pragma once
// Finds the texts a translation must cover: every string literal of the program's C++ sources that
// contains Chinese. Adjacent literals count as one, escapes are decoded, comments are skipped.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace i18n {

struct SourceText {
    QString text;
    QString file; // relative to the scanned folder, '/' separated
    int line = 0;
    // Written as QT_TRANSLATE_NOOP("commtest", ...): meant for translation where it is used.
    bool marked = false;
    // Given to a QObject's tr(), which looks it up under the class's name, not "commtest".
    bool inClassContext = false;
};

// Ideographs, CJK punctuation and full-width forms.
bool containsChinese(QStringView text);

// The literals of one source file that contain Chinese, in order.
QVector<SourceText> chineseLiterals(const QByteArray& source, const QString& file);

// Every .h and .cpp under `root`, in path order, except in the folders named in `skipped` (paths
// relative to root) and in hidden and build folders.
QVector<SourceText> scanSources(const QString& root, const QStringList& skipped);

} // namespace i18n
