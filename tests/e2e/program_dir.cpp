#include "program_dir.h"

#include "link/settings_file.h"

#include <QDir>
#include <QFile>

ProgramDir::ProgramDir() {
    if (!m_dir.isValid()) {
        m_error = m_dir.errorString();
        return;
    }
    if (!serial::writeSettingsFile(serial::settingsFilePath(path()), serial::LinkSettings{}, &m_error))
        return;
    const QDir drawn(qEnvironmentVariable("COMMTEST_BIN_DIR") + QStringLiteral("/picture"));
    const QStringList files = drawn.entryList({QStringLiteral("*.BMP")}, QDir::Files);
    if (files.isEmpty()) {
        m_error = QStringLiteral("no pictures in ") + drawn.path();
        return;
    }
    QDir(path()).mkdir(QStringLiteral("picture"));
    for (const QString& file : files)
        if (!QFile::copy(drawn.filePath(file), picture(file)))
            m_error = QStringLiteral("cannot copy ") + file;
}

QString ProgramDir::picture(const QString& fileName) const {
    return path() + QStringLiteral("/picture/") + fileName;
}
