#pragma once
// The application settings file data/commtest.ini beside the link settings (Communicate.txt keeps
// only the port and the rate). Loaded once at start-up; the 配置 dialog and later the search
// dialog change values and save them.
#include "config/app_values.h"
#include "config/data_folders.h"
#include "link/settings_file.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace serial {
class MessageSink;
}

namespace config {

class AppSettings {
public:
    explicit AppSettings(const QString& programDir);
    // The file in `folders.settings`, the history in `folders.history`.
    explicit AppSettings(const DataFolders& folders);

    // <program dir>/data/commtest.ini
    static QString filePath(const QString& programDir);
    QString path() const;

    const AppValues& values() const { return m_values; }
    // Takes the values, numbers brought into their bounds. Nothing is written until save().
    void setValues(const AppValues& values) { m_values = bounded(values); }

    // Where the history is kept: the chosen folder (relative to the program's folder, or for an
    // installed program to the user's data folder), or the data folder; and the database file in it.
    QString historyFolder() const;
    QString historyDatabasePath() const;

    // Reads the file. A missing file gives the defaults quietly (the first run). Values that are
    // malformed or out of range, or a file that cannot be read at all, give the defaults for what
    // could not be used and one message through `messages` listing all of it. Returns whether
    // everything was used.
    bool load(serial::MessageSink& messages, QWidget* parent = nullptr);
    // What the last load could not use, one line each.
    const QStringList& problems() const { return m_problems; }

    // Writes the whole file at once (a temporary file renamed over the old one). On failure the
    // old file is untouched and `error` says why.
    bool save(QString* error = nullptr) const;
    // The same with the writing step given, so that tests can make it fail half-way.
    bool save(const serial::ByteWriter& write, QString* error) const;
    // The same, telling the operator when it failed.
    bool save(serial::MessageSink& messages, QWidget* parent = nullptr) const;

    // Larger files are not ours and are not read.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

private:
    DataFolders m_folders;
    AppValues m_values;
    QStringList m_problems;
};

} // namespace config
