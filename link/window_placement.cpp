#include "link/window_placement.h"

#include <QWidget>
#include <cmath>

int twipsToPixels(int twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * static_cast<double>(widget->logicalDpiX()) / 1440.0));
}

int pixelsToTwips(int pixels, const QWidget* widget) {
    return static_cast<int>(std::lround(pixels * 1440.0 / widget->logicalDpiX()));
}

void placeFromCentre(QWidget& window, const QWidget* area, int leftTwips, int upTwips) {
    if (!area) return;
    const QPoint corner(area->width() / 2 - twipsToPixels(leftTwips, area),
                        area->height() / 2 - twipsToPixels(upTwips, area));
    // Top-level windows are moved in screen coordinates.
    window.move(window.isWindow() ? area->mapToGlobal(corner) : corner);
}
