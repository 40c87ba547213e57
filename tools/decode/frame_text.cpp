#include "frame_text.h"

namespace decode {

namespace {

constexpr char kCR = '\r';

QByteArray unescaped(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        const char next = i + 1 < text.size() ? text.at(i + 1) : '\0';
        if (c == '\\' && (next == 'r' || next == 'n' || next == '\\')) {
            out.append(next == 'r' ? '\r' : next == 'n' ? '\n' : '\\');
            ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace

QByteArray frameFromArgument(const QByteArray& argument) {
    QByteArray frame = unescaped(argument);
    if (!frame.contains(kCR)) frame.append(kCR);
    return frame;
}

QByteArray frameFromLine(const QByteArray& line) {
    QByteArray frame = line;
    if (frame.endsWith('\n')) frame.chop(1);
    if (frame.endsWith('\r')) frame.chop(1);
    frame.append(kCR);
    return frame;
}

} // namespace decode
