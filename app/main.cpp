// commtest: scan an instrument bus and watch one instrument live.
#include "app/main_window.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("commtest"));

    serial::QtSerialLink link;
    serial::MessageBoxSink messages;
    app::MainWindow window(link, messages, QCoreApplication::applicationDirPath());
    window.show();
    // The search dialog is modal; show it once the main window is on screen.
    QTimer::singleShot(0, &window, &app::MainWindow::startUp);
    return application.exec();
}
