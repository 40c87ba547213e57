#include "trends/series_spec.h"

namespace trends {

QString SeriesSpec::title() const {
    if (unit.isEmpty()) return label.isEmpty() ? key : label;
    return (label.isEmpty() ? key : label) + QStringLiteral(" (") + unit + QLatin1Char(')');
}

SeriesSpec SeriesSpec::fromReading(const protocol::Reading& reading) {
    SeriesSpec spec;
    spec.key = reading.key;
    spec.label = reading.label;
    spec.unit = reading.unit;
    spec.decimals = reading.decimals;
    spec.step = isFlagKey(reading.key);
    return spec;
}

bool isFlagKey(const QString& key) {
    if (!key.startsWith(QLatin1String("AL"))) return false;
    for (int i = 2; i < key.size(); ++i)
        if (!key.at(i).isDigit()) return false;
    return true;
}

QVector<SeriesSpec> specsOf(const protocol::Readings& readings) {
    QVector<SeriesSpec> specs;
    specs.reserve(int(readings.size()));
    for (const protocol::Reading& r : readings)
        specs.append(SeriesSpec::fromReading(r));
    return specs;
}

} // namespace trends
