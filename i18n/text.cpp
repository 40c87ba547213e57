#include "i18n/text.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace i18n {

QString tr(const char* sourceUtf8) {
    return QCoreApplication::translate(kContext, sourceUtf8);
}

QString tr(const QString& source) {
    return source.isEmpty() ? source : QCoreApplication::translate(kContext, source.toUtf8().constData());
}

QString trNumbered(const QString& text) {
    const QString whole = tr(text);
    if (whole != text) return whole;
    // The variable part: digits, or one capital letter standing alone (a phase: "A相电压").
    static const QRegularExpression numbered(
        QStringLiteral("^(\\D*?)(\\d+|(?<![A-Za-z])[A-Z](?![A-Za-z]))(\\D*)$"));
    const QRegularExpressionMatch m = numbered.match(text);
    if (!m.hasMatch()) return text;
    const QString pattern = m.captured(1) + QStringLiteral("%1") + m.captured(3);
    const QString translated = tr(pattern);
    return translated == pattern ? text : translated.arg(m.captured(2));
}

} // namespace i18n
