#include "app_icon.h"

#include "panel_painter.h"

#include <QPainter>
#include <QPainterPath>

#include <cstring>

namespace picturegen {

namespace {

const QColor kLedRed{0xFF, 0x30, 0x20};
const QColor kLedUnlit{0x4A, 0x12, 0x10};
const QColor kBus{0xF0, 0xB0, 0x30};

// One seven-segment digit in the box `r` (width : height about 1 : 2); `on` lists lit segments a-g.
void drawDigit(QPainter& p, const QRectF& r, const char* on) {
    const qreal t = r.width() * 0.2; // segment thickness
    const qreal w = r.width();
    const qreal h = r.height() / 2;
    const QRectF segments[7] = {
        {r.left() + t, r.top(), w - 2 * t, t},              // a
        {r.right() - t, r.top() + t * 0.6, t, h - t * 0.6}, // b
        {r.right() - t, r.top() + h, t, h - t * 0.6},       // c
        {r.left() + t, r.bottom() - t, w - 2 * t, t},       // d
        {r.left(), r.top() + h, t, h - t * 0.6},            // e
        {r.left(), r.top() + t * 0.6, t, h - t * 0.6},      // f
        {r.left() + t, r.top() + h - t / 2, w - 2 * t, t},  // g
    };
    for (int i = 0; i < 7; ++i) {
        const bool lit = std::strchr(on, 'a' + i) != nullptr;
        p.setBrush(lit ? kLedRed : kLedUnlit);
        p.drawRoundedRect(segments[i], t * 0.3, t * 0.3);
    }
}

} // namespace

QImage appIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0); // drawn on a 256 x 256 grid
    p.setPen(Qt::NoPen);

    // The instrument: bezel and face.
    p.setBrush(kBackdrop);
    p.drawRoundedRect(QRectF(12, 20, 232, 160), 22, 22);
    p.setBrush(kFace);
    p.drawRoundedRect(QRectF(22, 30, 212, 140), 14, 14);

    // The LED window with a reading.
    p.setBrush(QColor(0x14, 0x08, 0x08));
    p.drawRoundedRect(QRectF(36, 46, 184, 84), 6, 6);
    const char* digits[3] = {"bc", "abdeg", "abcdfg"}; // 1 2 9
    for (int i = 0; i < 3; ++i)
        drawDigit(p, QRectF(50 + i * 58, 56, 36, 64), digits[i]);
    p.setBrush(kLedRed);
    p.drawEllipse(QRectF(92, 114, 8, 8)); // the decimal point: 1.29

    // Two alarm lamps.
    p.setBrush(QColor(0xF0, 0x20, 0x20));
    p.drawEllipse(QRectF(44, 142, 16, 16));
    p.setBrush(QColor(0x20, 0xD0, 0x30));
    p.drawEllipse(QRectF(70, 142, 16, 16));
    p.setBrush(kLegend);
    p.drawRoundedRect(QRectF(150, 144, 56, 12), 4, 4);

    // The bus: one line, three instruments on it.
    p.setPen(QPen(kBus, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 222), QPointF(232, 222));
    p.drawLine(QPointF(128, 180), QPointF(128, 222));
    p.setPen(Qt::NoPen);
    p.setBrush(kBus);
    for (const qreal x : {40.0, 128.0, 216.0})
        p.drawEllipse(QPointF(x, 222), 14, 14);
    p.setBrush(kFace);
    for (const qreal x : {40.0, 128.0, 216.0})
        p.drawEllipse(QPointF(x, 222), 6, 6);
    return image;
}

} // namespace picturegen
