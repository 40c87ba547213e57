#include "terminal/byte_text.h"

#include "terminal/terminal_texts.h"

namespace terminal {

namespace {
const char kDigits[] = "0123456789ABCDEF";

int hexValue(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}
} // namespace

QString escapedText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() + 8);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\r')
            text += QLatin1String("\\r");
        else if (b == '\n')
            text += QLatin1String("\\n");
        else if (b == '\\')
            text += QLatin1String("\\\\");
        else if (b < 0x20 || b > 0x7E) {
            text += QLatin1String("\\x");
            text += QLatin1Char(kDigits[b >> 4]);
            text += QLatin1Char(kDigits[b & 0xF]);
        } else
            text += QLatin1Char(ch);
    }
    return text;
}

QString hexText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QLatin1Char(kDigits[b >> 4]);
        text += QLatin1Char(kDigits[b & 0xF]);
    }
    return text;
}

std::optional<QByteArray> parseEscapes(const QString& typed, QString* error) {
    auto fail = [error](const QString& why) -> std::optional<QByteArray> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (typed.isEmpty()) return fail(texts::kEmptyText);
    QByteArray bytes;
    for (int i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c.unicode() > 0xFF) return fail(texts::kBadChar.arg(i + 1));
        if (c != QLatin1Char('\\')) {
            bytes += static_cast<char>(c.unicode());
            continue;
        }
        const QChar next = i + 1 < typed.size() ? typed.at(i + 1) : QChar();
        if (next == QLatin1Char('r')) {
            bytes += '\r';
            ++i;
        } else if (next == QLatin1Char('n')) {
            bytes += '\n';
            ++i;
        } else if (next == QLatin1Char('\\')) {
            bytes += '\\';
            ++i;
        } else if (next == QLatin1Char('x') && i + 3 < typed.size() && hexValue(typed.at(i + 2)) >= 0 &&
                   hexValue(typed.at(i + 3)) >= 0) {
            bytes += static_cast<char>(hexValue(typed.at(i + 2)) * 16 + hexValue(typed.at(i + 3)));
            i += 3;
        } else
            return fail(texts::kBadEscape.arg(i + 1));
    }
    return bytes;
}

} // namespace terminal
