// Draws the pictures that the diagnosis window shows into one folder, as BMP files:
//   commtest-picturegen OUTDIR
// or the program's icon at the sizes a desktop installs, as commtest-<size>.png:
//   commtest-picturegen --icons OUTDIR
// Run at build time (with QT_QPA_PLATFORM=offscreen), so nothing is copied from anywhere.
#include "app_icon.h"
#include "front_pictures.h"
#include "lamp_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <functional>
#include <utility>

int main(int argc, char** argv) {
    // Text on the pictures needs the font database, which needs a GUI application.
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    const bool icons = args.removeAll(QStringLiteral("--icons")) > 0;
    if (args.size() != 2) {
        err << "usage: commtest-picturegen [--icons] OUTDIR\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }
    if (icons) {
        for (const int size : picturegen::kIconSizes) {
            const QString path = out.filePath(QStringLiteral("commtest-%1.png").arg(size));
            if (!picturegen::appIcon(size).save(path, "PNG")) {
                err << "cannot write " << path << '\n';
                return 1;
            }
        }
        return 0;
    }

    using Draw = std::function<QImage()>;
    const std::pair<const char*, Draw> pictures[] = {
        {"C80.BMP", picturegen::singleDisplayFront},
        {"D80.BMP", picturegen::twoDisplayFront},
        {"P80.BMP", picturegen::programControllerFront},
        {"L80.BMP", picturegen::flowTotalizerFront},
        {"AC80.BMP", picturegen::powerMeterFront},
        {"DL80.BMP", picturegen::powerModuleFront},
        {"LCD80.BMP", picturegen::lcdFront},
        {"LCD-ALM1.BMP", [] { return picturegen::lcdLamp(false); }},
        {"LCD-ALM2.BMP", [] { return picturegen::lcdLamp(true); }},
        {"ALM-RED.BMP", [] { return picturegen::roundLamp(QColor(0xF0, 0x20, 0x20)); }},
        {"ALM-GREEN.BMP", [] { return picturegen::roundLamp(QColor(0x20, 0xD0, 0x30)); }},
    };
    for (const auto& [name, draw] : pictures) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!draw().save(path, "BMP")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
