// A gateway in a process of its own, for the tests of how it leaves: it connects to the broker on
// the port given, and stops cleanly when its standard input closes; a test that kills it instead
// sees what the broker does with its last will.
#include "mqtt/gateway.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    mqtt::GatewayOptions options;
    options.broker = mqtt::BrokerUrl{QStringLiteral("127.0.0.1"), atoi(argv[1]), false};
    options.prefix = QString::fromLocal8Bit(argv[2]);
    options.line = QStringLiteral("child");
    mqtt::Gateway gateway(options);
    QString error;
    if (!gateway.start(&error)) return 3;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) return;
        input.setEnabled(false);
        gateway.stop();
        app.quit();
    });
    return app.exec();
}
