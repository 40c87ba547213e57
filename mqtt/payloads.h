#pragma once
// What the gateway publishes, as bytes: a sample as one JSON message and as one plain number per
// reading, and the bus-health figures as JSON.
#include "mqtt/bus_health.h"
#include "mqtt/topics.h"
#include "protocol/reading.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QTimeZone>

namespace mqtt {

// ISO 8601 with milliseconds and the zone's offset: "2024-05-01T12:00:00.123+08:00".
QString isoTime(qint64 epochMs, const QTimeZone& zone);

// A reading's value rounded to the decimals the panel writes it with (a float field's
// 12.300000190734863 is 12.3), or null when it is not a finite number, which JSON cannot carry.
QJsonValue readingValue(const protocol::Reading& reading);

// The same value as plain text for a topic of its own ("12.3", "-5", "1"); empty when not finite.
QByteArray valueText(const protocol::Reading& reading);

// {"time", "epochMs", "address", "type", "model", "readings": {"KEY": number, ...}}, compact.
QByteArray samplePayload(const protocol::Sample& sample, const QTimeZone& zone);

struct Retained {
    QByteArray topic;
    QByteArray payload;
    bool operator==(const Retained& o) const { return topic == o.topic && payload == o.payload; }
};

// Each reading's latest value of an accepted sample, in the order of its readings; readings that
// are not finite numbers are left out, so a topic keeps its last good value.
QList<Retained> valueMessages(const protocol::Sample& sample, const Topics& topics);

// {"time", "epochMs", "periodMs", "instruments": [{"address", "requests", "accepted", "badChecks",
// "missing", "roundTripMs": {"min", "mean", "max"} or null}, ...]} in address order.
QByteArray healthPayload(const BusHealth& health, qint64 epochMs, qint64 periodMs, const QTimeZone& zone);

} // namespace mqtt
