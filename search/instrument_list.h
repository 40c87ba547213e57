#pragma once
// The instrument list: what a scan found, one Instrument per data row, and which one the operator
// chose. Rows count as the grid shows them: row 0 is the header row, data rows start at 1; four
// columns (sequence number, address cell, type cell, remarks). A fresh list holds the header and
// one empty row 1. The cells are texts made from the instruments, for display only.
//
// As a Qt model it shows the data rows only (model row r is list row r + 1); the header row's
// texts are its horizontal header. The model shows texts in the language in use; text() gives
// them as they are kept.
#include "search/instrument.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

class InstrumentList : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kAddressColumn = 1;
    static constexpr int kTypeColumn = 2;
    // The round trip of the scan reply, "35 ms"; empty when not measured.
    static constexpr int kRemarkColumn = 3;

    explicit InstrumentList(QObject* parent = nullptr);

    // Header + data rows, at least 2.
    int rows() const { return static_cast<int>(m_rows.size()) + 1; }
    // The cell as the grid shows it; empty text outside the grid and in an empty row.
    QString text(int row, int col) const;

    // The instrument of data row `row`; nullptr for the header, an empty row or outside the grid.
    const Instrument* instrument(int row) const;
    // Fills data row `row` (ignored for any other row). The grid hears of the cells that changed.
    void setInstrument(int row, const Instrument& instrument);
    // Appends one empty data row at the end.
    void addRow();

    // The row the operator last chose (1 in a fresh list). Only data rows can be current.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    const Instrument* currentInstrument() const { return instrument(m_currentRow); }

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
    // Data row r is m_rows[r - 1].
    std::vector<std::optional<Instrument>> m_rows;
    int m_currentRow = 1;
};

// "0031（0x1FH）": the address in four decimal digits, then the two characters its reply carried.
QString addressCellText(const Instrument& instrument);
