#include "mqtt/mosquitto_client.h"

#include <QFile>
#include <QFileInfo>

#include <mosquitto.h>
#include <mutex>

namespace mqtt {

namespace {

void initialiseLibraryOnce() {
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

const char* cstr(const QByteArray& bytes) {
    return bytes.isEmpty() ? nullptr : bytes.constData();
}

} // namespace

MosquittoClient::MosquittoClient(Events events) : m_events(std::move(events)) {
    initialiseLibraryOnce();
}

MosquittoClient::~MosquittoClient() {
    stop(nullptr);
    if (m_client) mosquitto_destroy(m_client);
}

bool MosquittoClient::start(const GatewayOptions& options, const QString& clientId, const Message& will,
                            QString* error, QString* warning) {
    auto fail = [&](const QString& text) {
        if (error) *error = text;
        if (m_client) mosquitto_destroy(m_client);
        m_client = nullptr;
        return false;
    };
    if (m_client) return fail(QStringLiteral("The MQTT client was started already"));
    m_client = mosquitto_new(clientId.toUtf8().constData(), true, this);
    if (!m_client)
        return fail(QStringLiteral("Cannot create an MQTT client: %1").arg(errorText(MOSQ_ERR_ERRNO)));
    mosquitto_connect_callback_set(m_client, &MosquittoClient::onConnect);
    mosquitto_disconnect_callback_set(m_client, &MosquittoClient::onDisconnect);
    mosquitto_publish_callback_set(m_client, &MosquittoClient::onPublish);

    const QByteArray user = options.user.toUtf8();
    const QByteArray password = options.password.toUtf8();
    if (!user.isEmpty()) {
        const int rc = mosquitto_username_pw_set(m_client, cstr(user), cstr(password));
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
    int rc = mosquitto_will_set(m_client, will.topic.constData(), int(will.payload.size()),
                                will.payload.constData(), 1, will.retain);
    if (rc != MOSQ_ERR_SUCCESS) return fail(QStringLiteral("MQTT last will: %1").arg(errorText(rc)));
    mosquitto_reconnect_delay_set(m_client, unsigned(options.reconnectMinS), unsigned(options.reconnectMaxS),
                                  true);

    // The thread first: a first attempt that fails is then retried by it like any reconnection.
    rc = mosquitto_loop_start(m_client);
    if (rc != MOSQ_ERR_SUCCESS) return fail(QStringLiteral("MQTT network thread: %1").arg(errorText(rc)));
    m_running = true;
    rc = mosquitto_connect_async(m_client, options.broker.host.toUtf8().constData(), options.broker.port,
                                 options.keepAliveS);
    if (rc != MOSQ_ERR_SUCCESS && warning)
        *warning = QStringLiteral("MQTT broker %1:%2: %3; trying again")
                       .arg(options.broker.host)
                       .arg(options.broker.port)
                       .arg(errorText(rc));
    return true;
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
    if (!m_running) return;
    m_running = false;
    if (last) publish(*last);
    // Marks the client as ending even when it is not connected, so the thread leaves its back-off.
    mosquitto_disconnect(m_client);
    mosquitto_loop_stop(m_client, false);
}

QString MosquittoClient::errorText(int code) {
    return QString::fromUtf8(mosquitto_strerror(code));
}

QString MosquittoClient::refusalText(int code) {
    return QString::fromUtf8(mosquitto_connack_string(code));
}

void MosquittoClient::onConnect(mosquitto*, void* self, int code) {
    const auto& events = static_cast<MosquittoClient*>(self)->m_events;
    if (events.connected) events.connected(code);
}

void MosquittoClient::onDisconnect(mosquitto*, void* self, int code) {
    const auto& events = static_cast<MosquittoClient*>(self)->m_events;
    if (events.disconnected) events.disconnected(code);
}

void MosquittoClient::onPublish(mosquitto*, void* self, int id) {
    const auto& events = static_cast<MosquittoClient*>(self)->m_events;
    if (events.acknowledged) events.acknowledged(id);
}

} // namespace mqtt
