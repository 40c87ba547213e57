#include "config/data_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace config {

namespace {

const QString kData = QStringLiteral("data");
const QString kPictures = QStringLiteral("picture");

} // namespace

bool isWritableFolder(const QString& path) {
    const QFileInfo folder(path);
    return folder.isDir() && folder.isWritable();
}

DataFolders DataFolders::beside(const QString& programDir) {
    const QString data = QDir(programDir).filePath(kData);
    return {programDir, data, data, programDir, false};
}

DataFolders locateDataFolders(const QString& programDir, const QString& installedResources,
                              const QString& userConfig, const QString& userData,
                              const WritableCheck& writable) {
    DataFolders folders = DataFolders::beside(programDir);
    const QString installed = QDir::cleanPath(QDir(programDir).filePath(installedResources));
    if (!QFileInfo(QDir(programDir).filePath(kPictures)).isDir() && QFileInfo(installed).isDir())
        folders.resources = installed;
    if (writable(QDir(programDir).filePath(kData))) return folders;
    folders.settings = userConfig;
    folders.history = userData;
    folders.relativeBase = userData;
    folders.perUser = true;
    return folders;
}

QStringList settingsFileNames() {
    return {QStringLiteral("Communicate.txt"), QStringLiteral("commtest.ini")};
}

QStringList seedSettings(const DataFolders& folders, const QString& programDir) {
    if (!folders.perUser) return {};
    // A read-only data/ folder beside the program holds that copy's own defaults.
    const QString besideProgram = QDir(programDir).filePath(kData);
    const QDir defaults(QFileInfo(besideProgram).isDir() ? besideProgram
                                                         : QDir(folders.resources).filePath(kData));
    const QDir target(folders.settings);
    QStringList problems;
    for (const QString& name : settingsFileNames()) {
        const QString from = defaults.filePath(name);
        const QString to = target.filePath(name);
        if (!QFileInfo::exists(from) || QFileInfo::exists(to)) continue;
        if (!QDir().mkpath(folders.settings)) {
            problems << QStringLiteral("cannot create %1").arg(folders.settings);
            break;
        }
        QFile source(from);
        if (!source.copy(to)) {
            problems << QStringLiteral("cannot copy %1 to %2: %3").arg(from, to, source.errorString());
            continue;
        }
        // An installed default is read-only; the user's copy must not be.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return problems;
}

} // namespace config
