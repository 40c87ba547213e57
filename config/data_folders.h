#pragma once
// Where the program finds its own files and keeps the user's. A copy that can write to its own
// data/ folder (a build tree, an unpacked folder) keeps the settings and the history there, as it
// always has; an installed copy cannot, and keeps them in the user's configuration and data
// folders instead, first seeded with the installed default settings.
#include <QString>
#include <QStringList>

#include <functional>

namespace config {

struct DataFolders {
    QString resources;    // pictures, translations, manual, default settings (read only)
    QString settings;     // Communicate.txt and commtest.ini
    QString history;      // the history database, unless the settings choose another folder
    QString relativeBase; // what a relative history folder in the settings is relative to
    bool perUser = false; // settings and history in the user's folders

    // Everything beside the program, in <program dir>/data.
    static DataFolders beside(const QString& programDir);

    bool operator==(const DataFolders& o) const {
        return resources == o.resources && settings == o.settings && history == o.history &&
               relativeBase == o.relativeBase && perUser == o.perUser;
    }
};

// An existing folder this process may write to.
bool isWritableFolder(const QString& path);
using WritableCheck = std::function<bool(const QString& path)>;

// `programDir`: the folder of the executable. `installedResources`: the installed program's
// files relative to it ("../share/commtest"), used when `programDir` has no pictures of its own.
// `userConfig`, `userData`: the user's folders for this program (QStandardPaths). `writable`
// tells whether <program dir>/data may be written.
DataFolders locateDataFolders(const QString& programDir, const QString& installedResources,
                              const QString& userConfig, const QString& userData,
                              const WritableCheck& writable = isWritableFolder);

// The names of the files a settings folder holds.
QStringList settingsFileNames();

// Copies each default settings file of the resources (or of a read-only data/ folder beside the
// program) that the user's settings folder lacks; an existing file is never replaced. Returns
// what could not be copied, one line each.
QStringList seedSettings(const DataFolders& folders, const QString& programDir);

} // namespace config
