#pragma once
// What the trend draws of one reading: its key, how it is named and written, and whether it is a
// flag (0 or 1) drawn as steps rather than as a line between samples.
#include "protocol/reading.h"

#include <QString>
#include <QVector>

namespace trends {

struct Curve {
    QString key;
    QString label;
    QString unit;
    int decimals = 0;
    bool step = false;

    // "label (unit)", or the label alone when there is no unit.
    QString title() const;
    static Curve fromReading(const protocol::Reading& reading);
};

// Alarm lamps ("AL", "AL1", "AL2", ...) are the flags the views report; a caller that knows of
// other state flags sets Curve::step itself.
bool isFlagKey(const QString& key);

QVector<Curve> curvesOf(const protocol::Readings& readings);

} // namespace trends
