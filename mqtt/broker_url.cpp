#include "mqtt/broker_url.h"

#include <QRegularExpression>

namespace mqtt {

namespace {

std::optional<BrokerUrl> fail(QString* error, const QString& text) {
    if (error) *error = text;
    return std::nullopt;
}

bool isHostName(const QString& host) {
    // Letters, digits, hyphens and dots, as a resolver takes them; no label empty or over 63.
    static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    if (host.size() > 253) return false;
    const QStringList labels = host.split(QLatin1Char('.'));
    for (const QString& l : labels)
        if (!label.match(l).hasMatch()) return false;
    return true;
}

} // namespace

std::optional<BrokerUrl> parseBrokerUrl(const QString& text, QString* error) {
    const QString why = QStringLiteral("Malformed broker URL \"%1\": ").arg(text);
    BrokerUrl url;
    QString rest;
    if (text.startsWith(QLatin1String("mqtt://"))) {
        rest = text.mid(7);
    } else if (text.startsWith(QLatin1String("mqtts://"))) {
        rest = text.mid(8);
        url.tls = true;
        url.port = kTlsPort;
    } else {
        return fail(error, why + QStringLiteral("expected mqtt://host[:port] or mqtts://host[:port]"));
    }
    if (rest.endsWith(QLatin1Char('/'))) rest.chop(1);
    if (rest.contains(QLatin1Char('@')))
        return fail(error, why + QStringLiteral("give user and password as options, not in the URL"));
    if (rest.contains(QLatin1Char('/')) || rest.contains(QLatin1Char('?')) || rest.contains(QLatin1Char('#')))
        return fail(error, why + QStringLiteral("a path or query is not taken"));

    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const int close = rest.indexOf(QLatin1Char(']'));
        if (close < 0) return fail(error, why + QStringLiteral("unclosed \"[\""));
        url.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(QLatin1Char(':')))
                return fail(error, why + QStringLiteral("junk after \"]\""));
            portText = after.mid(1);
            if (portText.isEmpty()) return fail(error, why + QStringLiteral("empty port"));
        }
        static const QRegularExpression v6(QStringLiteral("^[0-9A-Fa-f:.]*:[0-9A-Fa-f:.]*:[0-9A-Fa-f:.]*$"));
        if (!v6.match(url.host).hasMatch())
            return fail(error, why + QStringLiteral("\"%1\" is not an IPv6 address").arg(url.host));
    } else {
        const int colon = rest.indexOf(QLatin1Char(':'));
        url.host = colon < 0 ? rest : rest.left(colon);
        if (colon >= 0) {
            portText = rest.mid(colon + 1);
            if (portText.isEmpty()) return fail(error, why + QStringLiteral("empty port"));
        }
        if (url.host.isEmpty()) return fail(error, why + QStringLiteral("no host"));
        if (!isHostName(url.host))
            return fail(error, why + QStringLiteral("\"%1\" is not a host name or address").arg(url.host));
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        const int port = portText.toInt(&ok, 10);
        if (!ok || port < 1 || port > 65535 || !portText.at(0).isDigit())
            return fail(error,
                        why + QStringLiteral("port \"%1\" is not a number from 1 to 65535").arg(portText));
        url.port = port;
    }
    return url;
}

} // namespace mqtt
