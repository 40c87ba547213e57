#pragma once
// The lamps laid over the front pictures: the small round alarm lamps of the LED series and the
// unlit and lit lamp icons of the LCD series.
#include <QColor>
#include <QImage>

namespace picturegen {

// A lit round lamp on the face colour, 14 x 16 pixels.
QImage roundLamp(const QColor& lit);

// An LCD lamp icon on the LCD colour: faint outline when unlit, dark segments when lit.
QImage lcdLamp(bool lit);

} // namespace picturegen
