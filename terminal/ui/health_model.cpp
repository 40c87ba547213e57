#include "terminal/ui/health_model.h"

#include "terminal/terminal_texts.h"

namespace terminal {

namespace {
constexpr int kColumns = 8;
}

HealthModel::HealthModel(const BusHealth& health, QObject* parent)
    : QAbstractTableModel(parent), m_health(health) {}

void HealthModel::sync() {
    std::vector<std::pair<int, AddressHealth>> rows(m_health.rows().begin(), m_health.rows().end());
    if (rows.size() != m_rows.size()) {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
        return;
    }
    // Only rows whose figures moved are redrawn.
    for (size_t r = 0; r < rows.size(); ++r) {
        const AddressHealth& a = rows[r].second;
        const AddressHealth& b = m_rows[r].second;
        const bool same = rows[r].first == m_rows[r].first && a.requests == b.requests &&
                          a.accepted == b.accepted && a.badChecks == b.badChecks && a.missing == b.missing &&
                          a.timed == b.timed && a.roundTripSum == b.roundTripSum;
        m_rows[r] = rows[r];
        if (!same) emit dataChanged(index(int(r), 0), index(int(r), kColumns - 1));
    }
}

int HealthModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HealthModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant HealthModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
    const auto& [address, h] = m_rows[static_cast<size_t>(index.row())];
    const auto timed = [](int ms) { return ms < 0 ? QVariant() : QVariant(ms); };
    switch (index.column()) {
    case 0: return address;
    case 1: return h.requests;
    case 2: return h.accepted;
    case 3: return h.badChecks;
    case 4: return h.missing;
    case 5: return timed(h.roundTripMin);
    case 6: return timed(h.roundTripMean());
    case 7: return timed(h.roundTripMax);
    }
    return {};
}

QVariant HealthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static constexpr i18n::Text captions[] = {texts::kColAddress,   texts::kColRequests, texts::kColAccepted,
                                              texts::kColBadChecks, texts::kColMissing,  texts::kColMin,
                                              texts::kColMean,      texts::kColMax};
    return section >= 0 && section < kColumns ? QVariant(captions[section].toString()) : QVariant();
}

} // namespace terminal
