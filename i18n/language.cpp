#include "i18n/language.h"

#include <QRegularExpression>

namespace i18n {

namespace {

// "en" of "en", "en_GB", "en-Latn-US"; lower case.
QString primaryTag(const QString& name) {
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    return name.left(end).toLower();
}

} // namespace

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<Language> parseLanguageCode(const QString& code) {
    if (code == QLatin1String("zh")) return Language::Chinese;
    if (code == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

std::optional<Language> configuredLanguage(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    return primaryTag(trimmed) == QLatin1String("en") ? Language::English : Language::Chinese;
}

Language systemLanguage(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) return Language::Chinese;
    return primaryTag(uiLanguages.first()) == QLatin1String("en") ? Language::English : Language::Chinese;
}

Language chooseLanguage(std::optional<Language> commandLine, const QString& configured,
                        const QStringList& uiLanguages) {
    if (commandLine) return *commandLine;
    if (const std::optional<Language> chosen = configuredLanguage(configured)) return *chosen;
    return systemLanguage(uiLanguages);
}

} // namespace i18n
