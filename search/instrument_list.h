#pragma once
// The instrument list: the only record of the instruments a scan found and of which one the
// operator chose. Rows count as the grid shows them: row 0 is the header row, data rows start at
// 1; four columns (sequence number, address cell, type cell, remarks). A fresh list holds the
// header and one empty row 1.
//
// As a Qt model it shows the data rows only (model row r is list row r + 1); the header row's
// texts are its horizontal header. The model shows texts in the language in use; text() gives
// them as they are kept.
#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class InstrumentList : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kAddressColumn = 1;
    static constexpr int kTypeColumn = 2;

    explicit InstrumentList(QObject* parent = nullptr);

    // Header + data rows, at least 2.
    int rows() const { return static_cast<int>(m_cells.size()); }
    // Empty text outside the grid.
    QString text(int row, int col) const;
    // Ignored outside the grid.
    void setText(int row, int col, const QString& text);
    // Appends one empty data row at the end.
    void addRow();

    // The row the operator last chose (1 in a fresh list). Only data rows can be current.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);

    QString addressCell(int row) const { return text(row, kAddressColumn); }
    QString typeCell(int row) const { return text(row, kTypeColumn); }

    // Before a new scan: only the header and an empty row 1 remain, and row 1 is current.
    void reset();

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void currentRowChanged(int row);

private:
    static QStringList emptyRow() { return QStringList(kColumns, QString()); }

    QVector<QStringList> m_cells;
    int m_currentRow = 1;
};
