#pragma once
// Captions that are put together from known texts and numbers ("仪表类型：" + a model name,
// "1路    " + a value) are kept in Chinese where they are made, because some code reads them
// back; they are translated only where they are shown. Each known text found in a caption,
// the longest first, is replaced by its translation; numbers, blanks and unknown text stay.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>

namespace i18n {

class CaptionTranslator {
public:
    // No known texts: every caption stays as it is.
    CaptionTranslator() = default;
    // Translates the known texts now, with the translation installed at this moment.
    explicit CaptionTranslator(const QStringList& knownTexts);

    QString translate(const QString& caption) const;
    // True when no known text has a translation (Chinese, or no translation loaded).
    bool isIdentity() const { return m_byFirstChar.isEmpty(); }

private:
    // (source, translation) by the source's first character, longest source first.
    QHash<QChar, QVector<std::pair<QString, QString>>> m_byFirstChar;
};

} // namespace i18n
