#include "link/qt_serial_link.h"
#include "pty_pair.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace serial;

namespace {

// Counts the times the program woke for a device it watches.
struct WakeCounter : QObject {
    WakeCounter() { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::SockAct) ++count;
        return QObject::eventFilter(watched, event);
    }
    int count = 0;
};

} // namespace

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

    void inputReadRarelyArrivesWholeAndInOrder_data() {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::newRow("one reply") << QList<QByteArray>{"@01000002\xff\r"};
        QTest::newRow("a reply in single characters") << QList<QByteArray>{"@", "0", "1", "0", "0", "\r"};
        QList<QByteArray> long_;
        for (int i = 0; i < 64; ++i)
            long_ << QByteArray("@%1RD17\r").replace("%1", QByteArray::number(i % 10).repeated(2));
        QTest::newRow("a busy line: 64 frames, 512 bytes") << long_;
        QTest::newRow("a long burst") << QList<QByteArray>{QByteArray(3000, 'x'), "\r"};
    }
    void inputReadRarelyArrivesWholeAndInOrder() {
        QFETCH(QList<QByteArray>, pieces);
        PtyPair pty;
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink link;
        QSignalSpy ready(&link, &SerialLink::readyRead);
        QCOMPARE(link.open(), NoError);
        QByteArray expected;
        for (const QByteArray& piece : pieces) {
            pty.write(piece);
            expected += piece;
            // Each piece lands while nobody reads, as between two receive ticks.
            QTRY_VERIFY_WITH_TIMEOUT(ready.count() >= 1, 2000);
        }
        // Few reads take it all: the engines look at the input only on their ticks.
        QByteArray received;
        int reads = 0;
        QTRY_VERIFY_WITH_TIMEOUT((++reads, received += link.readAll()).size() >= expected.size(), 2000);
        QCOMPARE(received, expected);
        QVERIFY2(reads <= 5, qPrintable(QString::number(reads)));
    }

    // More than the driver takes at once: the rest follows in order, and what is written next
    // comes behind it even when the driver has room again.
    void longWritesArriveWholeAndInOrder() {
        PtyPair pty;
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink link;
        QCOMPARE(link.open(), NoError);
        const QByteArray block(200000, 'a');
        link.write(block);
        QByteArray sent = pty.read(2000);
        QVERIFY(!sent.isEmpty() && sent.size() < block.size());
        link.write("@01RD17\r");
        const QByteArray expected = block + "@01RD17\r";
        QTRY_VERIFY_WITH_TIMEOUT((sent += pty.read()).size() >= expected.size(), 5000);
        QVERIFY(sent == expected);
    }

    // Input wakes the program only for a listener to readyRead; the rest read on their ticks.
    void inputWakesOnlyAListener_data() {
        QTest::addColumn<bool>("listened");
        QTest::addColumn<int>("fewestWakes");
        QTest::addColumn<int>("mostWakes");
        QTest::newRow("read on ticks") << false << 0 << 0;
        QTest::newRow("a listener") << true << 10 << 20;
    }
    void inputWakesOnlyAListener() {
        QFETCH(bool, listened);
        QFETCH(int, fewestWakes);
        QFETCH(int, mostWakes);
        PtyPair pty;
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink link;
        QCOMPARE(link.open(), NoError);
        QObject listener;
        if (listened) connect(&link, &SerialLink::readyRead, &listener, [] {});
        WakeCounter wakes;
        for (int i = 0; i < 10; ++i) {
            const QByteArray piece = QByteArray("@0") + char('0' + i) + "RD17\r";
            pty.write(piece);
            // The event loop gets its chance with the input waiting, as between two ticks.
            QVERIFY(pty.programHasInput(2000));
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QCOMPARE(link.readAll(), piece);
        }
        QVERIFY2(wakes.count >= fewestWakes && wakes.count <= mostWakes,
                 qPrintable(QString::number(wakes.count)));
    }

    void unpluggedDeviceIsReportedOnceAndClosed_data() {
        QTest::addColumn<bool>("listened");
        QTest::addColumn<bool>("reading");
        QTest::newRow("read on ticks") << false << true;
        QTest::newRow("a listener") << true << true;
        QTest::newRow("only writing") << false << false;
    }
    void unpluggedDeviceIsReportedOnceAndClosed() {
        QFETCH(bool, listened);
        QFETCH(bool, reading);
        PtyPair pty;
        qputenv("COMMTEST_COM1", pty.slavePath().toLocal8Bit());
        QtSerialLink link;
        QSignalSpy lost(&link, &SerialLink::lost);
        QCOMPARE(link.open(), NoError);
        QObject listener;
        if (listened) connect(&link, &SerialLink::readyRead, &listener, [] {});
        pty.closeMaster();
        // Poll as the windows do; the failure must surface once and close the port.
        QTimer poll;
        connect(&poll, &QTimer::timeout, &link, [&link, reading] {
            if (reading) link.readAll();
            link.write("@01RD17\r");
        });
        poll.start(25);
        QTRY_VERIFY_WITH_TIMEOUT(!link.isOpen(), 2000);
        poll.stop();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
            QCOMPARE(link.readAll(), QByteArray());
            link.write("@01RD17\r");
        }
        QCOMPARE(lost.count(), 1);
        // The operator reads why in Chinese, with the system's own words kept in brackets.
        const QString reason = lost.at(0).at(0).toString();
        QVERIFY2(reason.startsWith(QStringLiteral("设备已拔出（")) && reason.endsWith(QStringLiteral("）")),
                 qPrintable(reason));
    }

    void reasonInTheOperatorsWords_data() {
        QTest::addColumn<int>("qtError");
        QTest::addColumn<QString>("systemText");
        QTest::addColumn<QString>("reason");
        QTest::newRow("adapter unplugged")
            << int(QSerialPort::ResourceError) << "Resource temporarily unavailable"
            << "设备已拔出（Resource temporarily unavailable）";
        QTest::newRow("permission denied") << int(QSerialPort::PermissionError) << "Permission denied"
                                           << "无权访问或已被占用（Permission denied）";
        QTest::newRow("not found") << int(QSerialPort::DeviceNotFoundError) << "No such file or directory"
                                   << "设备不存在（No such file or directory）";
        QTest::newRow("input/output error") << int(QSerialPort::ReadError) << "Input/output error"
                                            << "读数据出错（Input/output error）";
        QTest::newRow("timeout") << int(QSerialPort::TimeoutError) << "Operation timed out"
                                 << "操作超时（Operation timed out）";
        QTest::newRow("unknown") << int(QSerialPort::UnknownError) << "Unknown error"
                                 << "未知错误（Unknown error）";
        QTest::newRow("no system text: no brackets") << int(QSerialPort::ResourceError) << ""
                                                     << "设备已拔出";
    }
    void reasonInTheOperatorsWords() {
        QFETCH(int, qtError);
        QFETCH(QString, systemText);
        QFETCH(QString, reason);
        QCOMPARE(QtSerialLink::reasonText(QSerialPort::SerialPortError(qtError), systemText), reason);
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
