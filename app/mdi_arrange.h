#pragma once
// Arranging the main window's child windows. "水平平铺" follows the platform's long-standing MDI
// meaning: each window a horizontal band the full width of the area, the bands one above the
// other; "垂直平铺" makes vertical bands side by side, left to right.
class QMdiArea;

namespace app {

enum class Tiling { HorizontalBands, VerticalBands };

// Every shown, not minimised window in the order they were opened; maximised ones are restored.
void tile(QMdiArea& area, Tiling tiling);

} // namespace app
