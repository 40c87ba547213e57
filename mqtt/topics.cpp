#include "mqtt/topics.h"

namespace mqtt {

namespace {

QByteArray level(int address) {
    return QByteArray::number(address);
}

} // namespace

Topics::Topics(const QString& prefix, const QString& line)
    : m_base((prefix + QLatin1Char('/') + line).toUtf8()) {}

QByteArray Topics::gatewayStatus() const {
    return m_base + "/status";
}

QByteArray Topics::health() const {
    return m_base + "/health";
}

QByteArray Topics::dropped() const {
    return m_base + "/dropped";
}

QByteArray Topics::readings(int address) const {
    return m_base + '/' + level(address) + "/readings";
}

QByteArray Topics::instrumentStatus(int address) const {
    return m_base + '/' + level(address) + "/status";
}

QByteArray Topics::value(int address, const QString& key) const {
    QByteArray k = key.toUtf8();
    for (char& c : k)
        if (c == '/' || c == '+' || c == '#') c = '_';
    return m_base + '/' + level(address) + '/' + k;
}

} // namespace mqtt
