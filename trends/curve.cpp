#include "trends/curve.h"

#include "i18n/text.h"

namespace trends {

QString Curve::title() const {
    // Recorded labels stay in the source language; they are translated where shown.
    const QString name = label.isEmpty() ? key : i18n::trNumbered(label);
    if (unit.isEmpty()) return name;
    return name + QStringLiteral(" (") + i18n::tr(unit) + QLatin1Char(')');
}

Curve Curve::fromReading(const protocol::Reading& reading) {
    Curve curve;
    curve.key = reading.key;
    curve.label = reading.label;
    curve.unit = reading.unit;
    curve.decimals = reading.decimals;
    curve.step = isFlagKey(reading.key);
    return curve;
}

bool isFlagKey(const QString& key) {
    if (!key.startsWith(QLatin1String("AL"))) return false;
    for (int i = 2; i < key.size(); ++i)
        if (!key.at(i).isDigit()) return false;
    return true;
}

QVector<Curve> curvesOf(const protocol::Readings& readings) {
    QVector<Curve> curves;
    curves.reserve(int(readings.size()));
    for (const protocol::Reading& r : readings)
        curves.append(Curve::fromReading(r));
    return curves;
}

} // namespace trends
