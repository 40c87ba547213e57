#include "i18n/source_texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace i18n {

namespace {

bool isIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

void appendUtf8(QByteArray& out, uint code) {
    out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1).toUtf8();
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the body of an ordinary literal from just after its opening quote; `i` ends after the
// closing quote. Escapes give the bytes the compiler would store.
QByteArray readLiteral(const QByteArray& s, qsizetype& i, int& line) {
    QByteArray out;
    while (i < s.size() && s[i] != '"') {
        const char c = s[i++];
        if (c == '\n') { // unterminated: stop at the line's end as the compiler would complain
            ++line;
            return out;
        }
        if (c != '\\' || i >= s.size()) {
            out += c;
            continue;
        }
        const char e = s[i++];
        switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'v': out += '\v'; break;
        case '\n': ++line; break; // line continuation
        case 'x': {
            uint v = 0;
            while (i < s.size() && hexValue(s[i]) >= 0)
                v = v * 16 + uint(hexValue(s[i++]));
            out += char(v & 0xFF);
            break;
        }
        case 'u':
        case 'U': {
            uint v = 0;
            for (int n = e == 'u' ? 4 : 8; n > 0 && i < s.size() && hexValue(s[i]) >= 0; --n)
                v = v * 16 + uint(hexValue(s[i++]));
            appendUtf8(out, v);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                uint v = uint(e - '0');
                for (int n = 1; n < 3 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++n)
                    v = v * 8 + uint(s[i++] - '0');
                out += char(v & 0xFF);
            } else {
                out += e; // \" \' \\ \?
            }
        }
    }
    ++i; // the closing quote
    return out;
}

// A raw literal R"delim( ... )delim", from just after its opening quote.
QByteArray readRawLiteral(const QByteArray& s, qsizetype& i, int& line) {
    const qsizetype open = s.indexOf('(', i);
    if (open < 0) {
        i = s.size();
        return {};
    }
    const QByteArray close = ')' + s.mid(i, open - i) + '"';
    qsizetype end = s.indexOf(close, open + 1);
    if (end < 0) end = s.size();
    const QByteArray body = s.mid(open + 1, end - open - 1);
    line += int(s.mid(i, end - i).count('\n'));
    i = std::min(s.size(), end + close.size());
    return body;
}

// Whether the literal starting at `start` is the text argument of QT_TRANSLATE_NOOP("commtest", ...).
bool isMarked(const QByteArray& s, qsizetype start) {
    static const QRegularExpression mark(
        QStringLiteral("QT_TRANSLATE_NOOP\\s*\\(\\s*\"commtest\"\\s*,\\s*$"));
    const qsizetype from = std::max<qsizetype>(0, start - 120);
    return mark.match(QString::fromUtf8(s.mid(from, start - from))).hasMatch();
}

// Whether the literal starting at `start` is the argument of a QObject's tr().
bool isClassTr(const QByteArray& s, qsizetype start) {
    static const QRegularExpression call(QStringLiteral("(?<!i18n::)(?<!\\w)tr\\s*\\(\\s*$"));
    const qsizetype from = std::max<qsizetype>(0, start - 40);
    return call.match(QString::fromUtf8(s.mid(from, start - from))).hasMatch();
}

} // namespace

bool containsChinese(QStringView text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3400 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

QVector<SourceText> chineseLiterals(const QByteArray& s, const QString& file) {
    QVector<SourceText> found;
    // The literal being built from adjacent pieces, and whether only blanks and comments followed it.
    QByteArray pending;
    SourceText pendingText;
    bool open = false;
    const auto flush = [&] {
        if (!open) return;
        open = false;
        pendingText.text = QString::fromUtf8(pending);
        if (containsChinese(pendingText.text)) found.append(pendingText);
        pending.clear();
    };

    int line = 1;
    qsizetype i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++i;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') {
            const qsizetype end = s.indexOf('\n', i);
            i = end < 0 ? s.size() : end;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            qsizetype end = s.indexOf("*/", i + 2);
            end = end < 0 ? s.size() : end + 2;
            line += int(s.mid(i, end - i).count('\n'));
            i = end;
        } else if (c == '"') {
            // A prefix (u8, u, U, L, R and their combinations) stands right before the quote.
            qsizetype p = i;
            while (p > 0 && isIdentifierChar(s[p - 1]))
                --p;
            const QByteArray prefix = s.mid(p, i - p);
            static const QList<QByteArray> prefixes = {"", "u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"};
            if (!prefixes.contains(prefix)) flush();
            if (!open) {
                pendingText = SourceText{{}, file, line, isMarked(s, p), isClassTr(s, p)};
                open = true;
            }
            ++i;
            pending += prefix.endsWith('R') ? readRawLiteral(s, i, line) : readLiteral(s, i, line);
        } else if (c == '\'') {
            flush();
            // A digit separator (1'000) is not a character literal: the token before it is a number.
            qsizetype p = i;
            while (p > 0 && isIdentifierChar(s[p - 1]))
                --p;
            if (p < i && s[p] >= '0' && s[p] <= '9') {
                ++i;
                continue;
            }
            ++i;
            while (i < s.size() && s[i] != '\'' && s[i] != '\n')
                i += s[i] == '\\' ? 2 : 1;
            ++i;
        } else {
            // An identifier may be a literal's prefix: keep the literal open until we know.
            if (!isIdentifierChar(c))
                flush();
            else {
                qsizetype e = i;
                while (e < s.size() && isIdentifierChar(s[e]))
                    ++e;
                if (e >= s.size() || s[e] != '"') flush();
                i = e;
                continue;
            }
            ++i;
        }
    }
    flush();
    return found;
}

QVector<SourceText> scanSources(const QString& root, const QStringList& skipped) {
    const QDir top(root);
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = top.relativeFilePath(it.next());
        const QStringList parts = relative.split(QLatin1Char('/'));
        const bool hidden = std::any_of(parts.cbegin(), parts.cend() - 1, [](const QString& part) {
            return part.startsWith(QLatin1Char('.')) || part.startsWith(QLatin1String("build"));
        });
        const bool skip = std::any_of(skipped.cbegin(), skipped.cend(), [&relative](const QString& folder) {
            return relative == folder || relative.startsWith(folder + QLatin1Char('/'));
        });
        if (!hidden && !skip) files << relative;
    }
    std::sort(files.begin(), files.end());
    QVector<SourceText> all;
    for (const QString& relative : files) {
        QFile file(top.filePath(relative));
        if (!file.open(QIODevice::ReadOnly)) continue;
        all += chineseLiterals(file.readAll(), relative);
    }
    return all;
}

} // namespace i18n
