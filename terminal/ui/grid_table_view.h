#pragma once
// A table view that fills its grid lines as one-pixel rectangles. Qt strokes each grid line pixel
// by pixel, which was a fifth of what a busy terminal spent; the pixels are the same.
#include <QTableView>

namespace terminal {

class GridTableView : public QTableView {
public:
    explicit GridTableView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace terminal
