// Brings the translation file up to date with the texts of the sources:
//   commtest-ts-refresh [--check] SOURCE_ROOT
// reads and rewrites SOURCE_ROOT/i18n/commtest_en.ts (existing translations are kept, new texts
// come in unfinished) and lists what still needs a translation. With --check nothing is written,
// and the exit status is 1 when something needs a translation.
#include "i18n/scan_scope.h"
#include "i18n/ts_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool check = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.size() != 1) {
        err << "usage: commtest-ts-refresh [--check] SOURCE_ROOT\n";
        return 2;
    }
    const QDir root(args.first());
    const QString tsPath = root.filePath(i18n::kTsFile);

    QFile tsFile(tsPath);
    i18n::TsFile ts;
    if (tsFile.exists()) {
        if (!tsFile.open(QIODevice::ReadOnly)) {
            err << "cannot read " << tsPath << ": " << tsFile.errorString() << '\n';
            return 1;
        }
        ts = i18n::readTs(tsFile.readAll());
        if (!ts.error.isEmpty()) {
            err << tsPath << ": " << ts.error << " (left as it is)\n";
            return 1;
        }
    }
    QFile exemptFile(root.filePath(i18n::kExemptionsFile));
    const QStringList exempt =
        exemptFile.open(QIODevice::ReadOnly) ? i18n::readExemptions(exemptFile.readAll()) : QStringList();

    const QVector<i18n::SourceText> found = i18n::scanSources(root.path(), i18n::kSkippedFolders);
    i18n::RefreshCount count;
    // The translation file lies in i18n/; its locations lead from there.
    const i18n::TsFile fresh = i18n::refreshed(ts, found, &count, QStringLiteral("../"));
    const QStringList problems = i18n::unmarkedTexts(found) + i18n::translationGaps(fresh, found, exempt);

    if (!check) {
        QSaveFile save(tsPath);
        if (!save.open(QIODevice::WriteOnly) || save.write(i18n::writeTs(fresh)) < 0 || !save.commit()) {
            err << "cannot write " << tsPath << ": " << save.errorString() << '\n';
            return 1;
        }
        out << tsPath << ": " << fresh.messages.size() << " texts, " << count.added << " new, "
            << count.vanished << " no longer used\n";
    }
    for (const QString& problem : problems)
        out << problem << '\n';
    if (!problems.isEmpty())
        out << problems.size() << " to do: translate them in " << i18n::kTsFile
            << " (Qt Linguist, or by hand: fill <translation> and remove type=\"unfinished\")\n";
    return check && !problems.isEmpty() ? 1 : 0;
}
