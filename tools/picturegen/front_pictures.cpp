#include "front_pictures.h"

#include "panel_painter.h"

#include <QPainter>
#include <QStringList>

namespace picturegen {

namespace {

// Everything below is given in the twips of the family's layout, so that a moved label or lamp
// is moved here by the same numbers.

// The dark window behind a value label at (leftTwips, topTwips) in a font of `points`.
QRect ledWindowFor(int leftTwips, int topTwips, int width, int points) {
    const QPoint label = fromTwips(leftTwips, topTwips);
    return {label - QPoint(10, 5), QSize(width, points * 4 / 3 + 16)};
}

// Sockets for the lamps at the given places, each with its legend to the right.
struct LampPlace {
    int leftTwips;
    int topTwips;
    const char* legend;
};

template <size_t N> void drawLampSockets(QPainter& p, const LampPlace (&places)[N]) {
    for (const LampPlace& lamp : places) {
        const QPoint at = fromTwips(lamp.leftTwips, lamp.topTwips);
        drawLampSocket(p, at);
        drawLegend(p, at + QPoint(kLampSize.width() + 3, 2), QString::fromUtf8(lamp.legend), 9);
    }
}

// A row of keys of equal width, left to right from `first`.
void drawKeyRow(QPainter& p, const QRect& first, const QStringList& legends) {
    QRect key = first;
    for (const QString& legend : legends) {
        drawKey(p, key, legend);
        key.translate(first.width() + 10, 0);
    }
}

void drawKeyColumn(QPainter& p, const QRect& first, const QStringList& legends) {
    QRect key = first;
    for (const QString& legend : legends) {
        drawKey(p, key, legend);
        key.translate(0, first.height() + 8);
    }
}

const QStringList kArrowKeys = {QStringLiteral("SET"), QStringLiteral("◀"), QStringLiteral("▼"),
                                QStringLiteral("▲")};

// A blank canvas with the backdrop; `paint` draws the instrument on it.
template <typename Paint> QImage canvas(Paint paint) {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackdrop(p, image.size());
    paint(p);
    return image;
}

void drawFamilyMark(QPainter& p, const QRect& bezel, const QString& mark) {
    drawLegend(p, bezel.bottomLeft() + QPoint(14, -22), mark, 9, QColor(0xA0, 0xA4, 0xAA));
}

} // namespace

QImage singleDisplayFront() {
    return canvas([](QPainter& p) {
        const QRect bezel(56, 14, 420, 236);
        drawBezel(p, bezel);
        drawLedWindow(p, ledWindowFor(3280, 2100, 182, 36));
        drawLegend(p, fromTwips(2730, 2160), QStringLiteral("PV"), 11);
        const LampPlace lamps[] = {
            {1170, 1830, "AL1"}, {1170, 2640, "AL2"}, {5940, 2220, "AL3"}, {5940, 2640, "AL4"}};
        drawLampSockets(p, lamps);
        drawKeyRow(p, QRect(210, 184, 38, 24), kArrowKeys);
        drawFamilyMark(p, bezel, QStringLiteral("C80"));
    });
}

QImage twoDisplayFront() {
    return canvas([](QPainter& p) {
        const QRect bezel(56, 14, 420, 236);
        drawBezel(p, bezel);
        drawLedWindow(p, ledWindowFor(3270, 1620, 176, 36));
        drawLedWindow(p, ledWindowFor(3270, 2670, 176, 36));
        drawLegend(p, fromTwips(2730, 1680), QStringLiteral("PV"), 11);
        drawLegend(p, fromTwips(2730, 2730), QStringLiteral("SV"), 11);
        const LampPlace lamps[] = {{1170, 1830, "AL1"},
                                   {1170, 2700, "AL2"},
                                   {5970, 1800, "AL3"},
                                   {5970, 2250, "AL4"},
                                   {5970, 2700, "OUT"}};
        drawLampSockets(p, lamps);
        drawKeyRow(p, QRect(186, 204, 38, 24), kArrowKeys + QStringList{QStringLiteral("A/M")});
        drawFamilyMark(p, bezel, QStringLiteral("D80"));
    });
}

QImage programControllerFront() {
    return canvas([](QPainter& p) {
        const QRect bezel(56, 14, 420, 236);
        drawBezel(p, bezel);
        drawLedWindow(p, ledWindowFor(3630, 1980, 152, 36));
        drawLedWindow(p, ledWindowFor(2700, 2970, 92, 26));
        drawLedWindow(p, ledWindowFor(4185, 2970, 160, 26));
        drawLegend(p, fromTwips(3090, 2040), QStringLiteral("PV"), 11);
        drawLegend(p, fromTwips(2010, 3090), QStringLiteral("SEG"), 9);
        const LampPlace lamps[] = {{1200, 1830, "AL1"}, {1200, 2250, "AL2"}, {5850, 2370, "RUN"}};
        drawLampSockets(p, lamps);
        drawKeyRow(p, QRect(186, 210, 38, 24), kArrowKeys + QStringList{QStringLiteral("RUN")});
        drawFamilyMark(p, bezel, QStringLiteral("P80"));
    });
}

QImage flowTotalizerFront() {
    return canvas([](QPainter& p) {
        const QRect bezel(56, 14, 420, 236);
        drawBezel(p, bezel);
        drawLedWindow(p, ledWindowFor(3390, 1980, 220, 36));
        drawLedWindow(p, ledWindowFor(3390, 2970, 220, 26));
        drawLegend(p, fromTwips(2880, 2040), QStringLiteral("Q"), 12);
        drawLegend(p, fromTwips(2820, 3030), QStringLiteral("ΣQ"), 12);
        const LampPlace lamps[] = {{1050, 2700, "AL1"}, {1050, 3120, "AL2"}};
        drawLampSockets(p, lamps);
        drawKeyRow(p, QRect(216, 208, 38, 24), kArrowKeys);
        drawFamilyMark(p, bezel, QStringLiteral("L80"));
    });
}

QImage powerMeterFront() {
    return canvas([](QPainter& p) {
        const QRect bezel(36, 10, 456, 244);
        drawBezel(p, bezel);
        drawLedWindow(p, ledWindowFor(1530, 1830, 172, 36));
        drawLedWindow(p, ledWindowFor(1530, 2850, 172, 36));
        drawLedWindow(p, ledWindowFor(4200, 1830, 180, 36));
        drawLegend(p, fromTwips(1000, 1890), QStringLiteral("P"), 12);
        drawLegend(p, fromTwips(1000, 2910), QStringLiteral("Q"), 12);
        drawLegend(p, fromTwips(6300, 2790), QStringLiteral("Hz"), 11);
        for (int i = 0; i < 5; ++i) {
            const QPoint at = fromTwips(2980 + 355 * i, 3900);
            drawLampSocket(p, at);
            drawLegend(p, at + QPoint(3, kLampSize.height() + 1), QString::number(i + 1), 8);
        }
        drawLegend(p, fromTwips(2520, 3930), QStringLiteral("AL"), 9);
        drawKeyRow(p, QRect(300, 156, 38, 24),
                   {QStringLiteral("SET"), QStringLiteral("◀"), QStringLiteral("▲")});
        drawFamilyMark(p, bezel, QStringLiteral("AC80"));
    });
}

QImage powerModuleFront() {
    return canvas([](QPainter& p) {
        // A rail-mounted module with its terminal strips, and beside it the dark readout area in
        // which the window lists active power, reactive power and frequency.
        const QRect body(60, 24, 230, 216);
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        p.setBrush(QColor(0xE4, 0xE4, 0xDE));
        p.drawRoundedRect(body, 6, 6);
        for (const int y : {body.top() + 6, body.bottom() - 30}) {
            const QRect strip(body.left() + 12, y, body.width() - 24, 24);
            p.setBrush(QColor(0x2E, 0x6E, 0x3A));
            p.drawRect(strip);
            for (int x = strip.left() + 6; x + 14 < strip.right(); x += 22) {
                p.setBrush(QColor(0xB0, 0xB4, 0xB8));
                p.drawEllipse(QRect(x, y + 5, 14, 14));
                p.drawLine(x + 3, y + 12, x + 11, y + 12);
            }
        }
        const QRect plate(body.left() + 24, body.top() + 54, body.width() - 48, 86);
        p.setBrush(QColor(0xF6, 0xF6, 0xF2));
        p.drawRect(plate);
        drawLegend(p, plate.topLeft() + QPoint(10, 10), QStringLiteral("3-PHASE POWER"), 12,
                   QColor(0x30, 0x30, 0x38));
        drawLegend(p, plate.topLeft() + QPoint(10, 32), QStringLiteral("U  I  P  Q  F"), 11,
                   QColor(0x50, 0x50, 0x58));
        drawLegend(p, plate.topLeft() + QPoint(10, 56), QStringLiteral("RS-485"), 11,
                   QColor(0x50, 0x50, 0x58));
        const char* leds[] = {"PWR", "COM"};
        for (int i = 0; i < 2; ++i) {
            const QPoint at(body.left() + 40 + 80 * i, body.top() + 148);
            p.setBrush(i == 0 ? QColor(0x30, 0xC0, 0x40) : QColor(0x70, 0x30, 0x20));
            p.drawEllipse(QRect(at, QSize(8, 8)));
            drawLegend(p, at + QPoint(12, -2), QString::fromLatin1(leds[i]), 9, QColor(0x30, 0x30, 0x38));
        }
        drawLegend(p, plate.topLeft() + QPoint(140, 58), QStringLiteral("DL80"), 9, QColor(0x80, 0x80, 0x88));
        drawLedWindow(p, QRect(390, 40, 124, 214));
    });
}

QImage lcdFront() {
    return canvas([](QPainter& p) {
        const QRect bezel(40, 10, 456, 244);
        drawBezel(p, bezel);
        drawLcdArea(p, QRect(90, 72, 340, 152));
        drawLegend(p, QPoint(92, 52), QStringLiteral("CH / PV / Σ"), 10);
        drawKeyColumn(p, QRect(444, 76, 40, 28),
                      {QStringLiteral("M"), QStringLiteral("◀"), QStringLiteral("▼"), QStringLiteral("▲")});
        drawFamilyMark(p, bezel, QStringLiteral("LCD80"));
    });
}

} // namespace picturegen
