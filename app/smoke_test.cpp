#include "app/smoke_test.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace app {

SmokeTest::SmokeTest(const QString& pngPath, QObject* parent) : QObject(parent), m_pngPath(pngPath) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool SmokeTest::eventFilter(QObject* watched, QEvent* event) {
    // The search dialog's object name; its first paint means it is on the screen.
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
        watched->objectName() == QLatin1String("Search")) {
        m_seen = true;
        auto* dialog = static_cast<QWidget*>(watched);
        QTimer::singleShot(0, this, [this, dialog] { report(dialog); });
    }
    return QObject::eventFilter(watched, event);
}

void SmokeTest::report(QWidget* dialog) {
    const bool saved = dialog->grab().save(m_pngPath, "PNG");
    std::printf("search dialog shown: \"%s\", %dx%d px; picture %s: %s\n",
                qUtf8Printable(dialog->windowTitle()), dialog->width(), dialog->height(),
                saved ? "written" : "NOT written", qUtf8Printable(m_pngPath));
    std::fflush(stdout);
    // Ends the dialog's loop and the application's together.
    QCoreApplication::exit(saved ? 0 : 1);
}

} // namespace app
