#pragma once
// The broker's own client library behind the outbox's Transport. The library runs its network
// thread (mosquitto_loop_start): name look-ups, TLS handshakes and every reconnection with its
// back-off happen there, so a broker that is slow, down or gone never holds up the thread that
// polls the line. Publishing only queues a packet for that thread.
#include "mqtt/gateway_options.h"
#include "mqtt/outbox.h"

#include <functional>

struct mosquitto;

namespace mqtt {

class MosquittoClient : public Transport {
  public:
    // Called on the library's network thread.
    struct Events {
        std::function<void(int code)> connected;    // the broker's answer: 0 accepted, else why not
        std::function<void(int code)> disconnected; // 0 when asked for, else the library's error
        std::function<void(int id)> acknowledged;   // PUBACK of message `id`
    };

    explicit MosquittoClient(Events events);
    ~MosquittoClient() override;
    MosquittoClient(const MosquittoClient&) = delete;
    MosquittoClient& operator=(const MosquittoClient&) = delete;

    // Sets identity, credentials, TLS, the last will and the back-off, starts the network thread
    // and the first connection attempt. False, with `error`, for settings the library will not
    // take; a broker that cannot be reached is not an error (the thread keeps trying), but its
    // first failure is told in `warning`.
    bool start(const GatewayOptions& options, const QString& clientId, const Message& will, QString* error,
               QString* warning);

    // A QoS 1 message. When the connection has just gone, the library still keeps the message and
    // sends it after reconnecting (libmosquitto 2.0 answers MOSQ_ERR_NO_CONN but queues it), so
    // that answer counts as handed over.
    std::optional<int> publish(const Message& message) override;

    // Sends `last` (if any) and a DISCONNECT when connected, then ends the network thread.
    void stop(const Message* last);

    // The library's text for one of its error codes, and for a refusal in the broker's CONNACK.
    static QString errorText(int code);
    static QString refusalText(int code);

  private:
    static void onConnect(mosquitto*, void* self, int code);
    static void onDisconnect(mosquitto*, void* self, int code);
    static void onPublish(mosquitto*, void* self, int id);

    Events m_events;
    mosquitto* m_client = nullptr;
    bool m_running = false;
};

} // namespace mqtt
