#include "config/app_settings.h"

#include "config/config_texts.h"
#include "config/settings_format.h"
#include "link/message_sink.h"

#include <QDir>
#include <QFile>

namespace config {

AppSettings::AppSettings(const QString& programDir) : AppSettings(DataFolders::beside(programDir)) {}

AppSettings::AppSettings(const DataFolders& folders) : m_folders(folders) {}

QString AppSettings::filePath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("data/commtest.ini"));
}

QString AppSettings::path() const {
    return QDir(m_folders.settings).filePath(QStringLiteral("commtest.ini"));
}

QString AppSettings::historyFolder() const {
    if (m_values.historyFolder.isEmpty()) return m_folders.history;
    return QDir::cleanPath(QDir(m_folders.relativeBase).absoluteFilePath(m_values.historyFolder));
}

QString AppSettings::historyDatabasePath() const {
    return QDir(historyFolder()).filePath(QStringLiteral("history.db"));
}

bool AppSettings::load(serial::MessageSink& messages, QWidget* parent) {
    m_values = AppValues{};
    m_problems.clear();
    QFile file(path());
    if (!file.exists()) return true;
    if (file.size() > kMaxFileSize) {
        m_problems << texts::kTooLarge.arg(file.size());
    } else if (!file.open(QIODevice::ReadOnly)) {
        m_problems << texts::kCannotRead.arg(file.errorString());
    } else {
        ParsedValues parsed = parseAppSettings(file.read(kMaxFileSize + 1));
        m_values = parsed.values;
        m_problems = parsed.problems;
    }
    if (m_problems.isEmpty()) return true;
    messages.show(parent,
                  texts::kUnusable.arg(QDir::toNativeSeparators(path()), m_problems.join(QLatin1Char('\n'))),
                  texts::kUnusableTitle);
    return false;
}

bool AppSettings::save(QString* error) const {
    return save([](QIODevice& file, const QByteArray& bytes) { return file.write(bytes); }, error);
}

bool AppSettings::save(const serial::ByteWriter& write, QString* error) const {
    return serial::replaceFile(path(), formatAppSettings(m_values), write, error);
}

bool AppSettings::save(serial::MessageSink& messages, QWidget* parent) const {
    QString error;
    if (save(&error)) return true;
    messages.show(parent, texts::kSaveFailed.arg(QDir::toNativeSeparators(path()), error),
                  texts::kSaveFailedTitle);
    return false;
}

} // namespace config
