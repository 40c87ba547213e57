#pragma once
// One serial line's gateway to an MQTT broker: every sample as a JSON message, each reading's
// latest value, each instrument's availability, the gateway's own status and the bus health, under
// <prefix>/<line>/. Lives on the thread that polls; nothing it does waits for the broker.
#include "mqtt/availability.h"
#include "mqtt/bus_health.h"
#include "mqtt/gateway_options.h"
#include "mqtt/outbox.h"
#include "mqtt/topics.h"
#include "protocol/reading.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimeZone>
#include <QTimer>

#include <functional>
#include <memory>

namespace mqtt {

class MosquittoClient;

class Gateway : public QObject {
    Q_OBJECT
public:
    explicit Gateway(GatewayOptions options, QObject* parent = nullptr);
    ~Gateway() override;

    // Starts the client, which connects and reconnects on its own thread. False, with `error`,
    // for options the client cannot use and after stop(); an unreachable broker is not an error.
    bool start(QString* error = nullptr);
    // Publishes "offline" as the gateway's status when connected and disconnects cleanly, so the
    // last will is not needed. What has not reached the broker by then is lost; a stopped gateway
    // does not start again.
    void stop();

    // Accepted samples go out as a readings message and as latest values; every sample counts for
    // the instrument's availability.
    void publishSample(const protocol::Sample& sample);

    // Asked for the figures every health interval; without a source no health is published.
    void setHealthSource(std::function<BusHealth()> source) { m_healthSource = std::move(source); }

    bool isConnected() const { return m_outbox.isConnected(); }
    const Outbox& outbox() const { return m_outbox; }
    const Topics& topics() const { return m_topics; }

signals:
    void connectedChanged(bool connected);
    // For the operator: why the broker cannot be reached or refused, each reason once until the
    // next connection.
    void warning(const QString& text);

private:
    void onConnected();
    void onFailed(const QString& why);
    void onAcknowledged(int id);
    void publishHealth();
    void tell(const QString& text);
    void pump();

    GatewayOptions m_options;
    Topics m_topics;
    Outbox m_outbox;
    Availability m_availability;
    std::unique_ptr<MosquittoClient> m_client;
    std::function<BusHealth()> m_healthSource;
    QTimer m_healthTimer;
    QElapsedTimer m_healthPeriod;
    QTimeZone m_zone = QTimeZone::systemTimeZone();
    qint64 m_droppedShown = -1;
    bool m_stopped = false;
    QSet<QString> m_told; // warnings since the last connection
};

} // namespace mqtt
