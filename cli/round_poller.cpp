#include "cli/round_poller.h"

#include "engine/poll_engine.h"
#include "protocol/frame.h"
#include "views/instrument_types.h"

#include <QDateTime>

namespace cli {

int lineTimeMs(int bytes, int baud) {
    if (baud <= 0) return 0;
    const qint64 bits = qint64(bytes) * 10 * 1000;
    return int((bits + baud - 1) / baud);
}

RoundPoller::RoundPoller(engine::PollEngine& engine, RoundPlan plan, SampleSink sink)
    : m_engine(engine), m_plan(std::move(plan)), m_sink(std::move(sink)),
      m_wallClock([] { return QDateTime::currentMSecsSinceEpoch(); }) {}

int RoundPoller::hardLimitMs() const {
    // An answer that has begun may take its whole length: a long reply line at this rate.
    return m_plan.replyTimeoutMs + lineTimeMs(256, m_plan.baud) + 50;
}

int RoundPoller::backstopMs() const {
    return hardLimitMs() + lineTimeMs(16, m_plan.baud) + 100;
}

qint64 RoundPoller::now() const {
    return m_engine.clock().nowMs();
}

bool RoundPoller::nextRequest(engine::Request& request) {
    // The engine's own timer only comes here when an answer took longer than every limit.
    if (m_current >= 0) finish(m_engine.reader());
    if (m_plan.addresses.isEmpty()) return false;
    if (roundComplete()) {
        if (m_plan.rounds > 0 && m_roundsDone >= m_plan.rounds) return false;
        if (m_started && now() - m_roundStartMs < m_plan.intervalMs) return true; // nothing yet
        m_next = 0;
    }
    if (m_next == 0) {
        m_started = true;
        m_roundStartMs = now();
    }
    m_current = m_next++;
    const int address = m_plan.addresses.at(m_current);
    request.bytes = protocol::readRequest(protocol::addressField(address));
    request.address = address;
    m_askedAtMs = now();
    m_askedEpochMs = m_wallClock();
    m_waitMs = lineTimeMs(int(request.bytes.size()), m_plan.baud) + m_plan.replyTimeoutMs;
    return true;
}

void RoundPoller::replyTick(const engine::ReplyReader& reader) {
    if (m_current < 0) {
        const bool due = !m_started || now() - m_roundStartMs >= m_plan.intervalMs;
        if (roundComplete() && due) m_engine.sendNow();
        return;
    }
    const qint64 waited = now() - m_askedAtMs;
    const bool answered = reader.status() != engine::ReplyStatus::NoneYet;
    const bool silent = waited >= m_waitMs && !reader.receiving();
    if (!answered && !silent && waited < hardLimitMs()) return;
    finish(reader);
    m_engine.sendNow();
}

void RoundPoller::finish(const engine::ReplyReader& reader) {
    protocol::Sample sample;
    sample.epochMs = m_askedEpochMs;
    sample.address = m_plan.addresses.at(m_current);
    m_current = -1;
    if (m_next >= m_plan.addresses.size()) ++m_roundsDone;
    switch (reader.status()) {
    case engine::ReplyStatus::NoneYet: sample.verdict = kNoReply; break;
    case engine::ReplyStatus::BadCheck: sample.verdict = kBadCheck; break;
    case engine::ReplyStatus::Accepted: {
        const QByteArray& line = reader.line();
        if (protocol::replyAddress(line) != sample.address) {
            // Another instrument's line, or one garbled into passing the check: not this one's data.
            sample.verdict = kWrongAddress;
            break;
        }
        sample.typeCode = protocol::replyTypeCode(line);
        sample.model = views::modelNameOf(sample.typeCode);
        if (const views::ViewRoutine view = views::viewForCode(sample.typeCode)) {
            Decoder& decoder = m_decoders[sample.address];
            const QByteArray ntemp = line; // the view gets its own copy
            view(ntemp, decoder.panel, decoder.tn, sample.readings);
        }
        break;
    }
    }
    if (m_sink) m_sink(sample);
}

} // namespace cli
