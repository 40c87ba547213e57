#pragma once
// The spans a trend offers to choose from, shortest first.
#include <QString>
#include <QVector>

namespace trends {

struct SpanChoice {
    qint64 ms = 0;
    QString caption;
};

const QVector<SpanChoice>& spanChoices();

} // namespace trends
