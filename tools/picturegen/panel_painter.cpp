#include "panel_painter.h"

#include <QFont>
#include <QLinearGradient>

namespace picturegen {

void drawBackdrop(QPainter& p, const QSize& size) {
    p.fillRect(QRect(QPoint(0, 0), size), kBackdrop);
}

void drawBezel(QPainter& p, const QRect& outer) {
    QLinearGradient frame(outer.topLeft(), outer.bottomLeft());
    frame.setColorAt(0.0, QColor(0x9A, 0x9E, 0xA4));
    frame.setColorAt(1.0, QColor(0x5C, 0x60, 0x66));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(frame);
    p.drawRoundedRect(outer, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kFace);
    p.drawRoundedRect(outer.adjusted(7, 7, -7, -7), 4, 4);
}

void drawLedWindow(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(0x18, 0x18, 0x18), 2));
    p.setBrush(QColor(0x12, 0x08, 0x08));
    p.drawRect(r);
    // A faint red sheen of the filter glass.
    p.setPen(QPen(QColor(0x50, 0x14, 0x14), 1));
    p.drawLine(r.topLeft() + QPoint(3, 3), r.topRight() + QPoint(-3, 3));
}

void drawLcdArea(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(0x20, 0x22, 0x24), 3));
    p.setBrush(kLcd);
    p.drawRect(r);
    // Flat inside: the LCD lamp pictures carry the same colour and must not show an edge.
    p.setPen(QPen(QColor(0x8C, 0x98, 0x78), 1));
    p.drawLine(r.topLeft() + QPoint(2, 2), r.topRight() + QPoint(-2, 2));
    p.drawLine(r.topLeft() + QPoint(2, 2), r.bottomLeft() + QPoint(2, -2));
}

void drawKey(QPainter& p, const QRect& r, const QString& legend) {
    QLinearGradient cap(r.topLeft(), r.bottomLeft());
    cap.setColorAt(0.0, QColor(0xC8, 0xCA, 0xCE));
    cap.setColorAt(1.0, QColor(0x86, 0x8A, 0x90));
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(cap);
    p.drawRoundedRect(r, 4, 4);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(8, r.height() / 2 - 1));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x20, 0x20, 0x28));
    p.drawText(r, Qt::AlignCenter, legend);
}

void drawLegend(QPainter& p, const QPoint& topLeft, const QString& text, int pixelSize, const QColor& color) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    p.setFont(f);
    p.setPen(color);
    p.drawText(QRect(topLeft, QSize(200, pixelSize + 4)), Qt::AlignLeft | Qt::AlignTop, text);
}

void drawLampSocket(QPainter& p, const QPoint& topLeft) {
    const QRect r(topLeft, kLampSize);
    p.setPen(QPen(QColor(0x1C, 0x1C, 0x1C), 1));
    p.setBrush(QColor(0x4A, 0x2A, 0x2A));
    p.drawEllipse(QRectF(r).adjusted(1.5, 2.5, -1.5, -1.5));
}

} // namespace picturegen
