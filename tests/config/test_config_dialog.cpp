// The 配置 dialog offscreen: what it shows for the settings in force and the devices present, and
// what OK and Cancel leave in the settings and the file.
#include "config/app_settings.h"
#include "config/config_dialog.h"
#include "config/settings_format.h"
#include "recording_sink.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace config;
using serial::PortChoice;
using serial::PortInfo;
using serial::PortMapping;

Q_DECLARE_METATYPE(serial::PortMapping)

namespace {

// On the bench: a plain serial port and two adapters, listed out of port order.
const QList<PortInfo> kPresent{
    {"ttyUSB1", "CP2102", "Silicon Labs", "B7", "/dev/ttyUSB1"},
    {"ttyS0", {}, {}, {}, "/dev/ttyS0"},
    {"ttyUSB0", "FT232R USB UART", "FTDI", "A5", "/dev/ttyUSB0"},
};

PortMapping mapping(std::initializer_list<std::pair<int, PortChoice>> entries) {
    PortMapping m{};
    for (const auto& [port, choice] : entries)
        m[port - 1] = choice;
    return m;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestConfigDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppSettings> m_settings;
    RecordingSink m_sink;

    std::unique_ptr<ConfigDialog> dialog(const PortMapping& ports = {}) {
        AppValues v;
        v.replyTimeoutMs = 250;
        v.pollIntervalMs = 3000;
        v.fastScan = true;
        v.portMapping = ports;
        m_settings->setValues(v);
        return std::make_unique<ConfigDialog>(*m_settings, m_sink, kPresent);
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<AppSettings>(m_dir->path());
        m_sink.shown.clear();
    }

    // Each port's box: "自动", the devices in port order, and an absent mapped adapter last.
    void shows_data() {
        QTest::addColumn<PortMapping>("ports");
        QTest::addColumn<QStringList>("current"); // the text shown for COM1..COM4
        QTest::addColumn<int>("items");           // in the COM1 box
        const QString usb0 = "ttyUSB0 — FT232R USB UART — FTDI — 序列号 A5";
        const QString usb1 = "ttyUSB1 — CP2102 — Silicon Labs — 序列号 B7";
        QTest::newRow("automatic everywhere")
            << PortMapping{} << QStringList{"自动", "自动", "自动", "自动"} << 4;
        QTest::newRow("mapped by serial number, found under a new name")
            << mapping({{1, {"B7", "ttyUSB0"}}}) << QStringList{usb1, "自动", "自动", "自动"} << 4;
        QTest::newRow("mapped by name")
            << mapping({{4, {"", "ttyS0"}}}) << QStringList{"自动", "自动", "自动", "ttyS0"} << 4;
        QTest::newRow("mapped adapter unplugged is offered as it was")
            << mapping({{1, {"Z9", "ttyUSB4"}}, {3, {"A5", "ttyUSB0"}}})
            << QStringList{"ttyUSB4 — 序列号 Z9（未连接）", "自动", usb0, "自动"} << 5;
    }
    void shows() {
        QFETCH(PortMapping, ports);
        QFETCH(QStringList, current);
        QFETCH(int, items);
        const auto d = dialog(ports);
        QCOMPARE(d->replyTimeoutBox()->value(), 250);
        QCOMPARE(d->pollIntervalBox()->value(), 3000);
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << d->portBox(i)->currentText();
        QCOMPARE(shown, current);
        QCOMPARE(d->portBox(0)->count(), items);
        QCOMPARE(d->portBox(0)->itemText(1), QStringLiteral("ttyUSB0 — FT232R USB UART — FTDI — 序列号 A5"));
        QCOMPARE(d->portBox(0)->itemText(3), QStringLiteral("ttyS0"));
    }

    // OK: the values the boxes show are in force and in the file; the rest is kept.
    void ok_data() {
        QTest::addColumn<PortMapping>("before");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("poll");
        QTest::addColumn<QList<int>>("picks"); // item index per COM box, -1: untouched
        QTest::addColumn<PortMapping>("after");
        QTest::newRow("numbers changed, ports untouched")
            << PortMapping{} << 30 << 60000 << QList<int>{-1, -1, -1, -1} << PortMapping{};
        QTest::newRow("adapters chosen")
            << PortMapping{} << 250 << 3000 << QList<int>{2, -1, 3, 1}
            << mapping({{1, {"B7", "ttyUSB1"}}, {3, {"", "ttyS0"}}, {4, {"A5", "ttyUSB0"}}});
        QTest::newRow("adapter found under a new name is remembered by it")
            << mapping({{2, {"B7", "ttyUSB0"}}}) << 250 << 3000 << QList<int>{-1, -1, -1, -1}
            << mapping({{2, {"B7", "ttyUSB1"}}});
        QTest::newRow("unplugged adapter kept")
            << mapping({{2, {"Z9", "ttyUSB4"}}}) << 250 << 3000 << QList<int>{-1, -1, -1, -1}
            << mapping({{2, {"Z9", "ttyUSB4"}}});
        QTest::newRow("back to automatic") << mapping({{2, {"Z9", "ttyUSB4"}}, {1, {"A5", "ttyUSB0"}}}) << 250
                                           << 3000 << QList<int>{0, 0, -1, -1} << PortMapping{};
    }
    void ok() {
        QFETCH(PortMapping, before);
        QFETCH(int, timeout);
        QFETCH(int, poll);
        QFETCH(QList<int>, picks);
        QFETCH(PortMapping, after);
        const auto d = dialog(before);
        d->replyTimeoutBox()->setValue(timeout);
        d->pollIntervalBox()->setValue(poll);
        for (int i = 0; i < 4; ++i)
            if (picks[i] >= 0) d->portBox(i)->setCurrentIndex(picks[i]);
        d->accept();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(m_sink.shown.isEmpty());
        const AppValues& v = m_settings->values();
        QCOMPARE(v.replyTimeoutMs, timeout);
        QCOMPARE(v.pollIntervalMs, poll);
        QVERIFY(v.fastScan); // not the dialog's to change
        QVERIFY(v.portMapping == after);
        QVERIFY(parseAppSettings(readFile(m_settings->path())).values == v);
    }

    void cancelKeepsValuesAndFile() {
        const auto d = dialog(mapping({{1, {"A5", "ttyUSB0"}}}));
        const AppValues before = m_settings->values();
        d->replyTimeoutBox()->setValue(1500);
        d->portBox(0)->setCurrentIndex(0);
        d->reject();
        QVERIFY(m_settings->values() == before);
        QVERIFY(!QFileInfo::exists(m_settings->path()));
    }

    void failedSaveIsSaidAndValuesStayInForce() {
        QFile blocker(m_dir->filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();
        const auto d = dialog();
        d->replyTimeoutBox()->setValue(777);
        d->accept();
        QCOMPARE(m_sink.shown.size(), 1);
        QCOMPARE(m_sink.shown[0].title, QStringLiteral("错误"));
        QCOMPARE(m_settings->values().replyTimeoutMs, 777);
        QCOMPARE(readFile(blocker.fileName()), QByteArray("not a folder"));
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestConfigDialog)
#include "test_config_dialog.moc"
