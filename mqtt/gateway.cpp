#include "mqtt/gateway.h"

#include "mqtt/mosquitto_client.h"
#include "mqtt/payloads.h"

#include <QCoreApplication>
#include <QDateTime>

namespace mqtt {

namespace {

const QByteArray kOnline = QByteArrayLiteral("online");
const QByteArray kOffline = QByteArrayLiteral("offline");

} // namespace

Gateway::Gateway(GatewayOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_topics(m_options.prefix, m_options.line),
      m_outbox(m_options.queueCapacity, m_options.inFlightWindow),
      m_availability(m_options.missesBeforeOffline) {
    m_healthTimer.setInterval(m_options.healthIntervalMs);
    connect(&m_healthTimer, &QTimer::timeout, this, &Gateway::publishHealth);
}

Gateway::~Gateway() {
    // Ends the network thread before the members its callbacks reach go away.
    m_client.reset();
}

bool Gateway::start(QString* error) {
    if (m_client) return true;
    if (m_stopped) {
        if (error) *error = QStringLiteral("The MQTT gateway was stopped");
        return false;
    }
    if (const QString problem = optionsProblem(m_options); !problem.isEmpty()) {
        if (error) *error = problem;
        return false;
    }
    // The client calls these on its network thread; the work is done here, on the gateway's.
    MosquittoClient::Events events;
    events.connected = [this] {
        QMetaObject::invokeMethod(this, &Gateway::onConnected, Qt::QueuedConnection);
    };
    events.failed = [this](const QString& why) {
        QMetaObject::invokeMethod(
            this, [this, why] { onFailed(why); }, Qt::QueuedConnection);
    };
    events.acknowledged = [this](int id) {
        QMetaObject::invokeMethod(
            this, [this, id] { onAcknowledged(id); }, Qt::QueuedConnection);
    };
    auto client = std::make_unique<MosquittoClient>(std::move(events));
    const QString clientId =
        m_options.clientId.isEmpty()
            ? QStringLiteral("commtest-%1-%2").arg(m_options.line).arg(QCoreApplication::applicationPid())
            : m_options.clientId;
    m_outbox.setState(m_topics.gatewayStatus(), kOnline);
    m_outbox.setState(m_topics.dropped(), QByteArray::number(m_outbox.dropped()));
    m_droppedShown = m_outbox.dropped();
    if (!client->start(m_options, clientId, Message{m_topics.gatewayStatus(), kOffline, true}, error))
        return false;
    m_client = std::move(client);
    m_healthPeriod.start();
    m_healthTimer.start();
    return true;
}

void Gateway::stop() {
    m_healthTimer.stop();
    if (!m_client) return;
    m_stopped = true;
    const Message last{m_topics.gatewayStatus(), kOffline, true};
    m_client->stop(isConnected() ? &last : nullptr);
    m_client.reset();
    if (isConnected()) {
        m_outbox.disconnected();
        emit connectedChanged(false);
    }
}

void Gateway::publishSample(const protocol::Sample& sample) {
    if (const auto online = m_availability.update(sample))
        m_outbox.setState(m_topics.instrumentStatus(sample.address), *online ? kOnline : kOffline);
    if (sample.accepted()) {
        m_outbox.enqueue(Message{m_topics.readings(sample.address), samplePayload(sample, m_zone)});
        for (const Retained& value : valueMessages(sample, m_topics))
            m_outbox.setState(value.topic, value.payload);
        if (m_outbox.dropped() != m_droppedShown) {
            m_droppedShown = m_outbox.dropped();
            m_outbox.setState(m_topics.dropped(), QByteArray::number(m_droppedShown));
        }
    }
    pump();
}

void Gateway::onConnected() {
    if (!m_client) return;
    m_told.clear();
    m_outbox.connected();
    pump();
    emit connectedChanged(true);
}

void Gateway::onFailed(const QString& why) {
    if (!m_client) return;
    tell(why + QStringLiteral("; trying again, samples are kept meanwhile"));
    if (!isConnected()) return;
    m_outbox.disconnected();
    emit connectedChanged(false);
}

void Gateway::onAcknowledged(int id) {
    m_outbox.acknowledged(id);
    pump();
}

void Gateway::publishHealth() {
    if (!m_healthSource) return;
    const qint64 periodMs = m_healthPeriod.restart();
    m_outbox.setState(m_topics.health(),
                      healthPayload(m_healthSource(), QDateTime::currentMSecsSinceEpoch(), periodMs, m_zone));
    pump();
}

void Gateway::tell(const QString& text) {
    if (m_told.contains(text)) return;
    m_told.insert(text);
    emit warning(text);
}

void Gateway::pump() {
    if (m_client) m_outbox.pump(*m_client);
}

} // namespace mqtt
