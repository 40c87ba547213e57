#include "terminal/ui/traffic_model.h"

#include "terminal/terminal_texts.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace terminal {

TrafficModel::TrafficModel(const TrafficLog& log, QObject* parent)
    : QAbstractTableModel(parent), m_log(log), m_taken(log.firstSeq()) {}

void TrafficModel::setHex(bool hex) {
    if (hex == m_hex) return;
    m_hex = hex;
    if (!m_rows.empty()) emit dataChanged(index(0, BytesColumn), index(rowCount() - 1, BytesColumn));
}

void TrafficModel::setPaused(bool paused) {
    m_paused = paused;
    if (!paused) sync();
}

void TrafficModel::setAddressFilter(int address) {
    if (address == m_filter) return;
    m_filter = address;
    reload();
}

void TrafficModel::reload() {
    beginResetModel();
    m_rows.clear();
    const qint64 end =
        m_paused ? std::min(std::max(m_taken, m_log.firstSeq()), m_log.endSeq()) : m_log.endSeq();
    for (qint64 s = m_log.firstSeq(); s < end; ++s)
        if (keeps(m_log.at(s))) m_rows.push_back(s);
    m_taken = end;
    endResetModel();
}

bool TrafficModel::sync() {
    size_t gone = 0;
    while (gone < m_rows.size() && m_rows[gone] < m_log.firstSeq())
        ++gone;
    if (gone > 0) {
        beginRemoveRows({}, 0, static_cast<int>(gone) - 1);
        m_rows.erase(m_rows.begin(), m_rows.begin() + static_cast<std::ptrdiff_t>(gone));
        endRemoveRows();
    }
    if (m_paused) return false;
    std::vector<qint64> fresh;
    for (qint64 s = std::max(m_taken, m_log.firstSeq()); s < m_log.endSeq(); ++s)
        if (keeps(m_log.at(s))) fresh.push_back(s);
    m_taken = m_log.endSeq();
    if (fresh.empty()) return false;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(fresh.size()) - 1);
    m_rows.insert(m_rows.end(), fresh.begin(), fresh.end());
    endInsertRows();
    return true;
}

int TrafficModel::rowAtOrAfter(qint64 seq) const {
    if (m_rows.empty()) return -1;
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), seq);
    return static_cast<int>(std::min(at - m_rows.begin(), static_cast<std::ptrdiff_t>(m_rows.size()) - 1));
}

qint64 TrafficModel::waiting() const {
    return m_log.endSeq() - std::max(m_taken, m_log.firstSeq());
}

int TrafficModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TrafficModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant TrafficModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TrafficLine& l = line(index.row());
    if (role == Qt::ForegroundRole) {
        switch (l.verdict) {
        case Verdict::BadCheck:
        case Verdict::NoReply:
        case Verdict::Stray:
        case Verdict::OtherAddress: return QBrush(QColor(0xB0, 0x00, 0x00));
        case Verdict::Echo:
        case Verdict::Noise: return QBrush(QColor(0x80, 0x80, 0x80));
        default: return {};
        }
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case TimeColumn: return timeText(l);
    case DirectionColumn: return directionText(l.direction);
    case AddressColumn: return addressText(l.address);
    case BytesColumn: return bytesText(l, m_hex);
    case VerdictColumn: return verdictText(l);
    case RoundTripColumn: return l.roundTripMs < 0 ? QVariant() : QVariant(l.roundTripMs);
    }
    return {};
}

QVariant TrafficModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static constexpr i18n::Text captions[] = {texts::kColTime,  texts::kColDirection, texts::kColAddress,
                                              texts::kColBytes, texts::kColVerdict,   texts::kColRoundTrip};
    return section >= 0 && section < Columns ? QVariant(captions[section].toString()) : QVariant();
}

} // namespace terminal
