#pragma once
// The fast scan: the same rows as the standard scan, but each address gets only as long as the
// line needs. The next request goes out as soon as the address asked has answered with a complete
// line, or its reply time-out has passed without a byte of a reply; never while a reply is
// arriving, and only after the line has been quiet for a few character times.
//
// The time-out is the configured one until an instrument has answered; then the larger of a floor
// of a few character times and three times the slowest turnaround seen (end of request to first
// byte of its reply), never more than the configured one. A slot that saw anything doubtful (a
// line that failed its check, a reply from another address, bytes that never became a line) is
// asked once more at the end with the configured time-out, and so is the address a late or
// garbled line names, and the silent addresses a garbled line may have come from (two replies
// that overlap leave one garbled line, naming at most one of them).
//
// It runs on a poll engine that takes input as it arrives and wakes it at its own deadlines: its
// ticks are the engine's receive ticks, its requests the engine's sendNow().
#include "engine/poll_client.h"
#include "engine/poll_engine.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <deque>
#include <set>

class Scan;

class FastScan : public QObject, public engine::PollClient {
    Q_OBJECT
public:
    // How often the engine looks at the line besides each arrival of input and each deadline: a
    // safety net, never the pace.
    static constexpr int kBackstopReceiveMs = 20;

    // `scan` gives the range and writes the rows; `configuredTimeoutMs` is the settings' reply
    // time-out. The engine's port is open already.
    FastScan(Scan& scan, engine::PollEngine& engine, int configuredTimeoutMs, QObject* parent = nullptr);

    // Runs the scan on the engine; the engine says finished() at the end.
    void start();
    // Tests step the engine's ticks themselves: no timers, no waiting for input.
    void setTicksByHand(bool byHand) { m_byHand = byHand; }

    bool nextRequest(engine::Request& request) override;
    void replyTick(const engine::ReplyReader& reader) override;

    // The time-out the next request of the first pass gets.
    int adaptiveTimeoutMs() const;
    // When the scan wants to look at the line next (a deadline or the end of a quiet gap); -1
    // while it waits only for input.
    qint64 wakeAtMs() const { return m_wakeAtMs; }
    // First pass: addresses asked; then the second look's.
    int askedCount() const { return m_askedInRange; }
    int rangeSize() const;
    const QList<int>& secondLook() const { return m_secondLook; }
    bool inSecondLook() const { return m_pass == Pass::SecondLook; }
    // Addresses of the second look not asked yet.
    int secondLookLeft() const { return static_cast<int>(m_secondLook.size()) - m_secondIndex; }
    int slowestTurnaroundMs() const { return m_slowestTurnaroundMs; }
    // Requests that got no byte of a reply, and the time-outs they were given, added up.
    int silentCount() const { return m_silentCount; }
    qint64 silentWaitMs() const { return m_silentWaitMs; }

signals:
    // The address just asked, for the progress label.
    void asking(int address);

private:
    enum class Pass { First, SecondLook };
    enum class Phase { Idle, Waiting, Settling };

    qint64 now() const { return m_engine.clock().nowMs(); }
    void noteInput(const engine::ReplyReader& reader, qint64 now);
    // A complete line of this slot, held by `reader`: row, turnaround, doubts. `first`: the
    // slot's answer (not one that came after it).
    void judgeLine(const engine::ReplyReader& reader, qint64 now, bool first);
    // Lines that came after the slot's answer while the line settled.
    void judgeTrailing(const engine::ReplyReader& reader, qint64 now);
    // Bytes that never became a line: the address they name, or the silent ones they may be from.
    void doubtFragment(const QByteArray& bytes, qint64 now);
    void doubt(int address);
    // Something came that no address asked of late explains: the silent ones it may be from.
    void doubtRecentSilent(qint64 lineStartMs);
    void wakeAt(qint64 atMs);
    void sendNext();
    bool found(int address) const;
    int nextAddress();

    Scan& m_scan;
    engine::PollEngine& m_engine;
    int m_configuredMs = 0;
    int m_baud = 9600;
    QTimer m_wake;
    bool m_byHand = false;

    Pass m_pass = Pass::First;
    Phase m_phase = Phase::Idle;
    int m_next = 0;          // next address of the first pass
    int m_askedInRange = 0;  // first-pass requests so far
    int m_secondIndex = 0;   // next of m_secondLook
    QList<int> m_secondLook; // in the order the doubts came
    std::set<int> m_foundAddresses;
    struct Silent {
        int address = 0;
        qint64 requestEndMs = 0;
    };
    std::deque<Silent> m_recentSilent;

    bool m_answered = false;
    int m_slowestTurnaroundMs = 0;
    int m_silentCount = 0;
    qint64 m_silentWaitMs = 0;

    // The slot of the current request.
    int m_asked = -1;
    qint64 m_sentMs = 0;
    qint64 m_requestEndMs = 0;
    int m_timeoutMs = 0;
    qint64 m_firstReplyByteMs = -1;
    qint64 m_lastInputMs = 0;
    int m_seenBytes = 0;
    bool m_readyToSend = true; // the line was found quiet and nothing has come since
    qint64 m_wakeAtMs = -1;
};
