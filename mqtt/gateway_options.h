#pragma once
// Everything the gateway is told: where the broker is, who it is there, how its topics are named,
// and the limits and intervals of its queue, reconnection and health reports.
#include "mqtt/broker_url.h"

#include <QString>
#include <functional>

namespace mqtt {

struct GatewayOptions {
    BrokerUrl broker;
    QString user;     // empty: none, or COMMTEST_MQTT_USER
    QString password; // empty: none, or COMMTEST_MQTT_PASSWORD
    QString caFile;   // mqtts: the certificates that sign the broker's; empty: the system's
    QString prefix = QStringLiteral("commtest");
    QString line;     // one topic level naming the serial line, e.g. "ttyUSB0"
    QString clientId; // empty: "commtest-<line>-<process id>"
    int keepAliveS = 30;
    int reconnectMinS = 1;     // back-off between attempts doubles from here...
    int reconnectMaxS = 30;    // ...up to here
    int queueCapacity = 10000; // readings messages kept while the broker is away; older ones dropped
    int inFlightWindow = 64;   // messages handed to the client library and not yet acknowledged
    int healthIntervalMs = 60000;
    int missesBeforeOffline = 3; // polls in a row without an accepted reply before "offline"
};

// The line's default name: the device without its folder ("/dev/ttyUSB0" gives "ttyUSB0").
QString lineNameForDevice(const QString& device);

// Looks up one environment variable; empty when unset.
using Environment = std::function<QString(const char* name)>;
Environment processEnvironment();

// Fills user and password from COMMTEST_MQTT_USER and COMMTEST_MQTT_PASSWORD where the options left
// them empty: options win, and a service can keep the password out of its command line.
void takeCredentialsFrom(const Environment& environment, GatewayOptions& options);

// What is wrong with a prefix or line name as topic levels; empty when it will do. A prefix may
// have several levels ("plant/hall2"), a line name is one.
QString prefixProblem(const QString& prefix);
QString lineProblem(const QString& line);

// The first problem of the options as a whole; empty when they will do.
QString optionsProblem(const GatewayOptions& options);

} // namespace mqtt
