#include "mqtt/gateway_options.h"

#include <QFileInfo>

namespace mqtt {

namespace {

// Wildcards and NUL may not stand in a topic that is published to.
QString levelProblem(const QString& what, const QString& text) {
    if (text.isEmpty()) return QStringLiteral("%1 is empty").arg(what);
    for (const QChar c : text)
        if (c == QLatin1Char('+') || c == QLatin1Char('#') || c.unicode() == 0)
            return QStringLiteral("%1 \"%2\" holds \"%3\", a wildcard or NUL, which a topic may not")
                .arg(what, text, c.unicode() == 0 ? QStringLiteral("\\0") : QString(c));
    return {};
}

} // namespace

QString lineNameForDevice(const QString& device) {
    return QFileInfo(device).fileName();
}

Environment processEnvironment() {
    return [](const char* name) { return qEnvironmentVariable(name); };
}

void takeCredentialsFrom(const Environment& environment, GatewayOptions& options) {
    if (options.user.isEmpty()) options.user = environment("COMMTEST_MQTT_USER");
    if (options.password.isEmpty()) options.password = environment("COMMTEST_MQTT_PASSWORD");
}

QString prefixProblem(const QString& prefix) {
    const QString what = QStringLiteral("MQTT prefix");
    if (QString p = levelProblem(what, prefix); !p.isEmpty()) return p;
    if (prefix.split(QLatin1Char('/')).contains(QString()))
        return QStringLiteral("%1 \"%2\" has an empty level (a leading, trailing or doubled \"/\")")
            .arg(what, prefix);
    return {};
}

QString lineProblem(const QString& line) {
    const QString what = QStringLiteral("MQTT line name");
    if (QString p = levelProblem(what, line); !p.isEmpty()) return p;
    if (line.contains(QLatin1Char('/')))
        return QStringLiteral("%1 \"%2\" holds \"/\"; it is one topic level").arg(what, line);
    return {};
}

QString optionsProblem(const GatewayOptions& options) {
    if (options.broker.host.isEmpty()) return QStringLiteral("No MQTT broker given");
    if (QString p = prefixProblem(options.prefix); !p.isEmpty()) return p;
    if (QString p = lineProblem(options.line); !p.isEmpty()) return p;
    if (!options.caFile.isEmpty() && !options.broker.tls)
        return QStringLiteral("A CA file is for an mqtts:// broker; %1 is plain mqtt://")
            .arg(options.broker.host);
    if (options.password.size() > 0 && options.user.isEmpty())
        return QStringLiteral("An MQTT password without a user name");
    if (options.queueCapacity < 1 || options.inFlightWindow < 1 || options.healthIntervalMs < 1 ||
        options.missesBeforeOffline < 1 || options.keepAliveS < 5 || options.reconnectMinS < 1 ||
        options.reconnectMaxS < options.reconnectMinS)
        return QStringLiteral("MQTT limits out of range");
    return {};
}

} // namespace mqtt
