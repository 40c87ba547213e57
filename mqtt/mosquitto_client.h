#pragma once
// The broker's own client library behind the outbox's Transport, on a network thread of its own:
// name look-ups, connecting, TLS handshakes, keep-alive and every reconnection with its back-off
// happen there, so a broker that is slow, down or gone never holds up the thread that polls the
// line. Publishing from that thread only queues a packet and wakes the network thread.
//
// The thread is ours rather than mosquitto_loop_start()'s: the library's loop gives up for good
// after a TLS failure or a failed name look-up, and a gateway must keep trying whatever went wrong.
#include "mqtt/gateway_options.h"
#include "mqtt/outbox.h"

#include <QSet>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

struct mosquitto;

namespace mqtt {

class MosquittoClient : public Transport {
public:
    // Called on the network thread.
    struct Events {
        // The broker accepted the connection.
        std::function<void()> connected;
        // The broker refused, or a connection or an attempt to make one ended; it tries again.
        std::function<void(const QString& why)> failed;
        // The broker's PUBACK of message `id`.
        std::function<void(int id)> acknowledged;
    };

    explicit MosquittoClient(Events events);
    ~MosquittoClient() override;
    MosquittoClient(const MosquittoClient&) = delete;
    MosquittoClient& operator=(const MosquittoClient&) = delete;

    // Sets identity, credentials, TLS and the last will, and starts the network thread, which
    // connects. False, with `error`, for settings the library will not take; a broker that cannot
    // be reached is not an error here (it is told by `failed`, and the thread keeps trying).
    bool start(const GatewayOptions& options, const QString& clientId, const Message& will, QString* error);

    // A QoS 1 message. When the connection has just gone, the library still keeps the message and
    // sends it after reconnecting (libmosquitto 2.0 answers MOSQ_ERR_NO_CONN but queues it), so
    // that answer counts as handed over too.
    std::optional<int> publish(const Message& message) override;

    // Sends `last` (if any) and waits a moment for its acknowledgement, so that the broker has it
    // and nothing is left unread when the socket closes (which would reset the connection rather
    // than close it); then sends a DISCONNECT and ends the network thread.
    void stop(const Message* last);

private:
    void run();
    QString brokerText() const;
    QString failureText(int code);
    static void onConnect(mosquitto*, void* self, int code);
    static void onPublish(mosquitto*, void* self, int id);
    static void onLog(mosquitto*, void* self, int level, const char* text);

    Events m_events;
    GatewayOptions m_options;
    mosquitto* m_client = nullptr;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake; // ends a back-off early when stopping; tells of the last word's PUBACK
    // Guarded by m_mutex: while stopping, the ids acknowledged; the library's last error line
    // (OpenSSL's reason, say), told with the next failure.
    bool m_collectAcks = false;
    QSet<int> m_acknowledged;
    QString m_lastLibraryError;
    std::atomic<bool> m_stopping{false};
    // Network thread only.
    bool m_refused = false; // the broker's CONNACK said no and `failed` told why already
    int m_delayS = 1;       // the next back-off
};

} // namespace mqtt
