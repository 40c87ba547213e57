#pragma once
// One sample per poll, for trends and recording: the readings of the accepted reply, or the verdict
// why there were none. The engine keeps the answer to a request in its reader until the next
// request, and the reply ticks see it again and again; this turns that into one sample per request,
// told as soon as the answer is known, or when the next request goes out without one.
#include "engine/reply_reader.h"
#include "protocol/reading.h"

#include <functional>

namespace diagnosis {

// Verdicts of a poll without an accepted reply (the command line's words for the same outcomes).
inline const QString kNoReply = QStringLiteral("no reply");
inline const QString kBadCheck = QStringLiteral("bad check");
inline const QString kWrongAddress = QStringLiteral("wrong address");

class PollSampler {
public:
    using Sink = std::function<void(const protocol::Sample&)>;
    using WallClock = std::function<qint64()>; // milliseconds since the epoch

    PollSampler();

    void setSink(Sink sink) { m_sink = std::move(sink); }
    void setWallClock(WallClock clock) { m_wallClock = std::move(clock); }

    // A request to `address` is going out: the poll before it, still without an outcome, ends with
    // the reader's verdict.
    void requestSent(const engine::ReplyReader& reader, int address);
    // A reply tick, after the view has read an accepted line into `readings`.
    void replyTick(const engine::ReplyReader& reader, const protocol::Readings& readings);
    // The poll stopped: an open request is forgotten, not told.
    void reset() { m_open = false; }

    bool pollOpen() const { return m_open; }

private:
    void tell(const engine::ReplyReader& reader, const protocol::Readings& readings);

    Sink m_sink;
    WallClock m_wallClock;
    bool m_open = false; // a request is out and its outcome not yet told
    int m_address = -1;
    qint64 m_sentEpochMs = 0;
};

} // namespace diagnosis
