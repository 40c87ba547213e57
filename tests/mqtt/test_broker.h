#pragma once
// A real mosquitto for the tests, on a free loopback port, and a subscriber that records what it
// hears. The broker keeps its state in a temporary folder, so that a subscriber's session and the
// retained messages outlive a restart.
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <mutex>

struct mosquitto;
struct mosquitto_message;

class TestBroker {
public:
    // Listens on `port` of 127.0.0.1; `extraConfig`: more lines for its configuration, e.g.
    // further listeners.
    explicit TestBroker(int port, const QStringList& extraConfig = {});
    ~TestBroker();

    // Starts it and waits until it says it runs; `error` has its output when it did not.
    bool start(QString* error);
    // SIGTERM: it saves its state and ends.
    void stop();

    int port() const { return m_port; }
    QString dir() const { return m_dir.path(); }

    // `count` different ports free on 127.0.0.1 at the time of asking.
    static QList<int> freeLoopbackPorts(int count);
    static QString program(); // mosquitto lives in /usr/sbin on Debian

private:
    QTemporaryDir m_dir;
    QStringList m_extraConfig;
    int m_port = 0;
    QProcess m_process;
};

class Subscriber {
public:
    struct Received {
        QByteArray topic;
        QByteArray payload;
        bool retained = false;
    };

    // `keepSession`: a fixed client id without a clean session, so that the broker keeps the
    // messages it misses while away (QoS 1).
    Subscriber(int port, const QByteArray& filter, const QByteArray& sessionId = {});
    ~Subscriber();

    bool isSubscribed() const;
    // A QoS 1 message of its own; once the broker acknowledged it, the broker has handled every
    // acknowledgement this subscriber sent before, so a restart will not deliver those again.
    void sendMarker();
    bool markerAcknowledged() const;
    QList<Received> received() const;
    QList<QByteArray> payloads(const QByteArray& topic) const;

private:
    static void onConnect(mosquitto* client, void* self, int code);
    static void onDisconnect(mosquitto* client, void* self, int code);
    static void onSubscribe(mosquitto* client, void* self, int id, int count, const int* granted);
    static void onMessage(mosquitto* client, void* self, const mosquitto_message* message);
    static void onPublish(mosquitto* client, void* self, int id);

    QByteArray m_filter;
    mosquitto* m_client = nullptr;
    mutable std::mutex m_mutex;
    bool m_subscribed = false;
    int m_markerId = -1;
    bool m_markerAcknowledged = false;
    QList<Received> m_received;
};
