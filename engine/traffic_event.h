#pragma once
// What passes on the line, as the poll engine sees it. Listeners (the terminal, bus health,
// recording, the MQTT gateway) are told every event in order; an engine with no listener builds none.
#include <QByteArray>

namespace engine {

enum class TrafficKind {
    RequestWritten, // bytes: the request as written
    BytesReceived,  // bytes: one chunk of input as read from the port
    ReplyAccepted,  // bytes: the reply line, check passed; address/typeCode from the line
    ReplyBadCheck,  // bytes: the reply line whose check failed
    EchoSkipped,    // bytes: our own request read back from the line
    NoiseDropped,   // bytes: what stood before "@"; count: how many bytes
    NoReply,        // a request got no complete reply before the next one; address: the one asked
};

struct TrafficEvent {
    qint64 timeMs = 0; // monotonic milliseconds (one clock for every event of an engine)
    TrafficKind kind = TrafficKind::RequestWritten;
    QByteArray bytes;
    int address = -1;  // the address asked (requests, NoReply) or carried by the reply line; -1 unknown
    int typeCode = -1; // ReplyAccepted: the type code the line carries
    int count = 0;     // NoiseDropped: bytes dropped
};

class TrafficListener {
public:
    virtual ~TrafficListener() = default;
    virtual void onTraffic(const TrafficEvent& event) = 0;
};

} // namespace engine
