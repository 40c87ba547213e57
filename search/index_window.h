#pragma once
// The "Index" window: the instrument list in the grid MSFlexGrid1. The operator picks the
// instrument to diagnose by clicking its row; a double-click asks for the diagnosis window.
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
    // A data row was double-clicked; it is the current row by now.
    void openDiagnosisRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sizes the grid and its columns from the window's client size, as the window does on load.
    void sizeGrid();
    void selectCurrentRow(int row);

    InstrumentList& m_list;
    QTableView* m_grid = nullptr;
    bool m_loaded = false;
};
