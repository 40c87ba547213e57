#pragma once
// The list of readings a trend window offers: one box per reading, the first few that are not
// flags ticked until the operator chooses otherwise.
#include "trends/curve.h"

#include <QStringList>
#include <QVector>

class QListWidget;

namespace trends {

constexpr int kShownAtFirst = 4;

// Fills the list without telling its listeners.
void fillReadingList(QListWidget* list, const QVector<Curve>& curves);
// Keys of the ticked readings, in the list's order.
QStringList tickedKeys(const QListWidget* list);

} // namespace trends
