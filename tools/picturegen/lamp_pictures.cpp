#include "lamp_pictures.h"

#include "panel_painter.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>

namespace picturegen {

QImage roundLamp(const QColor& lit) {
    QImage image(kLampSize, QImage::Format_RGB32);
    image.fill(kFace);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(kLampSize)).adjusted(1.5, 2.5, -1.5, -1.5);
    QRadialGradient glow(r.center() - QPointF(2, 2), r.width() * 0.7);
    glow.setColorAt(0.0, lit.lighter(170));
    glow.setColorAt(0.5, lit);
    glow.setColorAt(1.0, lit.darker(160));
    p.setPen(QPen(QColor(0x1C, 0x1C, 0x1C), 1));
    p.setBrush(glow);
    p.drawEllipse(r);
    return image;
}

QImage lcdLamp(bool lit) {
    QImage image(kLcdLampSize, QImage::Format_RGB32);
    image.fill(kLcd);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = lit ? QColor(0x1E, 0x24, 0x1C) : QColor(0xA4, 0xB0, 0x8C);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(kLcdLampSize)).adjusted(1.5, 3.5, -1.5, -3.5);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(lit ? ink : Qt::transparent);
    p.drawRoundedRect(box, 3, 3);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(lit ? kLcd : ink);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("ALM"));
    return image;
}

} // namespace picturegen
