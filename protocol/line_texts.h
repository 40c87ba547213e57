#pragma once
// The texts of the line that the scan and the diagnosis window share (never at the same time:
// both are modal): the request being sent, all input since it was sent, and the reply line cut
// from that input.
#include <QByteArray>

namespace protocol {

struct LineTexts {
    QByteArray commandFrame;
    QByteArray receiveBuffer;
    QByteArray replyLine;
};

} // namespace protocol
