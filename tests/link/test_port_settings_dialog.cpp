#include "fake_link.h"
#include "link/port_settings_dialog.h"
#include "link/settings_file.h"
#include "recording_sink.h"

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace serial;

class TestPortSettingsDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeLink> m_link;
    RecordingSink m_sink;

    QString path() const { return settingsFilePath(m_dir->path()); }
    QByteArray fileContent(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The dialog on the link as the test left it.
    std::unique_ptr<PortSettingsDialog> dialog(int port = 1, const QString& settings = "9600,n,8,1") {
        m_link->setPortNumber(qint16(port));
        m_link->setSettings(settings);
        return std::make_unique<PortSettingsDialog>(*m_link, path(), m_sink);
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_link = std::make_unique<FakeLink>();
        m_sink.shown.clear();
    }

    void presets_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("portOption");
        QTest::addColumn<int>("rateOption");
        QTest::newRow("COM2 9600") << 2 << "9600,n,8,1" << 1 << 4;
        QTest::newRow("COM4 600 as read back from the file") << 4 << " 600,n,8,1" << 3 << 0;
        QTest::newRow("port 7 keeps COM1") << 7 << "19200,n,8,1" << 0 << 5;
        // A rate a port takes but no option offers, kept from the file: no option chosen.
        QTest::newRow("57600 kept, none chosen") << 1 << "57600,n,8,1" << 0 << -1;
        QTest::newRow("300 read back with its blank, none chosen") << 3 << " 300,n,8,1" << 2 << -1;
        QTest::newRow("rate no port takes keeps 2400") << 1 << "9601,n,8,1" << 0 << 2;
        QTest::newRow("no rate keeps 2400") << 1 << "fast" << 0 << 2;
    }
    void presets() {
        QFETCH(int, port);
        QFETCH(QString, settings);
        QFETCH(int, portOption);
        QFETCH(int, rateOption);
        const auto d = dialog(port, settings);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(d->portOption(i)->isChecked(), i == portOption);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(d->rateOption(i)->isChecked(), i == rateOption);
        QCOMPARE(d->keptRateLabel()->isVisibleTo(d.get()), rateOption < 0);
        if (rateOption < 0) QVERIFY(d->keptRateLabel()->text().contains(QString::number(m_link->baudRate())));
    }

    // OK applies the checked options to the link and saves them; -1: the option left as preset.
    void ok_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("portChoice");
        QTest::addColumn<int>("rateChoice");
        QTest::addColumn<int>("linkPort");
        QTest::addColumn<QString>("linkSettings");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("choices applied and saved")
            << 1 << "9600,n,8,1" << 2 << 3 << 3 << "4800,n,8,1" << QByteArray("\"COM3\",\" 4800\"\r\n");
        // A saved 9600 comes back with its blank; OK without touching anything saves 9600 again.
        QTest::newRow("rate read back with its blank")
            << 1 << " 9600,n,8,1" << -1 << -1 << 1 << "9600,n,8,1" << QByteArray("\"COM1\",\" 9600\"\r\n");
        QTest::newRow("port 7 becomes COM1")
            << 7 << "19200,n,8,1" << -1 << -1 << 1 << "19200,n,8,1" << QByteArray("\"COM1\",\"19200\"\r\n");
        QTest::newRow("kept rate stays when none is chosen")
            << 2 << "38400,n,8,1" << -1 << -1 << 2 << "38400,n,8,1" << QByteArray("\"COM2\",\"38400\"\r\n");
        QTest::newRow("kept rate replaced by a choice")
            << 2 << "38400,n,8,1" << 0 << 4 << 1 << "9600,n,8,1" << QByteArray("\"COM1\",\" 9600\"\r\n");
    }
    void ok() {
        QFETCH(int, port);
        QFETCH(QString, settings);
        QFETCH(int, portChoice);
        QFETCH(int, rateChoice);
        const auto d = dialog(port, settings);
        if (portChoice >= 0) d->portOption(portChoice)->setChecked(true);
        if (rateChoice >= 0) d->rateOption(rateChoice)->setChecked(true);
        d->accept();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QTEST(int(m_link->portNumber()), "linkPort");
        QTEST(m_link->settings(), "linkSettings");
        QTEST(fileContent(path()), "file");
        QVERIFY(m_sink.shown.isEmpty());
    }

    // The line under the port options follows the chosen port: environment, mapping, automatic.
    void deviceLine_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("environment"); // COMMTEST_COM<choice>; empty: unset
        QTest::addColumn<QString>("line");
        QTest::newRow("automatic, described") << 1 << ""
                                              << "设备：ttyUSB3 — FT232R — FTDI — 序列号 B7（自动）";
        QTest::newRow("automatic, name only") << 2 << ""
                                              << "设备：ttyS0（自动）";
        QTest::newRow("beyond the list") << 4 << ""
                                         << "系统中没有这个通讯口";
        QTest::newRow("mapped adapter found under its new name")
            << 3 << ""
            << "设备：ttyUSB3 — FT232R — FTDI — 序列号 B7";
        QTest::newRow("environment wins") << 3 << "/dev/pts/9"
                                          << "设备：/dev/pts/9（由环境变量 COMMTEST_COM3 指定）";
    }
    void deviceLine() {
        QFETCH(int, choice);
        QFETCH(QString, environment);
        PortMapping mapping{};
        mapping[2] = PortChoice{QStringLiteral("B7"), QStringLiteral("ttyUSB0")};
        m_link->setPortMapping(mapping);
        const auto d = dialog();
        QProcessEnvironment env;
        if (!environment.isEmpty()) env.insert(QStringLiteral("COMMTEST_COM%1").arg(choice), environment);
        d->setSystem(
            env, {{"ttyS0", {}, {}, {}, "/dev/ttyS0"}, {"ttyUSB3", "FT232R", "FTDI", "B7", "/dev/ttyUSB3"}});
        d->portOption(choice - 1)->click();
        QTEST(d->deviceLabel()->text(), "line");
    }

    void mappedAdapterUnplugged() {
        PortMapping mapping{};
        mapping[0] = PortChoice{QStringLiteral("B7"), QStringLiteral("ttyUSB0")};
        m_link->setPortMapping(mapping);
        const auto d = dialog(2);
        d->setSystem({}, {{"ttyS0", {}, {}, {}, "/dev/ttyS0"}, {"ttyS1", {}, {}, {}, "/dev/ttyS1"}});
        QCOMPARE(d->deviceLabel()->text(), QStringLiteral("设备：ttyS1（自动）"));
        d->portOption(0)->click();
        QCOMPARE(d->deviceLabel()->text(), QStringLiteral("所配置的设备 ttyUSB0 — 序列号 B7 未连接"));
    }

    void cancelTouchesNothing() {
        QVERIFY(writeSettingsFile(path(), {2, QStringLiteral("19200,n,8,1")}));
        const auto d = dialog(2, "19200,n,8,1");
        d->portOption(0)->setChecked(true);
        d->rateOption(0)->setChecked(true);
        d->findChild<QSpinBox*>(QStringLiteral("Text3"))->stepBy(-3);
        d->reject();
        QCOMPARE(int(m_link->portNumber()), 2);
        QCOMPARE(m_link->settings(), QStringLiteral("19200,n,8,1"));
        QCOMPARE(fileContent(path()), QByteArray("\"COM2\",\"19200\"\r\n"));
    }

    void openPortKeepsDialogOpen() {
        QCOMPARE(m_link->open(), NoError);
        const auto d = dialog();
        d->rateOption(5)->setChecked(true);
        d->accept();
        QCOMPARE(m_sink.lines(), QStringList{QStringLiteral("Title|该通讯口已被其他设备占用！")});
        QVERIFY(d->result() != int(QDialog::Accepted));
        // The settings were applied and saved all the same.
        QCOMPARE(fileContent(path()), QByteArray("\"COM1\",\"19200\"\r\n"));
    }

    void failedSaveIsReportedAndOldFileKept() {
        // A plain file where the data folder should be: the folder cannot be made.
        QFile blocker(m_dir->filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();
        const auto d = dialog();
        d->rateOption(1)->setChecked(true);
        d->accept();
        QCOMPARE(m_sink.shown.size(), 1);
        QCOMPARE(m_sink.shown[0].title, QStringLiteral("错误"));
        QVERIFY(m_sink.shown[0].text.contains(QStringLiteral("无法保存")));
        QCOMPARE(m_link->settings(), QStringLiteral("1200,n,8,1"));
        QCOMPARE(fileContent(blocker.fileName()), QByteArray("not a folder"));
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestPortSettingsDialog)
#include "test_port_settings_dialog.moc"
