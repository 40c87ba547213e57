#include "mqtt/gateway.h"

#include "mqtt/mosquitto_client.h"
#include "mqtt/payloads.h"

#include <QCoreApplication>
#include <QDateTime>

namespace mqtt {

namespace {

const QByteArray kOnline = QByteArrayLiteral("online");
const QByteArray kOffline = QByteArrayLiteral("offline");

QString brokerText(const BrokerUrl& url) {
    return QStringLiteral("%1://%2:%3")
        .arg(url.tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"), url.host)
        .arg(url.port);
}

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
    if (const QString problem = optionsProblem(m_options); !problem.isEmpty()) {
        if (error) *error = problem;
        return false;
    }
    // The library calls these on its own thread; the work is done here, on the gateway's.
    MosquittoClient::Events events;
    events.connected = [this](int code) {
        QMetaObject::invokeMethod(
            this, [this, code] { onConnected(code); }, Qt::QueuedConnection);
    };
    events.disconnected = [this](int code) {
        QMetaObject::invokeMethod(
            this, [this, code] { onDisconnected(code); }, Qt::QueuedConnection);
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
    QString warning;
    if (!client->start(m_options, clientId, Message{m_topics.gatewayStatus(), kOffline, true}, error,
                       &warning))
        return false;
    m_client = std::move(client);
    if (!warning.isEmpty()) tell(warning);
    m_healthPeriod.start();
    m_healthTimer.start();
    return true;
}

void Gateway::stop() {
    m_healthTimer.stop();
    if (!m_client) return;
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

void Gateway::onConnected(int code) {
    if (!m_client) return;
    if (code != 0) {
        tell(QStringLiteral("MQTT broker %1 refused the connection: %2")
                 .arg(brokerText(m_options.broker), MosquittoClient::refusalText(code)));
        return;
    }
    m_lastWarning.clear();
    m_outbox.connected();
    pump();
    emit connectedChanged(true);
}

void Gateway::onDisconnected(int code) {
    if (!m_client) return;
    const bool was = isConnected();
    m_outbox.disconnected();
    tell(QStringLiteral("MQTT broker %1: %2; reconnecting, samples are kept meanwhile")
             .arg(brokerText(m_options.broker), MosquittoClient::errorText(code)));
    if (was) emit connectedChanged(false);
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
    if (text == m_lastWarning) return;
    m_lastWarning = text;
    emit warning(text);
}

void Gateway::pump() {
    if (m_client) m_outbox.pump(*m_client);
}

} // namespace mqtt
