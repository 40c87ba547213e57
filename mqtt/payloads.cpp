#include "mqtt/payloads.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace mqtt {

namespace {

std::optional<double> rounded(const protocol::Reading& reading) {
    if (!std::isfinite(reading.value)) return std::nullopt;
    const int decimals = std::clamp(reading.decimals, 0, 9);
    const double scale = std::pow(10.0, decimals);
    const double scaled = reading.value * scale;
    // Beyond 2^53 every double is a whole number already, and scaling back could only add noise.
    if (std::fabs(scaled) >= 9007199254740992.0) return reading.value;
    const double value = std::round(scaled) / scale;
    return value == 0 ? 0.0 : value; // no "-0"
}

QByteArray compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QString isoTime(qint64 epochMs, const QTimeZone& zone) {
    return QDateTime::fromMSecsSinceEpoch(epochMs, zone).toString(Qt::ISODateWithMs);
}

QJsonValue readingValue(const protocol::Reading& reading) {
    const auto value = rounded(reading);
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QByteArray valueText(const protocol::Reading& reading) {
    const auto value = rounded(reading);
    if (!value) return {};
    return QByteArray::number(*value, 'g', QLocale::FloatingPointShortest);
}

QByteArray samplePayload(const protocol::Sample& sample, const QTimeZone& zone) {
    QJsonObject readings;
    for (const protocol::Reading& r : sample.readings)
        readings.insert(r.key, readingValue(r));
    return compact({
        {QStringLiteral("time"), isoTime(sample.epochMs, zone)},
        {QStringLiteral("epochMs"), sample.epochMs},
        {QStringLiteral("address"), sample.address},
        {QStringLiteral("type"), sample.typeCode},
        {QStringLiteral("model"), sample.model},
        {QStringLiteral("readings"), readings},
    });
}

QList<Retained> valueMessages(const protocol::Sample& sample, const Topics& topics) {
    QList<Retained> out;
    for (const protocol::Reading& r : sample.readings) {
        QByteArray text = valueText(r);
        if (!text.isEmpty()) out.append({topics.value(sample.address, r.key), text});
    }
    return out;
}

QByteArray healthPayload(const BusHealth& health, qint64 epochMs, qint64 periodMs, const QTimeZone& zone) {
    QJsonArray instruments;
    for (const auto& [address, h] : health) {
        QJsonValue roundTrip(QJsonValue::Null);
        if (h.roundTrips > 0)
            roundTrip = QJsonObject{
                {QStringLiteral("min"), h.minRoundTripMs},
                {QStringLiteral("mean"), std::round(h.meanRoundTripMs() * 10) / 10},
                {QStringLiteral("max"), h.maxRoundTripMs},
            };
        instruments.append(QJsonObject{
            {QStringLiteral("address"), address},
            {QStringLiteral("requests"), h.requests},
            {QStringLiteral("accepted"), h.accepted},
            {QStringLiteral("badChecks"), h.badChecks},
            {QStringLiteral("missing"), h.missing},
            {QStringLiteral("roundTripMs"), roundTrip},
        });
    }
    return compact({
        {QStringLiteral("time"), isoTime(epochMs, zone)},
        {QStringLiteral("epochMs"), epochMs},
        {QStringLiteral("periodMs"), periodMs},
        {QStringLiteral("instruments"), instruments},
    });
}

} // namespace mqtt
