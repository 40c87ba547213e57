#include "tools/sim/sim_bus.h"

#include "tools/sim/fault_logic.h"
#include "tools/sim/reply_builder.h"

#include <QDateTime>
#include <cstdio>

namespace sim {

namespace {

// Requests and replies as a technician wants to read them: printable ASCII as it is, CR as
// <CR>, every other byte as <xx>.
QByteArray printable(const QByteArray& bytes) {
    QByteArray out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "<CR>";
        else if (u >= 0x20 && u < 0x7F)
            out += c;
        else
            out += '<' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper() + '>';
    }
    return out;
}

} // namespace

SimBus::SimBus(const SimOptions& options, Line& line, quint32 seed, QObject* parent)
    : QObject(parent), m_options(options), m_random(seed),
      m_transmitter(line, options.baud, options.halfDuplex, m_random, this) {
    m_clock.start();
    for (const Instrument& i : m_options.instruments)
        m_instruments.insert(i.address, i);
    connect(&line, &Line::received, this, &SimBus::onReceived);
    m_garbageTimer.setSingleShot(true);
    connect(&m_garbageTimer, &QTimer::timeout, this, &SimBus::sendGarbage);
    if (m_options.faults.garbage) scheduleGarbage();
}

void SimBus::onReceived(const QByteArray& bytes) {
    for (const QByteArray& line : m_reader.feed(bytes))
        answer(line);
}

void SimBus::answer(const QByteArray& line) {
    log("<-", line);
    const BusSchedule::Request request = m_transmitter.requestArrived(int(line.size()));
    logCollisions();
    const std::optional<int> address = requestedAddress(line);
    QByteArray reply;
    const bool ours = address && m_instruments.contains(*address);
    if (ours && request.heard) {
        const Moment when =
            m_options.fixed ? Moment::fixedValues() : Moment::live(m_clock.elapsed() / 1000.0);
        reply = buildReply(m_instruments.value(*address).typeCode, *address, when, m_random);
    }
    const int to = address.value_or(-1);
    const Answer planned = planAnswer(line, to, reply, m_answered.contains(to), m_options.faults, m_random);
    if (!planned.echo.isEmpty()) {
        log("<>", planned.echo);
        // From the moment the request left the line, as the reply's turnaround is: taking the clock
        // again here could put the echo behind a reply with a short turnaround.
        m_transmitter.send(BlockKind::Echo, planned.echo, request.endUs);
    }
    if (planned.replied) {
        m_answered.insert(to);
        log("->", planned.reply);
        const qint64 turnaroundUs = qint64(turnaroundOf(m_instruments.value(to), m_options)) * 1000;
        m_transmitter.send(BlockKind::Reply, planned.reply, request.endUs + turnaroundUs, to);
        logCollisions();
    } else if (ours && !request.heard) {
        log("--", "no answer (the request met a reply on the line)");
    } else if (!reply.isEmpty()) {
        log("--", "no answer (dropped or silent)");
    }
}

void SimBus::logCollisions() {
    // Addresses as the frames write them.
    const auto hex = [](int address) {
        return QByteArray::number(address, 16).rightJustified(2, '0').toUpper();
    };
    for (const Collision& c : m_transmitter.takeCollisions()) {
        const QByteArray other =
            c.otherAddress < 0 ? QByteArray("a request") : "the reply of " + hex(c.otherAddress);
        log("xx", "reply of " + hex(c.address) + " garbled from character " + QByteArray::number(c.from + 1) +
                      " of " + QByteArray::number(c.length) + " by " + other);
    }
}

void SimBus::sendGarbage() {
    // Only onto an idle line: garbage inside a reply would be a different fault.
    if (m_transmitter.isIdle()) {
        const QByteArray junk = garbageBurst(m_random);
        log("~~", junk);
        m_transmitter.send(BlockKind::Garbage, junk, m_transmitter.nowUs());
    }
    scheduleGarbage();
}

void SimBus::scheduleGarbage() {
    m_garbageTimer.start(150 + static_cast<int>(m_random.bounded(750)));
}

void SimBus::log(const char* direction, const QByteArray& bytes) const {
    if (!m_options.verbose) return;
    const QByteArray stamp = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1();
    std::fprintf(stderr, "%s %s %s\n", stamp.constData(), direction, printable(bytes).constData());
    std::fflush(stderr);
}

} // namespace sim
