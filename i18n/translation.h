#pragma once
// The loaded translation of the program's texts. Chinese is the source language and needs none.
#include "i18n/language.h"

#include <QString>

#include <memory>

class QTranslator;

namespace i18n {

// <folder>/commtest_<code>.qm
QString translationFile(const QString& folder, Language language);

class Translation {
public:
    Translation();
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Replaces the installed translation by that of `language`, read from `folder`. On failure
    // the program speaks Chinese and `error` says why.
    bool install(Language language, const QString& folder, QString* error = nullptr);
    // Back to the source language.
    void remove();

    Language language() const { return m_language; }

private:
    std::unique_ptr<QTranslator> m_translator;
    Language m_language = Language::Chinese;
};

} // namespace i18n
