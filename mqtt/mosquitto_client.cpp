#include "mqtt/mosquitto_client.h"

#include <QFile>
#include <QFileInfo>

#include <mosquitto.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace mqtt {

namespace {

void initialiseLibraryOnce() {
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

QString errorText(int code) {
    return QString::fromUtf8(mosquitto_strerror(code));
}

constexpr int kLoopTimeoutMs = 1000;     // the longest the thread waits for the socket before looking up
constexpr int kDisconnectGraceMs = 2000; // for the last word and the DISCONNECT to leave when stopping

} // namespace

MosquittoClient::MosquittoClient(Events events) : m_events(std::move(events)) {
    initialiseLibraryOnce();
}

MosquittoClient::~MosquittoClient() {
    stop(nullptr);
    if (m_client) mosquitto_destroy(m_client);
}

bool MosquittoClient::start(const GatewayOptions& options, const QString& clientId, const Message& will,
                            QString* error) {
    auto fail = [&](const QString& text) {
        if (error) *error = text;
        if (m_client) mosquitto_destroy(m_client);
        m_client = nullptr;
        return false;
    };
    if (m_client) return fail(QStringLiteral("The MQTT client was started already"));
    m_options = options;
    m_delayS = options.reconnectMinS;
    m_client = mosquitto_new(clientId.toUtf8().constData(), true, this);
    if (!m_client)
        return fail(QStringLiteral("Cannot create an MQTT client: %1").arg(errorText(MOSQ_ERR_ERRNO)));
    // Our own thread runs the loop; publishing from another must only queue and wake it.
    mosquitto_threaded_set(m_client, true);
    mosquitto_connect_callback_set(m_client, &MosquittoClient::onConnect);
    mosquitto_publish_callback_set(m_client, &MosquittoClient::onPublish);
    mosquitto_log_callback_set(m_client, &MosquittoClient::onLog);

    if (!options.user.isEmpty()) {
        const int rc = mosquitto_username_pw_set(
            m_client, options.user.toUtf8().constData(),
            options.password.isEmpty() ? nullptr : options.password.toUtf8().constData());
        if (rc != MOSQ_ERR_SUCCESS) return fail(QStringLiteral("MQTT user name: %1").arg(errorText(rc)));
    }
    if (options.broker.tls) {
        if (!options.caFile.isEmpty()) {
            const QFileInfo ca(options.caFile);
            if (!ca.isFile() || !ca.isReadable())
                return fail(QStringLiteral("Cannot read the CA file %1").arg(options.caFile));
            const int rc = mosquitto_tls_set(m_client, QFile::encodeName(options.caFile).constData(), nullptr,
                                             nullptr, nullptr, nullptr);
            if (rc != MOSQ_ERR_SUCCESS)
                return fail(QStringLiteral("CA file %1: %2").arg(options.caFile, errorText(rc)));
        } else {
            const int rc = mosquitto_int_option(m_client, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
            if (rc != MOSQ_ERR_SUCCESS)
                return fail(QStringLiteral("TLS with the system's certificates: %1").arg(errorText(rc)));
        }
    }
    const int rc = mosquitto_will_set(m_client, will.topic.constData(), int(will.payload.size()),
                                      will.payload.constData(), 1, will.retain);
    if (rc != MOSQ_ERR_SUCCESS) return fail(QStringLiteral("MQTT last will: %1").arg(errorText(rc)));
    m_thread = std::thread([this] { run(); });
    return true;
}

void MosquittoClient::run() {
    const QByteArray host = m_options.broker.host.toUtf8();
    bool attempted = false;
    auto sinceStop = std::chrono::steady_clock::time_point{};
    for (;;) {
        if (m_stopping) {
            // Lets the last word and the DISCONNECT leave, which closes the socket.
            if (mosquitto_socket(m_client) < 0) break;
            const auto now = std::chrono::steady_clock::now();
            if (sinceStop == decltype(sinceStop){}) sinceStop = now;
            if (now - sinceStop > std::chrono::milliseconds(kDisconnectGraceMs)) break;
        }
        int rc = MOSQ_ERR_SUCCESS;
        if (mosquitto_socket(m_client) < 0 && !m_stopping) {
            m_refused = false;
            // Non-blocking: the TCP connection and any TLS handshake complete in the loop below.
            rc = attempted ? mosquitto_reconnect_async(m_client)
                           : mosquitto_connect_async(m_client, host.constData(), m_options.broker.port,
                                                     m_options.keepAliveS);
            attempted = true;
        }
        if (rc == MOSQ_ERR_SUCCESS) rc = mosquitto_loop(m_client, kLoopTimeoutMs, 1);
        if (rc == MOSQ_ERR_SUCCESS || m_stopping) continue;

        if (!m_refused && m_events.failed) m_events.failed(failureText(rc));
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, std::chrono::seconds(m_delayS), [this] { return m_stopping.load(); });
        m_delayS = std::min(m_delayS * 2, m_options.reconnectMaxS);
    }
}

QString MosquittoClient::brokerText() const {
    return QStringLiteral("MQTT broker %1://%2:%3")
        .arg(m_options.broker.tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"), m_options.broker.host)
        .arg(m_options.broker.port);
}

QString MosquittoClient::failureText(int code) {
    QString text = brokerText() + QStringLiteral(": ") +
                   (code == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(strerror(errno)) : errorText(code));
    std::lock_guard lock(m_mutex);
    if (!m_lastLibraryError.isEmpty()) text += QStringLiteral(" (%1)").arg(m_lastLibraryError);
    m_lastLibraryError.clear();
    return text;
}

std::optional<int> MosquittoClient::publish(const Message& message) {
    if (!m_client) return std::nullopt;
    int id = 0;
    const int rc = mosquitto_publish(m_client, &id, message.topic.constData(), int(message.payload.size()),
                                     message.payload.constData(), 1, message.retain);
    if (rc == MOSQ_ERR_SUCCESS || rc == MOSQ_ERR_NO_CONN) return id;
    return std::nullopt;
}

void MosquittoClient::stop(const Message* last) {
    if (!m_thread.joinable()) return;
    if (last) {
        {
            std::lock_guard lock(m_mutex);
            m_collectAcks = true;
        }
        // Not under the lock: the library may be calling back into onPublish meanwhile.
        if (const auto id = publish(*last)) {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, std::chrono::milliseconds(kDisconnectGraceMs),
                            [this, id] { return m_acknowledged.contains(*id); });
        }
    }
    {
        // Before the DISCONNECT: a thread that saw the socket closed by it would connect again.
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    mosquitto_disconnect(m_client); // queues the DISCONNECT and wakes the thread
    m_wake.notify_all();
    m_thread.join();
}

void MosquittoClient::onConnect(mosquitto*, void* self, int code) {
    auto* client = static_cast<MosquittoClient*>(self);
    if (code != 0) {
        client->m_refused = true;
        if (client->m_events.failed)
            client->m_events.failed(client->brokerText() + QStringLiteral(" refused the connection: ") +
                                    QString::fromUtf8(mosquitto_connack_string(code)));
        return;
    }
    client->m_delayS = client->m_options.reconnectMinS;
    if (client->m_events.connected) client->m_events.connected();
}

void MosquittoClient::onPublish(mosquitto*, void* self, int id) {
    auto* client = static_cast<MosquittoClient*>(self);
    {
        std::lock_guard lock(client->m_mutex);
        if (client->m_collectAcks) client->m_acknowledged.insert(id);
    }
    client->m_wake.notify_all();
    if (client->m_events.acknowledged) client->m_events.acknowledged(id);
}

void MosquittoClient::onLog(mosquitto*, void* self, int level, const char* text) {
    if (level != MOSQ_LOG_ERR) return;
    // Mostly on the network thread, but the library also logs on whichever thread publishes.
    auto* client = static_cast<MosquittoClient*>(self);
    std::lock_guard lock(client->m_mutex);
    client->m_lastLibraryError = QString::fromUtf8(text);
}

} // namespace mqtt
