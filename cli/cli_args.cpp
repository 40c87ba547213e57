#include "cli/cli_args.h"

#include "link/settings_file.h"
#include "mqtt/broker_url.h"

#include <QHash>

#include <limits>

namespace cli {

namespace {

enum class Takes { Nothing, Value, OptionalValue };

struct KnownOption {
    const char* name;
    Takes takes;
};

const QList<KnownOption>& commonOptions() {
    static const QList<KnownOption> options = {
        {"port", Takes::Value}, {"baud", Takes::Value}, {"format", Takes::Value}};
    return options;
}

const QList<KnownOption>& scanOptions() {
    static const QList<KnownOption> options = {{"fast", Takes::Nothing}, {"timeout", Takes::Value}};
    return options;
}

const QList<KnownOption>& pollOptions() {
    static const QList<KnownOption> options = {
        {"interval", Takes::Value},    {"count", Takes::Value},       {"record", Takes::OptionalValue},
        {"mqtt", Takes::Value},        {"mqtt-user", Takes::Value},   {"mqtt-password", Takes::Value},
        {"mqtt-cafile", Takes::Value}, {"mqtt-prefix", Takes::Value}, {"mqtt-line", Takes::Value},
    };
    return options;
}

std::optional<Takes> lookUp(Command command, const QString& name) {
    const QList<KnownOption>& own = command == Command::Scan ? scanOptions() : pollOptions();
    for (const QList<KnownOption>* list : {&commonOptions(), &own})
        for (const KnownOption& option : *list)
            if (name == QLatin1String(option.name)) return option.takes;
    return std::nullopt;
}

QString commandName(Command command) {
    return command == Command::Scan ? QStringLiteral("scan") : QStringLiteral("poll");
}

// A whole decimal number within [low, high], nothing else.
std::optional<qint64> wholeNumber(const QString& text, qint64 low, qint64 high) {
    if (text.isEmpty() || !text.at(0).isDigit()) return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

// What the words of the command line gave, before their meaning is checked.
struct Words {
    QHash<QString, QString> values; // option name without "--" to its value (the last one given)
    QStringList positional;
};

class Parser {
public:
    explicit Parser(Command command) : m_command(command) {}

    // False with `error` set for an unknown option or a missing value.
    bool split(const QStringList& words, Words& out, QString& error) const {
        bool optionsEnded = false;
        for (int i = 0; i < words.size(); ++i) {
            const QString& word = words[i];
            if (optionsEnded || !isOption(word)) {
                out.positional << word;
                continue;
            }
            if (word == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            const int eq = word.indexOf(QLatin1Char('='));
            const QString name = word.mid(2, eq < 0 ? -1 : eq - 2);
            const std::optional<Takes> takes =
                word.startsWith(QLatin1String("--")) ? lookUp(m_command, name) : std::nullopt;
            if (!takes) {
                error = QStringLiteral("Unknown option %1 for %2")
                            .arg(eq < 0 ? word : word.left(eq), commandName(m_command));
                return false;
            }
            if (*takes == Takes::Nothing) {
                if (eq >= 0) {
                    error = QStringLiteral("--%1 takes no value").arg(name);
                    return false;
                }
                out.values.insert(name, QString());
            } else if (eq >= 0) {
                out.values.insert(name, word.mid(eq + 1));
            } else if (*takes == Takes::OptionalValue) {
                // The next word is the value unless it is an option, or the address list still
                // missing; --record=FILE says it without doubt.
                const bool next = i + 1 < words.size() && !isOption(words[i + 1]) &&
                                  !(out.positional.isEmpty() && isAddressList(words[i + 1]));
                out.values.insert(name, next ? words[++i] : QString());
            } else {
                if (i + 1 >= words.size() || words[i + 1].startsWith(QLatin1String("--"))) {
                    error = QStringLiteral("--%1 needs a value").arg(name);
                    return false;
                }
                out.values.insert(name, words[++i]);
            }
        }
        return true;
    }

private:
    // "-5" is a (wrong) address or range, not an option.
    static bool isOption(const QString& word) {
        return word.startsWith(QLatin1Char('-')) && !(word.size() > 1 && word.at(1).isDigit());
    }
    static bool isAddressList(const QString& word) {
        for (const QString& item : word.split(QLatin1Char(',')))
            if (!parseAddress(item.trimmed())) return false;
        return true;
    }

    Command m_command;
};

bool readPort(const Words& words, PortChoice& port, QString& error) {
    if (!words.values.contains(QStringLiteral("port"))) return true;
    const QString text = words.values.value(QStringLiteral("port"));
    if (text.isEmpty()) {
        error = QStringLiteral("--port needs a port number or a device");
        return false;
    }
    QString digits = text;
    if (text.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && text.size() > 3 && text.at(3).isDigit())
        digits = text.mid(3);
    if (digits.at(0).isDigit()) {
        const auto number = wholeNumber(digits, 1, kMaxPortNumber);
        if (!number) {
            error = QStringLiteral("Port %1 is not a port number from 1 to %2").arg(text).arg(kMaxPortNumber);
            return false;
        }
        port.number = int(*number);
        return true;
    }
    port.device = text;
    return true;
}

bool readBaud(const Words& words, std::optional<int>& baud, QString& error) {
    if (!words.values.contains(QStringLiteral("baud"))) return true;
    const QString text = words.values.value(QStringLiteral("baud"));
    const auto rate = wholeNumber(text, 1, 10000000);
    if (!rate || !serial::supportedRates().contains(int(*rate))) {
        QStringList rates;
        for (int r : serial::supportedRates())
            rates << QString::number(r);
        error = QStringLiteral("Baud rate %1 is not one of %2").arg(text, rates.join(QStringLiteral(", ")));
        return false;
    }
    baud = int(*rate);
    return true;
}

bool readNumber(const Words& words, const char* name, qint64 low, qint64 high, const QString& unit,
                std::optional<int>& value, QString& error) {
    const QString key = QLatin1String(name);
    if (!words.values.contains(key)) return true;
    const QString text = words.values.value(key);
    const auto number = wholeNumber(text, low, high);
    if (!number) {
        error =
            QStringLiteral("--%1 %2 is out of range: %3 to %4%5").arg(key, text).arg(low).arg(high).arg(unit);
        return false;
    }
    value = int(*number);
    return true;
}

bool readFormat(const Words& words, const QList<Format>& allowed, Format& format, QString& error) {
    if (!words.values.contains(QStringLiteral("format"))) return true;
    const QString text = words.values.value(QStringLiteral("format"));
    static const QList<std::pair<QString, Format>> names = {{QStringLiteral("table"), Format::Table},
                                                            {QStringLiteral("json"), Format::Json},
                                                            {QStringLiteral("csv"), Format::Csv}};
    QStringList choices;
    for (const auto& [name, f] : names) {
        if (!allowed.contains(f)) continue;
        if (text == name) {
            format = f;
            return true;
        }
        choices << name;
    }
    error = QStringLiteral("--format %1 is not one of %2").arg(text, choices.join(QStringLiteral(", ")));
    return false;
}

bool readRange(const Words& words, ScanArgs& scan, QString& error) {
    if (words.positional.isEmpty()) {
        error = QStringLiteral("No address range: give FROM-TO, e.g. 1-247");
        return false;
    }
    if (words.positional.size() > 1) {
        error = QStringLiteral("Unexpected argument %1: give one address range").arg(words.positional[1]);
        return false;
    }
    const QString text = words.positional.first();
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() > 2) {
        error = QStringLiteral("Address range %1 is not FROM-TO").arg(text);
        return false;
    }
    const auto from = parseAddress(ends.first().trimmed());
    const auto to = parseAddress(ends.last().trimmed());
    if (!from || !to) {
        error =
            QStringLiteral("Address range %1: addresses are 0 to 255, decimal or 0x hexadecimal").arg(text);
        return false;
    }
    if (*from > *to) {
        error = QStringLiteral("Address range %1 runs backwards").arg(text);
        return false;
    }
    scan.from = *from;
    scan.to = *to;
    return true;
}

bool readAddresses(const Words& words, PollArgs& poll, QString& error) {
    if (words.positional.isEmpty()) {
        error = QStringLiteral("No addresses: give ADDR[,ADDR...], e.g. 1,2,0x1F");
        return false;
    }
    if (words.positional.size() > 1) {
        error = QStringLiteral("Unexpected argument %1: give the addresses as one comma-separated list")
                    .arg(words.positional[1]);
        return false;
    }
    const QString text = words.positional.first();
    if (text.trimmed().isEmpty()) {
        error = QStringLiteral("The address list is empty");
        return false;
    }
    for (const QString& item : text.split(QLatin1Char(','))) {
        const QString trimmed = item.trimmed();
        if (trimmed.isEmpty()) {
            error = QStringLiteral("Address list %1 has an empty entry").arg(text);
            return false;
        }
        const auto address = parseAddress(trimmed);
        if (!address) {
            error =
                QStringLiteral("Address %1 is outside 0-255 (decimal, or hexadecimal with 0x)").arg(trimmed);
            return false;
        }
        if (poll.addresses.contains(*address)) {
            error = QStringLiteral("Address %1 is in the list twice").arg(*address);
            return false;
        }
        poll.addresses << *address;
    }
    return true;
}

bool readMqtt(const Words& words, PollArgs& poll, QString& error) {
    const QStringList dependent = {QStringLiteral("mqtt-user"), QStringLiteral("mqtt-password"),
                                   QStringLiteral("mqtt-cafile"), QStringLiteral("mqtt-prefix"),
                                   QStringLiteral("mqtt-line")};
    if (!words.values.contains(QStringLiteral("mqtt"))) {
        for (const QString& name : dependent)
            if (words.values.contains(name)) {
                error = QStringLiteral("--%1 needs --mqtt URL").arg(name);
                return false;
            }
        return true;
    }
    MqttArgs mqtt;
    const auto broker = mqtt::parseBrokerUrl(words.values.value(QStringLiteral("mqtt")), &error);
    if (!broker) return false;
    mqtt.broker = *broker;
    mqtt.user = words.values.value(QStringLiteral("mqtt-user"));
    mqtt.password = words.values.value(QStringLiteral("mqtt-password"));
    mqtt.caFile = words.values.value(QStringLiteral("mqtt-cafile"));
    if (words.values.contains(QStringLiteral("mqtt-cafile")) && !mqtt.broker.tls) {
        error = QStringLiteral("--mqtt-cafile is for an mqtts:// broker");
        return false;
    }
    if (words.values.contains(QStringLiteral("mqtt-prefix"))) {
        mqtt.prefix = words.values.value(QStringLiteral("mqtt-prefix"));
        error = mqtt::prefixProblem(mqtt.prefix);
        if (!error.isEmpty()) return false;
    }
    if (words.values.contains(QStringLiteral("mqtt-line"))) {
        mqtt.line = words.values.value(QStringLiteral("mqtt-line"));
        error = mqtt::lineProblem(mqtt.line);
        if (!error.isEmpty()) return false;
    }
    poll.mqtt = mqtt;
    return true;
}

ScanArgs parseScan(const Words& words, QString& error) {
    ScanArgs scan;
    if (!readPort(words, scan.port, error) || !readBaud(words, scan.baud, error) ||
        !readFormat(words, {Format::Table, Format::Json, Format::Csv}, scan.format, error) ||
        !readNumber(words, "timeout", kMinTimeoutMs, kMaxTimeoutMs, QStringLiteral(" ms"), scan.timeoutMs,
                    error) ||
        !readRange(words, scan, error))
        return scan;
    scan.fast = words.values.contains(QStringLiteral("fast"));
    if (scan.timeoutMs && !scan.fast)
        error = QStringLiteral("--timeout is the fast scan's reply time-out: give --fast too");
    return scan;
}

PollArgs parsePoll(const Words& words, QString& error) {
    PollArgs poll;
    if (!readAddresses(words, poll, error) || !readPort(words, poll.port, error) ||
        !readBaud(words, poll.baud, error) ||
        !readFormat(words, {Format::Json, Format::Csv}, poll.format, error) ||
        !readNumber(words, "interval", kMinIntervalMs, kMaxIntervalMs, QStringLiteral(" ms"), poll.intervalMs,
                    error) ||
        !readNumber(words, "count", 1, std::numeric_limits<int>::max(), QString(), poll.count, error) ||
        !readMqtt(words, poll, error))
        return poll;
    poll.record = words.values.contains(QStringLiteral("record"));
    poll.recordFile = words.values.value(QStringLiteral("record"));
    return poll;
}

} // namespace

std::optional<int> parseAddress(const QString& text) {
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString digits = hex ? text.mid(2) : text;
    if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
    for (const QChar c : digits) {
        const char a = c.toLatin1();
        const bool digit = a >= '0' && a <= '9';
        const bool letter = (a >= 'a' && a <= 'f') || (a >= 'A' && a <= 'F');
        if (!(digit || (hex && letter))) return std::nullopt;
    }
    const int value = digits.toInt(nullptr, hex ? 16 : 10);
    if (value > 255) return std::nullopt;
    return value;
}

Invocation parseArguments(const QStringList& arguments) {
    Invocation result;
    const QStringList words = arguments.mid(1);
    if (words.isEmpty()) {
        result.error = QStringLiteral("No command: give scan or poll (--help tells more)");
        return result;
    }
    const QString& command = words.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help"))
        return result;
    if (command == QLatin1String("scan"))
        result.command = Command::Scan;
    else if (command == QLatin1String("poll"))
        result.command = Command::Poll;
    else {
        result.error = QStringLiteral("Unknown command %1: give scan or poll").arg(command);
        return result;
    }
    const QStringList rest = words.mid(1);
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        result.command = Command::Help;
        return result;
    }
    Words split;
    if (!Parser(result.command).split(rest, split, result.error)) return result;
    if (result.command == Command::Scan)
        result.scan = parseScan(split, result.error);
    else
        result.poll = parsePoll(split, result.error);
    return result;
}

QString usageText() {
    return QStringLiteral(
        "Usage:\n"
        "  commtest-cli scan [--port N|DEVICE] [--baud RATE] [--fast] [--timeout MS]\n"
        "                    [--format table|json|csv] FROM-TO\n"
        "  commtest-cli poll ADDR[,ADDR...] [--port N|DEVICE] [--baud RATE] [--interval MS]\n"
        "                    [--count N] [--format json|csv] [--record [FILE]] [--mqtt URL]\n"
        "                    [--mqtt-user U] [--mqtt-password P] [--mqtt-cafile F]\n"
        "                    [--mqtt-prefix P] [--mqtt-line NAME]\n"
        "\n"
        "Addresses are 0 to 255, decimal or hexadecimal with 0x. Port and rate default to the link\n"
        "settings file; --port takes a port number (3 or COM3) or a device (/dev/ttyUSB0).\n"
        "--timeout is the fast scan's reply time-out, 30 to 2000 ms. --interval is one poll round,\n"
        "100 to 3600000 ms (default: the diagnosis window's). --record=FILE names the history\n"
        "database; without a file the program's own is used.\n"
        "--mqtt mqtt://host[:port] or mqtts://host[:port] publishes every sample; user and password\n"
        "may come from COMMTEST_MQTT_USER and COMMTEST_MQTT_PASSWORD instead.\n"
        "\n"
        "Exit status: 0 done, 1 nothing found (scan), 2 usage error, 3 port error.\n");
}

mqtt::GatewayOptions gatewayOptions(const MqttArgs& args, const QString& device,
                                    const mqtt::Environment& environment) {
    mqtt::GatewayOptions options;
    options.broker = args.broker;
    options.user = args.user;
    options.password = args.password;
    options.caFile = args.caFile;
    if (!args.prefix.isEmpty()) options.prefix = args.prefix;
    options.line = args.line.isEmpty() ? mqtt::lineNameForDevice(device) : args.line;
    mqtt::takeCredentialsFrom(environment, options);
    return options;
}

} // namespace cli
