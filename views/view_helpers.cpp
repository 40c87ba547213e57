#include "views/view_helpers.h"

#include "protocol/encodings.h"
#include "protocol/fields.h"
#include "protocol/number_format.h"

#include <algorithm>

namespace views {

const QString kLcdLampUnlit = QStringLiteral("picture/LCD-ALM1.BMP");
const QString kLcdLampLit = QStringLiteral("picture/LCD-ALM2.BMP");

void applyLcdAlarm(panel::Image& lamp, int state) {
    lamp.picture = alarmShown(state) ? kLcdLampLit : kLcdLampUnlit;
}

void writeWithDecimals(panel::Label& label, double value, int decimals) {
    protocol::formatDecimals(value, decimals, label.caption);
}

namespace {

// protocol::field without the copy, for a field that is decoded at once: every view decodes all
// of its reply's fields on every receive tick.
QByteArray fieldInPlace(const QByteArray& ntemp, int pos, int width) {
    if (pos < 1 || pos > ntemp.size()) return {};
    return QByteArray::fromRawData(ntemp.constData() + pos - 1, std::min<int>(width, ntemp.size() - pos + 1));
}

} // namespace

FixedField fixedFieldAt(const QByteArray& ntemp, int pos) {
    return {protocol::HexToFixed(fieldInPlace(ntemp, pos, 6)),
            protocol::leadingDecimal(fieldInPlace(ntemp, pos + 4, 2))};
}

float floatAt(const QByteArray& ntemp, int pos) {
    return protocol::HexToFloat(fieldInPlace(ntemp, pos, 8));
}

quint32 leadingHexAt(const QByteArray& ntemp, int pos, int width) {
    return protocol::leadingHex(fieldInPlace(ntemp, pos, width));
}

int hexByteAt(const QByteArray& ntemp, int pos) {
    return static_cast<int>(leadingHexAt(ntemp, pos, 2));
}

} // namespace views
