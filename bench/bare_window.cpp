// The yardstick for start-up: an empty Qt window, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
