#pragma once
// The "Index" window: the instrument list in the grid MSFlexGrid1. The operator picks the
// instrument to diagnose by clicking its row; a double-click anywhere on the grid asks for the
// diagnosis window: on a row it chooses that row first, elsewhere (below the rows, on the header)
// it acts on the current row.
#include <QWidget>

class InstrumentList;
class QTableView;

class IndexWindow : public QWidget {
    Q_OBJECT
public:
    explicit IndexWindow(InstrumentList& list, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }

    // The client size the window is designed for.
    QSize sizeHint() const override;

signals:
    // The grid was double-clicked; the row to diagnose is the list's current row by now.
    void openDiagnosisRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sizes the grid and its columns from the window's client size, as the window does on load.
    void sizeGrid();
    void selectCurrentRow(int row);

    InstrumentList& m_list;
    QTableView* m_grid = nullptr;
    bool m_loaded = false;
};
