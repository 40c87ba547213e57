#pragma once
// Instrument replies for tests: "@", address, four filler characters, type code, data from
// character 10, check, CR.
#include "protocol/encodings.h"
#include "protocol/frame.h"

#include <QByteArray>
#include <initializer_list>

inline QByteArray reply(const QByteArray& address, const QByteArray& type, const QByteArray& data = "0000") {
    const QByteArray body = address + "0000" + type + data;
    return '@' + body + protocol::MakeCheck(body) + protocol::kCR;
}

// The reply of the instrument at address 01, as the view tests read it.
inline QByteArray replyLine(const QByteArray& type, const QByteArray& data) {
    return reply("01", type, data);
}

// A reply cut off after its type code: every data field lies beyond the end of the line.
inline QByteArray shortReply(const QByteArray& type) {
    return "@010000" + type + protocol::kCR;
}

// Eight-digit float fields laid end to end.
inline QByteArray floatFields(std::initializer_list<float> values) {
    QByteArray out;
    for (float v : values)
        out += protocol::floatToHex(v);
    return out;
}
