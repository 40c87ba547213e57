#include "diagnosis/poll_sampler.h"

#include "protocol/frame.h"
#include "views/instrument_types.h"

#include <QDateTime>

namespace diagnosis {

PollSampler::PollSampler() : m_wallClock([] { return QDateTime::currentMSecsSinceEpoch(); }) {}

void PollSampler::requestSent(const engine::ReplyReader& reader, int address) {
    if (m_open) tell(reader, {});
    m_open = true;
    m_address = address;
    m_sentEpochMs = m_wallClock();
}

void PollSampler::replyTick(const engine::ReplyReader& reader, const protocol::Readings& readings) {
    // A line that failed its check is final too: the reader looks at nothing after the first line.
    if (m_open && reader.status() != engine::ReplyStatus::NoneYet) tell(reader, readings);
}

void PollSampler::tell(const engine::ReplyReader& reader, const protocol::Readings& readings) {
    m_open = false;
    protocol::Sample sample;
    sample.epochMs = m_sentEpochMs;
    sample.address = m_address;
    switch (reader.status()) {
    case engine::ReplyStatus::NoneYet: sample.verdict = kNoReply; break;
    case engine::ReplyStatus::BadCheck: sample.verdict = kBadCheck; break;
    case engine::ReplyStatus::Accepted:
        if (protocol::replyAddress(reader.line()) != m_address) {
            // Another instrument's line: the panel may show it, the trend does not take it as ours.
            sample.verdict = kWrongAddress;
            break;
        }
        sample.typeCode = protocol::replyTypeCode(reader.line());
        sample.model = views::modelNameOf(sample.typeCode);
        // An unlisted type has no view: whatever the readings hold is another line's.
        if (views::viewForCode(sample.typeCode)) sample.readings = readings;
        break;
    }
    if (m_sink) m_sink(sample);
}

} // namespace diagnosis
