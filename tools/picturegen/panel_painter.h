#pragma once
// Drawing pieces shared by the instrument front pictures and the lamp pictures: a bezel, LED
// display windows, an LCD area, keys, legends and unlit lamp sockets. All sizes are pixels.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace picturegen {

// Colours that must match between pictures: the lamp pictures sit on the face and on the LCD.
inline const QColor kBackdrop{0xD4, 0xD0, 0xC8};
inline const QColor kFace{0x3A, 0x3D, 0x42};
inline const QColor kLcd{0xB4, 0xC0, 0x9C};
inline const QColor kLegend{0xE8, 0xE8, 0xE0};

// Front pictures stand at a fixed place of the diagnosis window (left 0, top 720 twips, that is
// 48 px at 96 DPI), so layout positions convert to picture pixels by one offset.
constexpr int kPictureWidth = 520;
constexpr int kPictureHeight = 264;
constexpr int kPictureTopTwips = 720;
constexpr int kTwipsPerPixel = 15;

// A window position in twips as a point of the front picture.
inline QPoint fromTwips(int leftTwips, int topTwips) {
    // Rounded as the window rounds its positions.
    return {qRound(leftTwips / double(kTwipsPerPixel)),
            qRound((topTwips - kPictureTopTwips) / double(kTwipsPerPixel))};
}

// Small round lamps and LCD lamp icons.
constexpr QSize kLampSize{14, 16};
constexpr QSize kLcdLampSize{24, 20};

void drawBackdrop(QPainter& p, const QSize& size);
// The instrument's frame and its dark front face.
void drawBezel(QPainter& p, const QRect& outer);
// A dark window in which red LED digits (the value labels) appear.
void drawLedWindow(QPainter& p, const QRect& r);
// The grey-green liquid crystal area in which black value lines appear.
void drawLcdArea(QPainter& p, const QRect& r);
void drawKey(QPainter& p, const QRect& r, const QString& legend);
void drawLegend(QPainter& p, const QPoint& topLeft, const QString& text, int pixelSize = 10,
                const QColor& color = kLegend);
// What a hidden lamp leaves visible: a dark ring in the lamp's place.
void drawLampSocket(QPainter& p, const QPoint& topLeft);

} // namespace picturegen
