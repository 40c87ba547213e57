#pragma once
// The poll of several instruments in turn, as a client of the poll engine: one request on the line
// at a time, the next as soon as the answer's CR has come or its time-out has passed, and a new
// round of all addresses every interval (at once when a round took longer).
#include "diagnosis/panel/panel_model.h"
#include "engine/poll_client.h"
#include "protocol/reading.h"

#include <QList>
#include <functional>
#include <map>

namespace engine {
class PollEngine;
}

namespace cli {

struct RoundPlan {
    QList<int> addresses;     // asked in this order
    int intervalMs = 2000;    // from the start of one round to the start of the next
    int rounds = 0;           // 0: until stopped
    int replyTimeoutMs = 400; // after the request has been sent, for the first byte of an answer
    int baud = 9600;          // to know how long a request takes to send
};

// Sample verdicts besides an accepted reply.
inline const QString kNoReply = QStringLiteral("no reply");
inline const QString kBadCheck = QStringLiteral("bad check");
inline const QString kWrongAddress = QStringLiteral("wrong address");

// Milliseconds the line needs for `bytes` characters of 10 bits at `baud`, rounded up.
int lineTimeMs(int bytes, int baud);

class RoundPoller : public engine::PollClient {
public:
    using SampleSink = std::function<void(const protocol::Sample&)>;
    using WallClock = std::function<qint64()>; // milliseconds since the epoch

    // The engine's clock times the waits; it calls sendNow() to ask the next one without delay.
    RoundPoller(engine::PollEngine& engine, RoundPlan plan, SampleSink sink);

    void setWallClock(WallClock clock) { m_wallClock = std::move(clock); }

    // The engine's send interval this client wants: only a backstop, since it asks by itself.
    int backstopMs() const;
    // The longest wait for an answer that has begun to arrive but has no CR yet.
    int hardLimitMs() const;

    bool nextRequest(engine::Request& request) override;
    void replyTick(const engine::ReplyReader& reader) override;

    int roundsDone() const { return m_roundsDone; }

private:
    struct Decoder {
        panel::PanelModel panel = panel::PanelModel::design();
        qint16 tn = 0;
    };

    void finish(const engine::ReplyReader& reader);
    bool roundComplete() const { return m_current < 0 && m_next >= m_plan.addresses.size(); }
    qint64 now() const;

    engine::PollEngine& m_engine;
    RoundPlan m_plan;
    SampleSink m_sink;
    WallClock m_wallClock;
    std::map<int, Decoder> m_decoders; // per address: paging views count their calls
    int m_next = 0;                    // index of the next address to ask in this round
    int m_current = -1;                // index of the address being asked; -1 between requests
    int m_roundsDone = 0;
    bool m_started = false;
    qint64 m_roundStartMs = 0;
    qint64 m_askedAtMs = 0;
    qint64 m_askedEpochMs = 0;
    int m_waitMs = 0; // the current request's send time plus the reply time-out
};

} // namespace cli
