#include "trends/series_spec.h"

#include "i18n/text.h"

namespace trends {

QString SeriesSpec::title() const {
    // Recorded labels stay in the source language; they are translated where shown.
    const QString name = label.isEmpty() ? key : i18n::trNumbered(label);
    if (unit.isEmpty()) return name;
    return name + QStringLiteral(" (") + i18n::tr(unit) + QLatin1Char(')');
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
