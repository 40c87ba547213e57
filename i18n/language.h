#pragma once
// Which language the program speaks: the command line first, then the 配置 choice, then the
// system. Chinese, the source language, is the answer whenever English is not asked for.
#include <QString>
#include <QStringList>

#include <optional>

namespace i18n {

enum class Language { Chinese, English };

// "zh" or "en", the two codes of the command line and of the settings file.
QString languageCode(Language language);
// Exactly "zh" or "en"; anything else is no language.
std::optional<Language> parseLanguageCode(const QString& code);

// A language name from the settings file ("en", "en_GB", "zh-Hans-CN", ...): English for every
// English name, Chinese for any other; none for an empty name, which means "follow the system".
std::optional<Language> configuredLanguage(const QString& name);

// The system's preferred interface languages in order (QLocale::system().uiLanguages()): English
// when the first is English; any other first choice, or none (the C locale), gives Chinese.
Language systemLanguage(const QStringList& uiLanguages);

Language chooseLanguage(std::optional<Language> commandLine, const QString& configured,
                        const QStringList& uiLanguages);

} // namespace i18n
