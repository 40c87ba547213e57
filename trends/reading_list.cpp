#include "trends/reading_list.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace trends {

void fillReadingList(QListWidget* list, const QVector<Curve>& curves) {
    const QSignalBlocker quiet(list);
    list->clear();
    int ticked = 0;
    for (const Curve& curve : curves) {
        auto* item = new QListWidgetItem(curve.title(), list);
        item->setData(Qt::UserRole, curve.key);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool tick = !curve.step && ticked < kShownAtFirst;
        ticked += tick;
        item->setCheckState(tick ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList tickedKeys(const QListWidget* list) {
    QStringList keys;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            keys << list->item(row)->data(Qt::UserRole).toString();
    return keys;
}

} // namespace trends
