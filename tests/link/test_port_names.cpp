#include "link/port_names.h"

#include <QTest>

using namespace serial;

Q_DECLARE_METATYPE(serial::PortMapping)
Q_DECLARE_METATYPE(serial::PortInfo)

namespace {

PortInfo usb(const QString& name, const QString& serial) {
    return {name, QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"), serial, "/dev/" + name};
}

// One resolution as short text: "source:device".
QString told(const PortResolution& r) {
    static const char* const sources[] = {"none", "env", "mapped", "auto"};
    return QString::fromLatin1(sources[int(r.source)]) + QLatin1Char(':') + r.device;
}

PortMapping mapped(int port, const QString& serial, const QString& name) {
    PortMapping m{};
    m[port - 1] = PortChoice{serial, name};
    return m;
}

} // namespace

class TestPortNames : public QObject {
    Q_OBJECT
private slots:
    void order_data() {
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("usb first") << QStringList{"ttyS0", "ttyUSB0"} << QStringList{"ttyUSB0", "ttyS0"};
        QTest::newRow("numeric not text order")
            << QStringList{"ttyUSB10", "ttyUSB2", "ttyUSB1"} << QStringList{"ttyUSB1", "ttyUSB2", "ttyUSB10"};
        QTest::newRow("acm after usb before rest") << QStringList{"ttyS1", "ttyACM0", "ttyUSB3", "ttyS0"}
                                                   << QStringList{"ttyUSB3", "ttyACM0", "ttyS0", "ttyS1"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }
    void order() {
        QFETCH(QStringList, system);
        QFETCH(QStringList, ordered);
        QCOMPARE(orderedDeviceNames(system), ordered);
    }

    // The resolver on one bench: a serial port ttyS0 and adapters as each row plugs them in.
    void resolve_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("environment"); // value of COMMTEST_COM<port>, empty: unset
        QTest::addColumn<PortMapping>("mapping");
        QTest::addColumn<QList<PortInfo>>("present");
        QTest::addColumn<QString>("resolved");

        const PortInfo ttyS0{QStringLiteral("ttyS0"), {}, {}, {}, QStringLiteral("/dev/ttyS0")};
        const PortInfo a0 = usb("ttyUSB0", "A5");
        const PortInfo a1 = usb("ttyUSB1", "A5"); // the same adapter after being plugged in again
        const PortInfo b0 = usb("ttyUSB0", "B7");
        const PortInfo b1 = usb("ttyUSB1", "B7");
        const PortInfo bare0 = usb("ttyUSB0", "");
        const PortInfo bare1 = usb("ttyUSB1", "");
        const QList<PortInfo> bench{ttyS0, a0, b1};

        QTest::newRow("automatic: first adapter") << 1 << "" << PortMapping{} << bench << "auto:ttyUSB0";
        QTest::newRow("automatic: serial port after the adapters")
            << 3 << "" << PortMapping{} << bench << "auto:ttyS0";
        QTest::newRow("automatic: beyond the list") << 4 << "" << PortMapping{} << bench << "none:";
        QTest::newRow("zero") << 0 << "" << PortMapping{} << bench << "none:";
        QTest::newRow("negative") << -2 << "" << PortMapping{} << bench << "none:";
        QTest::newRow("mapped by serial number")
            << 1 << "" << mapped(1, "B7", "ttyUSB1") << bench << "mapped:ttyUSB1";
        QTest::newRow("mapped adapter back under another name")
            << 2 << "" << mapped(2, "A5", "ttyUSB0") << QList<PortInfo>{ttyS0, b0, a1} << "mapped:ttyUSB1";
        QTest::newRow("mapped adapter unplugged: absent, not another device")
            << 1 << "" << mapped(1, "A5", "ttyUSB0") << QList<PortInfo>{ttyS0, b0} << "none:";
        QTest::newRow("two adapters share a serial number: the remembered name")
            << 1 << "" << mapped(1, "A5", "ttyUSB1") << QList<PortInfo>{a0, a1} << "mapped:ttyUSB1";
        QTest::newRow("two adapters share a serial number, name gone: first in order")
            << 1 << "" << mapped(1, "A5", "ttyUSB7") << QList<PortInfo>{a1, a0} << "mapped:ttyUSB0";
        QTest::newRow("mapped without serial number: by name")
            << 3 << "" << mapped(3, "", "ttyS0") << bench << "mapped:ttyS0";
        QTest::newRow("mapped without serial number: name gone")
            << 1 << "" << mapped(1, "", "ttyUSB1") << QList<PortInfo>{bare0} << "none:";
        QTest::newRow("name taken by another adapter does not count")
            << 1 << "" << mapped(1, "A5", "ttyUSB1") << QList<PortInfo>{b1} << "none:";
        QTest::newRow("mapping of another port leaves this one automatic")
            << 2 << "" << mapped(1, "", "ttyUSB1") << QList<PortInfo>{bare0, bare1} << "auto:ttyUSB1";
        QTest::newRow("environment wins over the mapping")
            << 1 << "/dev/pts/7" << mapped(1, "A5", "ttyUSB0") << bench << "env:/dev/pts/7";
        QTest::newRow("environment wins over an absent mapping")
            << 1 << "/dev/pts/7" << mapped(1, "Z9", "ttyUSB9") << bench << "env:/dev/pts/7";
        QTest::newRow("environment names a port beyond the mapped four")
            << 9 << "ttyS0" << PortMapping{} << bench << "env:ttyS0";
    }
    void resolve() {
        QFETCH(int, port);
        QFETCH(QString, environment);
        QFETCH(PortMapping, mapping);
        QFETCH(QList<PortInfo>, present);
        QFETCH(QString, resolved);
#ifdef Q_OS_WIN
        QSKIP("automatic names differ on Windows");
#endif
        QProcessEnvironment env;
        env.insert(QStringLiteral("COMMTEST_COM%1").arg(port + 1), QStringLiteral("/dev/wrong"));
        if (!environment.isEmpty()) env.insert(QStringLiteral("COMMTEST_COM%1").arg(port), environment);
        const PortResolution r = resolvePort(port, env, mapping, present);
        QCOMPARE(told(r), resolved);
        // What was found is described by the present device of that name, nothing else.
        if (r.source == PortResolution::Source::Mapped || r.source == PortResolution::Source::Automatic) {
            QCOMPARE(r.info.portName, r.device);
            QVERIFY(present.contains(r.info));
        }
        if (port >= 1 && port <= kMappedPorts && environment.isEmpty()) QCOMPARE(r.wanted, mapping[port - 1]);
    }

    void description_data() {
        QTest::addColumn<PortInfo>("info");
        QTest::addColumn<QString>("text");
        QTest::newRow("everything known")
            << usb("ttyUSB0", "A5") << "ttyUSB0 — FT232R USB UART — FTDI — 序列号 A5";
        QTest::newRow("name only") << PortInfo{"ttyS0", {}, {}, {}, {}} << "ttyS0";
        QTest::newRow("serial number alone") << PortInfo{{}, {}, {}, "B7", {}} << "序列号 B7";
        QTest::newRow("serial number without maker")
            << PortInfo{"ttyACM0", {}, {}, "77", {}} << "ttyACM0 — 序列号 77";
    }
    void description() {
        QFETCH(PortInfo, info);
        QTEST(describePort(info), "text");
    }
};

QTEST_GUILESS_MAIN(TestPortNames)
#include "test_port_names.moc"
