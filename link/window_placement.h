#pragma once
// Placing the modal windows relative to the main window's client area. Offsets are twips (1/1440
// inch), converted with the screen's logical DPI.
class QWidget;

// Pixels for `twips` on the screen of `widget`: round(twips * logicalDpiX / 1440).
int twipsToPixels(int twips, const QWidget* widget);
// Twips for `pixels`, the inverse.
int pixelsToTwips(int pixels, const QWidget* widget);

// Moves the top-level `window` so that its top-left corner lies `leftTwips` left of and `upTwips`
// above the centre of `area`. Does nothing without an area.
void placeFromCentre(QWidget& window, const QWidget* area, int leftTwips, int upTwips);
