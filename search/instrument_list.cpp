#include "search/instrument_list.h"

#include "i18n/text.h"

namespace {

QStringList headerRow() {
    return {QStringLiteral(QT_TRANSLATE_NOOP("commtest", "序 号")),
            QStringLiteral(QT_TRANSLATE_NOOP("commtest", "地 址")),
            QStringLiteral(QT_TRANSLATE_NOOP("commtest", "仪 表 类 型")),
            QStringLiteral(QT_TRANSLATE_NOOP("commtest", "备  注"))};
}

} // namespace

InstrumentList::InstrumentList(QObject* parent) : QAbstractTableModel(parent) {
    m_cells = {headerRow(), emptyRow()};
}

QString InstrumentList::text(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= kColumns) return {};
    return m_cells[row][col];
}

void InstrumentList::setText(int row, int col, const QString& text) {
    if (row < 0 || row >= rows() || col < 0 || col >= kColumns) return;
    if (m_cells[row][col] == text) return;
    m_cells[row][col] = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex i = index(row - 1, col);
        emit dataChanged(i, i);
    }
}

void InstrumentList::addRow() {
    const int modelRow = rows() - 1;
    beginInsertRows({}, modelRow, modelRow);
    m_cells.append(emptyRow());
    endInsertRows();
}

void InstrumentList::setCurrentRow(int row) {
    if (row < 1 || row >= rows() || row == m_currentRow) return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

void InstrumentList::reset() {
    beginResetModel();
    m_cells.resize(2);
    m_cells[1] = emptyRow();
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
    // The cells keep what the scan wrote (model names in Chinese); they are translated for display.
    case Qt::DisplayRole:
        return i18n::tr(text(index.row() + 1, index.column()));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

QVariant InstrumentList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return i18n::tr(text(0, section));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}
