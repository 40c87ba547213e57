#pragma once
// The spans a trend offers to choose from, shortest first.
#include "i18n/text.h"

#include <QString>
#include <QVector>

namespace trends {

struct SpanChoice {
    qint64 ms = 0;
    i18n::Text caption = ""; // translated where it is shown
};

const QVector<SpanChoice>& spanChoices();

} // namespace trends
