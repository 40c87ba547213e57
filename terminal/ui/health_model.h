#pragma once
// The bus health as a table: one row per address asked.
#include "terminal/bus_health.h"

#include <QAbstractTableModel>
#include <vector>

namespace terminal {

class HealthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit HealthModel(const BusHealth& health, QObject* parent = nullptr);

    // Figures brought up to date.
    void sync();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const BusHealth& m_health;
    std::vector<std::pair<int, AddressHealth>> m_rows;
};

} // namespace terminal
