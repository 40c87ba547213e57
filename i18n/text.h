#pragma once
// Captions and messages are written in Chinese, the source language, and translated where they
// are turned into a QString: the language is chosen at start-up, after these constants exist.
// Every text of the program shares one translation context, so that a text means the same
// wherever it is shown.
#include <QString>

#include <utility>

namespace i18n {

inline constexpr char kContext[] = "commtest";

// The text in the language in use; the source text itself when no translation is loaded.
QString tr(const char* sourceUtf8);
QString tr(const QString& source);
// A text made from a pattern with one number or phase letter ("报警%1" → "报警2", "%1相电压" →
// "A相电压"): translated as the pattern is, with the same part put in; the text itself when neither
// it nor its pattern has a translation.
QString trNumbered(const QString& text);

// A constant of a texts header: `inline constexpr i18n::Text kTitle = QT_TRANSLATE_NOOP("commtest", "搜索");`
// It stands wherever a QString is taken and is translated each time it is used.
class Text {
public:
    constexpr Text(const char* sourceUtf8) : m_source(sourceUtf8) {}

    const char* source() const { return m_source; }
    QString toString() const { return tr(m_source); }
    operator QString() const { return toString(); }

    template <typename... Args> QString arg(Args&&... args) const {
        return toString().arg(std::forward<Args>(args)...);
    }

private:
    const char* m_source = "";
};

inline QString operator+(const Text& a, const QString& b) {
    return a.toString() + b;
}
inline QString operator+(const QString& a, const Text& b) {
    return a + b.toString();
}
inline QString operator+(const Text& a, const Text& b) {
    return a.toString() + b.toString();
}
inline bool operator==(const QString& a, const Text& b) {
    return a == b.toString();
}
inline bool operator==(const Text& a, const QString& b) {
    return a.toString() == b;
}
inline bool operator!=(const QString& a, const Text& b) {
    return !(a == b);
}
inline bool operator!=(const Text& a, const QString& b) {
    return !(a == b);
}

} // namespace i18n
