#pragma once
// Where the gateway publishes: mqtt://host[:port] or mqtts://host[:port] (TLS).
#include <QString>
#include <optional>

namespace mqtt {

struct BrokerUrl {
    QString host;
    int port = 1883;
    bool tls = false;
    bool operator==(const BrokerUrl& o) const { return host == o.host && port == o.port && tls == o.tls; }
};

inline constexpr int kPlainPort = 1883;
inline constexpr int kTlsPort = 8883;

// Nothing, with `error` saying what is wrong, for text that is not such a URL. The host is a name,
// an IPv4 address or an IPv6 address in brackets; user, password, path and query are not taken
// (credentials come from their own options, so they never show in a process list by accident).
std::optional<BrokerUrl> parseBrokerUrl(const QString& text, QString* error = nullptr);

} // namespace mqtt
