#pragma once
// Reply lines for the view tests: "@", address 01, four filler characters, the type code, the data
// fields from position 10, the check and CR.
#include "protocol/encodings.h"
#include "protocol/frame.h"

#include <QByteArray>
#include <QMetaType>
#include <initializer_list>

#include "views/view_routine.h"

Q_DECLARE_METATYPE(views::ViewRoutine)
Q_DECLARE_METATYPE(views::Layout)

inline QByteArray replyLine(const char* typeCode, const QByteArray& data) {
    const QByteArray body = QByteArrayLiteral("010000") + typeCode + data;
    return '@' + body + protocol::MakeCheck(body) + protocol::kCR;
}

// A reply cut off after its type code: every data field lies beyond the end of the line.
inline QByteArray cutReplyLine(const char* typeCode) {
    return QByteArrayLiteral("@010000") + typeCode + protocol::kCR;
}

// Eight-digit float fields laid end to end.
inline QByteArray floatFields(std::initializer_list<float> values) {
    QByteArray out;
    for (float v : values)
        out += protocol::floatToHex(v);
    return out;
}
