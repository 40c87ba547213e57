#pragma once
// One user of the serial line at a time: the send and receive timers, the reply reader and the
// port's end, for whatever logic is asking (a PollClient).
//
// How a client plugs in:
//   engine::PollEngine engine(link);              // the program's one link
//   if (engine.open() != serial::NoError) ...;    // or open the link before start()
//   engine.start(client, engine::kScanIntervals);
// Every send interval the engine empties the reader and asks client.nextRequest() for the bytes
// to write (false ends the run: the engine stops and says finished()). Every receive interval it
// feeds the pending input to the reader and hands the reader to client.replyTick(); the answer to
// the current request stays there, tick after tick, until the next request. stop() ends the run,
// closes the port and forgets the input; a lost device does the same and says lost() once.
//
// Later uses: a client may call sendNow() to ask its next request at once (after a CR, or at its
// own time-out read from clock(), while reader().receiving() says no reply is arriving); a hand
// sender leaves the request empty on the ticks it has nothing to send; listen() runs without a
// client and writes nothing, cutting every line into traffic events; intervals and the clock come
// from outside, so tests call sendTick()/receiveTick() themselves or run the timers at a few
// milliseconds.
//
// A send tick that comes while a reply is still arriving (part of a line, no CR yet, input within
// the last few character times) waits: the reply is taken in on the receive ticks, and the request
// goes out on the first one that sees its CR or the line fall silent, with a whole send interval
// from there. On a quiet line the ticks keep their pace.
//
// Traffic listeners hear, in order: each request written, each chunk of input, each line cut
// (accepted, bad check, own echo skipped, noise before "@"), and each request that got no line
// before the next one. Without a listener none of this is built.
#include "engine/intervals.h"
#include "engine/monotonic_clock.h"
#include "engine/poll_client.h"
#include "engine/reply_reader.h"
#include "engine/traffic_fanout.h"
#include "link/serial_link.h"

#include <QObject>
#include <QTimer>

namespace engine {

class PollEngine : public QObject {
    Q_OBJECT
public:
    explicit PollEngine(serial::SerialLink& link, QObject* parent = nullptr);

    // The clock of the traffic events and of clients' own time-outs; it must outlive the engine.
    void setClock(const MonotonicClock& clock);
    const MonotonicClock& clock() const { return *m_clock; }

    // Opens the port; a port opened here or before start() is closed by stop().
    serial::PortError open();
    // Runs `client`: its first request one send interval from now, input looked at every receive
    // interval. Input left from an earlier run is forgotten.
    void start(PollClient& client, Intervals intervals);
    // Listen-only: input every receive interval, every complete line cut and told to the
    // listeners; nothing is ever written.
    void listen(int receiveMs);
    // Timers stopped, port closed, input forgotten. Safe to call more than once.
    void stop();

    // Takes effect at once: a running timer counts its new interval from now; 0 stops it.
    void setIntervals(Intervals intervals);
    Intervals intervals() const { return m_intervals; }
    // The next request now; the send interval counts again from here. From inside a receive tick
    // it goes out when that tick has been handled.
    void sendNow();

    // Every byte that arrives is taken in at once (the link's readyRead), besides the receive
    // timer: for clients that react near the speed of the line.
    void setReceiveOnInput(bool on);

    // A send tick found a reply arriving and waits for it to end.
    bool sendHeld() const { return m_sendHeld; }

    bool isRunning() const { return m_client != nullptr; }
    bool isListening() const { return m_listening; }
    const ReplyReader& reader() const { return m_reader; }
    serial::SerialLink& link() const { return m_link; }

    // What the timers call.
    void sendTick();
    void receiveTick();

    // Told in the order added; each at most once.
    void addListener(TrafficListener* listener) { m_fanout.add(listener); }
    void removeListener(TrafficListener* listener) { m_fanout.remove(listener); }

signals:
    // The client had nothing more to ask. The engine has stopped.
    void finished();
    // The device failed while this engine used it. The engine has stopped; sent once per failure.
    void lost(const QString& reason);

private:
    void onLinkLost(const QString& reason);
    void halt();
    // Reads the link into the reader and tells the listeners; true when anything came.
    bool takeInput();
    // The client looks at the reader; a sendNow() from inside runs afterwards.
    void handOver();
    // Part of a reply has come, recently enough that more of it is on its way.
    bool replyArriving();

    serial::SerialLink& m_link;
    SteadyClock m_steadyClock;
    const MonotonicClock* m_clock = &m_steadyClock;
    ReplyReader m_reader;
    TrafficFanout m_fanout{&m_steadyClock};
    QTimer m_sendTimer;
    QTimer m_receiveTimer;
    Intervals m_intervals;
    PollClient* m_client = nullptr;
    int m_askedAddress = -1;
    bool m_asked = false;     // a request is out and its window open
    bool m_holdsPort = false; // opened here, or in use by a run
    bool m_listening = false;
    bool m_inReceiveTick = false;
    bool m_sendPending = false;
    bool m_sendHeld = false;
    qint64 m_heldSinceMs = 0;
    qint64 m_lastInputMs = 0; // while a reply is arriving: when its last bytes were taken in
    QMetaObject::Connection m_onInput;
};

} // namespace engine
