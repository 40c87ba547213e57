#pragma once
// Building instrument replies for the scan and poll-cycle tests.
#include "protocol/frame.h"

#include <QByteArray>

// "@" + address + four uninterpreted characters + type + data + check + CR.
inline QByteArray reply(const QByteArray& address, const QByteArray& type, const QByteArray& data = "0000") {
    const QByteArray body = address + "0000" + type + data;
    return '@' + body + protocol::MakeCheck(body) + '\r';
}
