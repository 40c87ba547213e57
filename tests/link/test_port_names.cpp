#include "link/port_names.h"

#include <QtTest>

using namespace serial;

class TestPortNames : public QObject {
    Q_OBJECT
private slots:
    void order_data() {
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("usb first") << QStringList{"ttyS0", "ttyUSB0"} << QStringList{"ttyUSB0", "ttyS0"};
        QTest::newRow("numeric not text order")
            << QStringList{"ttyUSB10", "ttyUSB2", "ttyUSB1"} << QStringList{"ttyUSB1", "ttyUSB2", "ttyUSB10"};
        QTest::newRow("acm after usb before rest")
            << QStringList{"ttyS1", "ttyACM0", "ttyUSB3", "ttyS0"} << QStringList{"ttyUSB3", "ttyACM0", "ttyS0", "ttyS1"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }
    void order() {
        QFETCH(QStringList, system);
        QFETCH(QStringList, ordered);
        QCOMPARE(orderedDeviceNames(system), ordered);
    }

    void portToDevice_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
        QTest::newRow("first") << 1 << "ttyUSB0";
        QTest::newRow("second") << 2 << "ttyS0";
        QTest::newRow("beyond the list") << 3 << "";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("negative") << -2 << "";
    }
    void portToDevice() {
        QFETCH(int, port);
        QFETCH(QString, device);
        qunsetenv("COMMTEST_COM1");
        qunsetenv("COMMTEST_COM2");
        qunsetenv("COMMTEST_COM3");
#ifndef Q_OS_WIN
        QCOMPARE(deviceForPort(port, {"ttyS0", "ttyUSB0"}), device);
#endif
    }

    void environmentWins() {
        qputenv("COMMTEST_COM3", "/dev/pts/77");
        QCOMPARE(deviceForPort(3, {"ttyS0"}), QStringLiteral("/dev/pts/77"));
        qunsetenv("COMMTEST_COM3");
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "test_port_names.moc"
