#include "views/view_helpers.h"

#include "protocol/encodings.h"
#include "protocol/fields.h"
#include "protocol/number_format.h"

namespace views {

const QString kLcdLampUnlit = QStringLiteral("picture/LCD-ALM1.BMP");
const QString kLcdLampLit = QStringLiteral("picture/LCD-ALM2.BMP");

void applyLcdAlarm(panel::Image& lamp, int state) {
    lamp.picture = alarmShown(state) ? kLcdLampLit : kLcdLampUnlit;
}

void writeWithDecimals(panel::Label& label, double value, int decimals) {
    protocol::formatDecimals(value, decimals, label.caption);
}

FixedField fixedFieldAt(const QByteArray& ntemp, int pos) {
    return {protocol::HexToFixed(protocol::field(ntemp, pos, 6)),
            protocol::leadingDecimal(protocol::field(ntemp, pos + 4, 2))};
}

float floatAt(const QByteArray& ntemp, int pos) {
    return protocol::HexToFloat(protocol::field(ntemp, pos, 8));
}

} // namespace views
