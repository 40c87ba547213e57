#pragma once
// The topic tree of one line's gateway, under <prefix>/<line>/.
#include <QByteArray>
#include <QString>

namespace mqtt {

class Topics {
public:
    Topics(const QString& prefix, const QString& line);

    QByteArray gatewayStatus() const;               // <base>/status: "online", or "offline" as the last will
    QByteArray health() const;                      // <base>/health: bus figures, JSON
    QByteArray dropped() const;                     // <base>/dropped: readings messages dropped unsent
    QByteArray readings(int address) const;         // <base>/<address>/readings: one JSON message a sample
    QByteArray instrumentStatus(int address) const; // <base>/<address>/status
    // <base>/<address>/<key>; a "/", "+" or "#" in a key becomes "_" so that it stays one level.
    QByteArray value(int address, const QString& key) const;

private:
    QByteArray m_base;
};

} // namespace mqtt
