#include "diagnosis/sampled_poll.h"

#include "views/instrument_types.h"

namespace diagnosis {

SampledPoll::SampledPoll(serial::SerialLink& link, QObject* parent)
    : QObject(parent), m_cycle(&views::viewForCode), m_engine(link) {
    m_sampler.setSink([this](const protocol::Sample& sample) { emit sampled(sample); });
    connect(&m_engine, &engine::PollEngine::lost, this, [this](const QString& reason) {
        m_active = false;
        m_sampler.reset();
        emit lost(reason);
    });
}

SampledPoll::~SampledPoll() {
    stop();
}

serial::PortError SampledPoll::start(const Instrument& instrument, engine::Intervals intervals) {
    stop();
    const serial::PortError opened = m_engine.open();
    if (opened != serial::NoError) return opened;
    m_cycle.begin(instrument);
    m_active = true;
    m_engine.start(*this, intervals);
    return serial::NoError;
}

void SampledPoll::stop() {
    // The link is shared: an engine that stops closes it, so only a poll that holds it stops.
    if (!m_active) return;
    m_active = false;
    m_engine.stop();
    m_sampler.reset();
}

bool SampledPoll::nextRequest(engine::Request& request) {
    const bool more = m_cycle.nextRequest(request);
    m_sampler.requestSent(m_engine.reader(), request.address);
    return more;
}

void SampledPoll::replyTick(const engine::ReplyReader& reader) {
    m_cycle.replyTick(reader);
    m_sampler.replyTick(reader, m_cycle.lastReadings());
}

} // namespace diagnosis
