#include "search/instrument_list.h"

#include "i18n/text.h"

namespace {

const QString kHeader[InstrumentList::kColumns] = {
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "序 号")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地 址")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "仪 表 类 型")),
    QStringLiteral(QT_TRANSLATE_NOOP("commtest", "备  注"))};

// The cells of data row `row` holding `instrument`.
QString cellText(int row, const Instrument& instrument, int col) {
    switch (col) {
    case 0: return QString::number(row); // rows fill in order of discovery
    case InstrumentList::kAddressColumn: return addressCellText(instrument);
    case InstrumentList::kTypeColumn: return instrument.modelName();
    case InstrumentList::kRemarkColumn:
        return instrument.roundTripMs < 0 ? QString() : QStringLiteral("%1 ms").arg(instrument.roundTripMs);
    default: return {};
    }
}

} // namespace

QString addressCellText(const Instrument& instrument) {
    return QStringLiteral("%1（0x%2H）")
        .arg(instrument.address, 4, 10, QLatin1Char('0'))
        .arg(QString::fromLatin1(instrument.addressText));
}

InstrumentList::InstrumentList(QObject* parent) : QAbstractTableModel(parent), m_rows(1) {}

QString InstrumentList::text(int row, int col) const {
    if (col < 0 || col >= kColumns) return {};
    if (row == 0) return kHeader[col];
    const Instrument* found = instrument(row);
    return found ? cellText(row, *found, col) : QString();
}

const Instrument* InstrumentList::instrument(int row) const {
    if (row < 1 || row >= rows() || !m_rows[row - 1]) return nullptr;
    return &*m_rows[row - 1];
}

void InstrumentList::setInstrument(int row, const Instrument& instrument) {
    if (row < 1 || row >= rows()) return;
    int first = kColumns;
    int last = -1;
    for (int c = 0; c < kColumns; ++c) {
        if (text(row, c) == cellText(row, instrument, c)) continue;
        first = std::min(first, c);
        last = c;
    }
    m_rows[row - 1] = instrument;
    if (last >= 0) emit dataChanged(index(row - 1, first), index(row - 1, last));
}

void InstrumentList::addRow() {
    const int modelRow = rows() - 1;
    beginInsertRows({}, modelRow, modelRow);
    m_rows.emplace_back();
    endInsertRows();
}

void InstrumentList::setCurrentRow(int row) {
    if (row < 1 || row >= rows() || row == m_currentRow) return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

void InstrumentList::reset() {
    beginResetModel();
    m_rows.assign(1, std::nullopt);
    endResetModel();
    if (m_currentRow != 1) {
        m_currentRow = 1;
        emit currentRowChanged(1);
    }
}

int InstrumentList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows() - 1;
}

int InstrumentList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant InstrumentList::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
        // The cells keep what the scan wrote (model names in Chinese); they are translated for display.
        return i18n::tr(text(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

QVariant InstrumentList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole: return i18n::tr(text(0, section));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}
