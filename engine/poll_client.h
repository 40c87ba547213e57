#pragma once
// What an engine drives: the logic of one use of the line (the scan of a range, the diagnosis
// window's poll of one instrument, a hand sender, a poller of several addresses).
#include <QByteArray>

namespace engine {

class ReplyReader;

struct Request {
    QByteArray bytes; // written as they are
    int address = -1; // the address asked, for the traffic events; -1 when unknown
};

class PollClient {
public:
    virtual ~PollClient() = default;
    // Send tick: fill `request` and return true, or return false when there is nothing more to
    // ask (the engine then stops and says finished()). A request left empty asks nothing this
    // tick: nothing is written and the answer to the last request stays.
    virtual bool nextRequest(Request& request) = 0;
    // Receive tick, after the input has gone into the reader: the answer to the current request
    // as it stands. Until the next request this is the same line on every tick.
    virtual void replyTick(const ReplyReader& reader) = 0;
};

} // namespace engine
