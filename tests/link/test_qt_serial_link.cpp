#include "link/qt_serial_link.h"
#include "pty_pair.h"

#include <QSignalSpy>
#include <QtTest>

using namespace serial;

// Exercises QSerialPort itself on a pseudo-terminal pair.
class TestQtSerialLink : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv("COMMTEST_COM1"); }
    void cleanup() { qunsetenv("COMMTEST_COM1"); }

    void missingDeviceIs8002() {
        qputenv("COMMTEST_COM1", "/dev/commtest-no-such-device");
        QtSerialLink link;
        QCOMPARE(link.open(), NoSuchPort);
        QVERIFY(!link.isOpen());
    }

    void portBeyondTheSystemsListIs8002() {
        QtSerialLink link;
        link.setPortNumber(32000);
        QCOMPARE(link.open(), NoSuchPort);
    }

    void secondOpenOfTheSameDeviceIs8005() {
        PtyPair pty;
        QVERIFY(pty.isValid());
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink first, second;
        QCOMPARE(first.open(), NoError);
        QCOMPARE(second.open(), PortInUse);
        QVERIFY(first.isOpen());
        QVERIFY(!second.isOpen());
        // Opening what is already open is the same error, and leaves it open.
        QCOMPARE(first.open(), PortInUse);
        QVERIFY(first.isOpen());
        first.close();
        QCOMPARE(second.open(), NoError);
    }

    void bytesPassUnchangedBothWays() {
        PtyPair pty;
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink link;
        link.setSettings(QStringLiteral(" 19200,n,8,1"));
        QCOMPARE(link.open(), NoError);
        link.write(QByteArray("@01RD17\r"));
        QByteArray sent;
        QTRY_VERIFY_WITH_TIMEOUT((sent += pty.read(10)).size() >= 8, 2000);
        QCOMPARE(sent, QByteArray("@01RD17\r"));

        // A reply arriving in pieces is read in order, whatever the split.
        pty.write("@0100");
        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT((received += link.readAll()).size() >= 5, 2000);
        pty.write(QByteArray("0002\xff\r", 6));
        QTRY_VERIFY_WITH_TIMEOUT((received += link.readAll()).size() >= 11, 2000);
        QCOMPARE(received, QByteArray("@01000002\xff\r", 11));
        QCOMPARE(link.readAll(), QByteArray());
    }

    void unpluggedDeviceIsReportedOnceAndClosed() {
        PtyPair pty;
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink link;
        QSignalSpy lost(&link, &SerialLink::lost);
        QCOMPARE(link.open(), NoError);
        pty.closeMaster();
        // Poll as the windows do; the failure must surface once and close the port.
        for (int i = 0; i < 40 && link.isOpen(); ++i) {
            link.readAll();
            link.write("@01RD17\r");
            QTest::qWait(25);
        }
        QTest::qWait(200);
        QVERIFY(!link.isOpen());
        QCOMPARE(lost.count(), 1);
        QCOMPARE(link.readAll(), QByteArray());
    }

    void classification_data() {
        QTest::addColumn<int>("qtError");
        QTest::addColumn<int>("number");
        QTest::newRow("not found") << int(QSerialPort::DeviceNotFoundError) << int(NoSuchPort);
        QTest::newRow("permission") << int(QSerialPort::PermissionError) << int(PortInUse);
        QTest::newRow("already open") << int(QSerialPort::OpenError) << int(PortInUse);
        QTest::newRow("other") << int(QSerialPort::UnsupportedOperationError) << int(OtherError);
    }
    void classification() {
        QFETCH(int, qtError);
        QFETCH(int, number);
        QCOMPARE(int(QtSerialLink::classify(QSerialPort::SerialPortError(qtError))), number);
    }
};

QTEST_GUILESS_MAIN(TestQtSerialLink)
#include "test_qt_serial_link.moc"
