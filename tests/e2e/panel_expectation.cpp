#include "panel_expectation.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

const QStringList kFronts = {QStringLiteral("C80.BMP"),  QStringLiteral("D80.BMP"),
                             QStringLiteral("P80.BMP"),  QStringLiteral("L80.BMP"),
                             QStringLiteral("AC80.BMP"), QStringLiteral("DL80.BMP"),
                             QStringLiteral("LCD80.BMP")};
const QString kRedLamp = QStringLiteral("ALM-RED.BMP");
const QString kGreenLamp = QStringLiteral("ALM-GREEN.BMP");
const QString kUnlitLcdLamp = QStringLiteral("LCD-ALM1.BMP");
const QString kLitLcdLamp = QStringLiteral("LCD-ALM2.BMP");
const QStringList kLamps = {kRedLamp, kGreenLamp, kUnlitLcdLamp, kLitLcdLamp};
constexpr int kFirstLcdLamp = 5;

// The panel may be drawn scaled, so a shown picture is told by the file it looks most like at its
// shown size rather than by exact pixels.
QString closestPicture(const QPixmap& shown, const QStringList& candidates, const QString& programDir) {
    static QHash<QString, QImage> scaledFiles;
    const QImage image = shown.toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return QStringLiteral("(no picture)");
    QString best = QStringLiteral("(none)");
    qint64 bestDistance = -1;
    for (const QString& name : candidates) {
        const QString key =
            QStringLiteral("%1/%2@%3x%4").arg(programDir, name).arg(image.width()).arg(image.height());
        if (!scaledFiles.contains(key)) {
            const QImage file(programDir + QStringLiteral("/picture/") + name);
            scaledFiles.insert(key, file.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                        .convertToFormat(QImage::Format_RGB32));
        }
        const QImage& reference = scaledFiles.value(key);
        if (reference.isNull()) continue;
        qint64 distance = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = image.pixel(x, y), b = reference.pixel(x, y);
                distance += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
            }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

QLabel* control(QWidget& window, const char* array, int index) {
    return window.findChild<QLabel*>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
}

QString expectedLamp(int index, bool lit) {
    if (index >= kFirstLcdLamp) return lit ? kLitLcdLamp : kUnlitLcdLamp;
    return index % 2 == 0 ? kRedLamp : kGreenLamp;
}

} // namespace

QString panelDifferences(QWidget& window, const PanelExpectation& expected, const QString& programDir) {
    QStringList out;
    for (int i = 0; i < expected.label3.size(); ++i) {
        QLabel* label = control(window, "Label3", i);
        if (!label || label->text() != expected.label3[i])
            out << QStringLiteral("Label3(%1) \"%2\", wanted \"%3\"")
                       .arg(i)
                       .arg(label ? label->text() : QStringLiteral("missing"), expected.label3[i]);
    }
    for (int i = 0; i < 9; ++i) {
        QLabel* label = control(window, "Label1", i);
        if (!label) {
            out << QStringLiteral("Label1(%1) missing").arg(i);
            continue;
        }
        const bool shown = label->isVisibleTo(&window);
        const bool wanted = expected.label1.contains(i);
        if (shown != wanted)
            out << QStringLiteral("Label1(%1) %2 (\"%3\")")
                       .arg(i)
                       .arg(shown ? "shown" : "hidden", label->text());
        else if (wanted && label->text() != expected.label1.value(i))
            out << QStringLiteral("Label1(%1) \"%2\", wanted \"%3\"")
                       .arg(i)
                       .arg(label->text(), expected.label1.value(i));
        const QColor colour = label->palette().color(QPalette::WindowText);
        if (wanted && expected.textColor.isValid() && colour != expected.textColor)
            out << QStringLiteral("Label1(%1) colour %2, wanted %3")
                       .arg(i)
                       .arg(colour.name(), expected.textColor.name());
    }
    for (int i = 0; i < 8; ++i) {
        QLabel* lamp = control(window, "Image2", i);
        if (!lamp) {
            out << QStringLiteral("Image2(%1) missing").arg(i);
            continue;
        }
        const bool shown = lamp->isVisibleTo(&window);
        const bool wanted = expected.lamps.contains(i);
        if (shown != wanted) {
            out << QStringLiteral("Image2(%1) %2").arg(i).arg(shown ? "shown" : "hidden");
            continue;
        }
        if (!shown) continue;
        const QString picture = closestPicture(lamp->pixmap(), kLamps, programDir);
        const QString wantedPicture = expectedLamp(i, expected.litLamps.contains(i));
        if (picture != wantedPicture)
            out << QStringLiteral("Image2(%1) shows %2, wanted %3").arg(i).arg(picture, wantedPicture);
    }
    return out.join(QLatin1Char('\n'));
}

QString frontPicture(QWidget& window, const QString& programDir) {
    QLabel* front = window.findChild<QLabel*>(QStringLiteral("Image1"));
    if (!front || !front->isVisibleTo(&window)) return QStringLiteral("(not shown)");
    return closestPicture(front->pixmap(), kFronts, programDir);
}
