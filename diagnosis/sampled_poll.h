#pragma once
// The poll of one instrument without a panel window: the diagnosis window's poll cycle on its own
// engine, told one sample per poll. The live trend runs on it.
#include "diagnosis/poll_cycle.h"
#include "diagnosis/poll_sampler.h"
#include "engine/intervals.h"
#include "engine/poll_engine.h"

#include <QObject>

namespace diagnosis {

class SampledPoll : public QObject, private engine::PollClient {
    Q_OBJECT
public:
    explicit SampledPoll(serial::SerialLink& link, QObject* parent = nullptr);
    ~SampledPoll() override;

    // Opens the port and polls `instrument`; on an error nothing runs and the port is as it was.
    serial::PortError start(const Instrument& instrument, engine::Intervals intervals);
    // Polling stops and the port closes. Safe to call more than once.
    void stop();
    bool isPolling() const { return m_active; }

    const Instrument& instrument() const { return m_cycle.instrument(); }
    engine::PollEngine& engine() { return m_engine; }
    PollSampler& sampler() { return m_sampler; }

signals:
    void sampled(const protocol::Sample& sample);
    // The device failed; polling has stopped and the port is closed.
    void lost(const QString& reason);

private:
    bool nextRequest(engine::Request& request) override;
    void replyTick(const engine::ReplyReader& reader) override;

    PollCycle m_cycle;
    PollSampler m_sampler;
    engine::PollEngine m_engine;
    bool m_active = false;
};

} // namespace diagnosis
