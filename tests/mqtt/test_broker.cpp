#include "test_broker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <mosquitto.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

TestBroker::TestBroker(int port, const QStringList& extraConfig) : m_extraConfig(extraConfig), m_port(port) {}

TestBroker::~TestBroker() {
    stop();
}

QList<int> TestBroker::freeLoopbackPorts(int count) {
    // All bound at once, so the system cannot hand out one twice.
    QList<int> fds;
    QList<int> ports;
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            ports << ntohs(address.sin_port);
        fds << fd;
    }
    for (int fd : fds)
        ::close(fd);
    return ports;
}

QString TestBroker::program() {
    return QStandardPaths::findExecutable(
        QStringLiteral("mosquitto"),
        {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/bin")});
}

bool TestBroker::start(QString* error) {
    const QString config = m_dir.filePath(QStringLiteral("mosquitto.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QStringList lines =
        QStringList{
            QStringLiteral("per_listener_settings true"),
            QStringLiteral("persistence true"),
            QStringLiteral("persistence_location %1/").arg(m_dir.path()),
            QStringLiteral("log_dest stderr"),
            // Started as root it would become "mosquitto" and lose the test's private folders.
            QStringLiteral("user %1").arg(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name)),
            QStringLiteral("listener %1 127.0.0.1").arg(m_port),
            QStringLiteral("allow_anonymous true"),
        } +
        m_extraConfig;
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    file.close();

    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program(), {QStringLiteral("-c"), config});
    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    while (!output.contains(" running") && m_process.state() != QProcess::NotRunning &&
           waited.elapsed() < 10000) {
        m_process.waitForReadyRead(100);
        output += m_process.readAll();
    }
    if (output.contains(" running")) return true;
    if (error) *error = QStringLiteral("mosquitto did not start: ") + QString::fromLocal8Bit(output);
    stop();
    return false;
}

void TestBroker::stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) m_process.kill();
    m_process.waitForFinished(3000);
}

Subscriber::Subscriber(int port, const QByteArray& filter, const QByteArray& sessionId) : m_filter(filter) {
    mosquitto_lib_init();
    m_client =
        mosquitto_new(sessionId.isEmpty() ? nullptr : sessionId.constData(), sessionId.isEmpty(), this);
    mosquitto_connect_callback_set(m_client, &Subscriber::onConnect);
    mosquitto_disconnect_callback_set(m_client, &Subscriber::onDisconnect);
    mosquitto_subscribe_callback_set(m_client, &Subscriber::onSubscribe);
    mosquitto_message_callback_set(m_client, &Subscriber::onMessage);
    mosquitto_publish_callback_set(m_client, &Subscriber::onPublish);
    mosquitto_reconnect_delay_set(m_client, 1, 1, false);
    mosquitto_loop_start(m_client);
    mosquitto_connect_async(m_client, "127.0.0.1", port, 30);
}

Subscriber::~Subscriber() {
    mosquitto_disconnect(m_client);
    mosquitto_loop_stop(m_client, false);
    mosquitto_destroy(m_client);
}

bool Subscriber::isSubscribed() const {
    std::lock_guard lock(m_mutex);
    return m_subscribed;
}

void Subscriber::sendMarker() {
    std::lock_guard lock(m_mutex);
    m_markerAcknowledged = false;
    mosquitto_publish(m_client, &m_markerId, "test/marker", 1, "m", 1, false);
}

bool Subscriber::markerAcknowledged() const {
    std::lock_guard lock(m_mutex);
    return m_markerAcknowledged;
}

void Subscriber::onPublish(mosquitto*, void* self, int id) {
    auto* s = static_cast<Subscriber*>(self);
    std::lock_guard lock(s->m_mutex);
    if (id == s->m_markerId) s->m_markerAcknowledged = true;
}

QList<Subscriber::Received> Subscriber::received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

QList<QByteArray> Subscriber::payloads(const QByteArray& topic) const {
    QList<QByteArray> out;
    for (const Received& r : received())
        if (r.topic == topic) out << r.payload;
    return out;
}

void Subscriber::onConnect(mosquitto* client, void* self, int code) {
    if (code == 0)
        mosquitto_subscribe(client, nullptr, static_cast<Subscriber*>(self)->m_filter.constData(), 1);
}

void Subscriber::onDisconnect(mosquitto*, void* self, int) {
    auto* s = static_cast<Subscriber*>(self);
    std::lock_guard lock(s->m_mutex);
    s->m_subscribed = false;
}

void Subscriber::onSubscribe(mosquitto*, void* self, int, int, const int*) {
    auto* s = static_cast<Subscriber*>(self);
    std::lock_guard lock(s->m_mutex);
    s->m_subscribed = true;
}

void Subscriber::onMessage(mosquitto*, void* self, const mosquitto_message* message) {
    auto* s = static_cast<Subscriber*>(self);
    std::lock_guard lock(s->m_mutex);
    s->m_received.append({QByteArray(message->topic),
                          QByteArray(static_cast<const char*>(message->payload), message->payloadlen),
                          message->retain});
}
