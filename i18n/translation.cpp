#include "i18n/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace i18n {

QString translationFile(const QString& folder, Language language) {
    return QDir(folder).filePath(QStringLiteral("commtest_%1.qm").arg(languageCode(language)));
}

Translation::Translation() = default;

Translation::~Translation() {
    remove();
}

bool Translation::install(Language language, const QString& folder, QString* error) {
    remove();
    if (language == Language::Chinese) return true;
    const QString path = translationFile(folder, language);
    auto translator = std::make_unique<QTranslator>();
    // QTranslator::load() says only whether it worked; tell a missing file from a damaged one.
    if (!translator->load(path)) {
        if (error)
            *error = QFileInfo::exists(path) ? QStringLiteral("%1 is not a translation file").arg(path)
                                             : QStringLiteral("%1 is missing").arg(path);
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_language = language;
    return true;
}

void Translation::remove() {
    if (m_translator) QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    m_language = Language::Chinese;
}

} // namespace i18n
