#include "app/mdi_arrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace app {

void tile(QMdiArea& area, Tiling tiling) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && !w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect space = area.viewport()->rect();
    const int n = int(windows.size());
    const bool bands = tiling == Tiling::HorizontalBands;
    const int length = bands ? space.height() : space.width();
    for (int i = 0; i < n; ++i) {
        // Spread the remainder so the bands fill the area exactly.
        const int from = length * i / n, to = length * (i + 1) / n;
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) w->showNormal();
        w->setGeometry(bands ? QRect(space.left(), space.top() + from, space.width(), to - from)
                             : QRect(space.left() + from, space.top(), to - from, space.height()));
    }
}

} // namespace app
