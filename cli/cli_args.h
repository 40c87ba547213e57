#pragma once
// The command line of commtest-cli, parsed into what each command needs. Pure: nothing here opens
// a port, reads a file or looks at the environment, so every mistake is reported before any work.
//
//   commtest-cli scan [--port N|DEVICE] [--baud RATE] [--fast] [--timeout MS]
//                     [--format table|json|csv] FROM-TO
//   commtest-cli poll ADDR[,ADDR...] [--port N|DEVICE] [--baud RATE] [--interval MS] [--count N]
//                     [--format json|csv] [--record [FILE]] [--mqtt URL] [--mqtt-user U]
//                     [--mqtt-password P] [--mqtt-cafile F] [--mqtt-prefix P] [--mqtt-line NAME]
#include "mqtt/gateway_options.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace cli {

// Exit status of a command line that cannot be run.
inline constexpr int kUsageError = 2;
inline constexpr int kPortError = 3; // the port could not be opened, or went away

// Limits of the numbers the options take.
inline constexpr int kMinTimeoutMs = 30; // the fast scan's reply time-out, as the settings allow it
inline constexpr int kMaxTimeoutMs = 2000;
inline constexpr int kMinIntervalMs = 100;     // one poll round; below this a round of one instrument at
inline constexpr int kMaxIntervalMs = 3600000; // 9600 baud hardly fits, above it an hour
inline constexpr int kMaxPortNumber = 32767;

enum class Format { Table, Json, Csv };

// The port to use; neither set: the link settings file's.
struct PortChoice {
    int number = 0; // "3" or "COM3": port 3 as the settings count ports
    QString device; // anything else: a device name or path, e.g. /dev/ttyUSB0
    bool operator==(const PortChoice& o) const { return number == o.number && device == o.device; }
};

struct ScanArgs {
    PortChoice port;
    std::optional<int> baud; // nothing: the settings file's
    bool fast = false;
    std::optional<int> timeoutMs; // nothing: the configured one
    Format format = Format::Table;
    int from = 0;
    int to = 0;
};

struct MqttArgs {
    mqtt::BrokerUrl broker;
    QString user;
    QString password;
    QString caFile;
    QString prefix; // empty: the gateway's default
    QString line;   // empty: the port's device name
};

struct PollArgs {
    QList<int> addresses; // in the order given
    PortChoice port;
    std::optional<int> baud;
    std::optional<int> intervalMs; // nothing: the diagnosis window's
    std::optional<int> count;      // nothing: until interrupted
    Format format = Format::Json;
    bool record = false;
    QString recordFile; // empty: the program's history database
    std::optional<MqttArgs> mqtt;
};

enum class Command { Help, Scan, Poll };

struct Invocation {
    Command command = Command::Help;
    ScanArgs scan;
    PollArgs poll;
    QString error; // empty when the command line can be run
    int exitCode() const { return error.isEmpty() ? 0 : kUsageError; }
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
Invocation parseArguments(const QStringList& arguments);

QString usageText();

// A bus address, decimal ("31") or hexadecimal with 0x ("0x1F"); nothing outside 0-255.
std::optional<int> parseAddress(const QString& text);

// The gateway's options for a poll's MQTT arguments once the port's device is known: the line
// defaults to the device's name, user and password not given come from the environment.
mqtt::GatewayOptions gatewayOptions(const MqttArgs& args, const QString& device,
                                    const mqtt::Environment& environment);

} // namespace cli
