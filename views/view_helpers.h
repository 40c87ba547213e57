#pragma once
// Display rules shared by the instrument views.
#include "diagnosis/panel/panel_model.h"

#include <QByteArray>

namespace views {

// LED alarm lamp rule: a state of 1 or 2 shows the lamp; 0 and 3 to 255 hide it.
inline bool alarmShown(int state) {
    return state == 1 || state == 2;
}

// Shows or hides `lamp` by the LED alarm lamp rule.
inline void applyAlarm(panel::Image& lamp, int state) {
    lamp.visible = alarmShown(state);
}

// LCD lamps: lit picture for a state of 1 or 2, the unlit one otherwise.
extern const QString kLcdLampUnlit; // "picture/LCD-ALM1.BMP"
extern const QString kLcdLampLit;   // "picture/LCD-ALM2.BMP"
void applyLcdAlarm(panel::Image& lamp, int state);

// Writes `value` into `label` with the pattern its decimals count selects (0 "0" .. 3 "0.000");
// any other count leaves the caption as it was.
void writeWithDecimals(panel::Label& label, double value, int decimals);

// A six-digit fixed-point field at `pos`: its value, and its decimal places read once more as a
// decimal number (reading stops at the first non-digit) to choose the display pattern.
struct FixedField {
    float value;
    int displayDecimals;
};
FixedField fixedFieldAt(const QByteArray& ntemp, int pos);

// An eight-digit float field at `pos`.
float floatAt(const QByteArray& ntemp, int pos);

// The field at `pos`, `width` characters, read as protocol::leadingHex reads it; and two characters
// read as a hexadecimal byte (0 to 255), as protocol::hexByteAt reads them.
quint32 leadingHexAt(const QByteArray& ntemp, int pos, int width);
int hexByteAt(const QByteArray& ntemp, int pos);

// Places a label or an image.
inline void place(panel::Label& l, int left, int top) {
    l.left = left, l.top = top;
}
inline void place(panel::Image& i, int left, int top) {
    i.left = left, i.top = top;
}

} // namespace views
