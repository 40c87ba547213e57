#include "fake_link.h"
#include "link/message_sink.h"
#include "link/port_settings_dialog.h"
#include "link/settings_file.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace serial;

namespace {

struct RecordingSink : MessageSink {
    QStringList texts, titles;
    void show(QWidget*, const QString& text, const QString& title) override {
        texts << text;
        titles << title;
    }
};

QByteArray fileContent(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPortSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void presets_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("portOption");
        QTest::addColumn<int>("rateOption");
        QTest::newRow("COM2 9600") << 2 << "9600,n,8,1" << 1 << 4;
        QTest::newRow("as read back from the file") << 1 << " 9600,n,8,1" << 0 << 4;
        QTest::newRow("COM4 600") << 4 << " 600,n,8,1" << 3 << 0;
        QTest::newRow("COM3 19200") << 3 << "19200,n,8,1" << 2 << 5;
        QTest::newRow("port 7 keeps COM1") << 7 << "1200,n,8,1" << 0 << 1;
        QTest::newRow("unknown rate keeps 2400") << 1 << "57600,n,8,1" << 0 << 2;
    }
    void presets() {
        QFETCH(int, port);
        QFETCH(QString, settings);
        QFETCH(int, portOption);
        QFETCH(int, rateOption);
        FakeLink link;
        link.setPortNumber(qint16(port));
        link.setSettings(settings);
        RecordingSink sink;
        PortSettingsDialog dialog(link, QStringLiteral("/nonexistent/x"), sink);
        for (int i = 0; i < 4; ++i) QCOMPARE(dialog.portOption(i)->isChecked(), i == portOption);
        for (int i = 0; i < 6; ++i) QCOMPARE(dialog.rateOption(i)->isChecked(), i == rateOption);
    }

    void captionsAndNames() {
        FakeLink link;
        RecordingSink sink;
        PortSettingsDialog dialog(link, QString(), sink);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("通讯端口设置"));
        const QStringList rates{"600bps", "1200bps", "2400bps", "4800bps", "9600bps", "19200bps"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(dialog.rateOption(i)->text(), rates[i]);
            QCOMPARE(dialog.rateOption(i)->objectName(), QStringLiteral("Option%1").arg(i + 5));
        }
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("Text3"))->text(), QStringLiteral("8"));
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("Text4"))->text(), QStringLiteral("1"));
        QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("Text5"))->text(), QStringLiteral("无"));
    }

    void okAppliesAndSaves() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        FakeLink link;
        RecordingSink sink;
        PortSettingsDialog dialog(link, path, sink);
        dialog.portOption(2)->setChecked(true);
        dialog.rateOption(3)->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(link.portNumber()), 3);
        QCOMPARE(link.settings(), QStringLiteral("4800,n,8,1"));
        QCOMPARE(fileContent(path), QByteArray("\"COM3\",\" 4800\"\r\n"));
        QVERIFY(sink.texts.isEmpty());
    }

    // A saved 9600 comes back with its blank; OK without touching anything must save 9600 again.
    void okAfterReadingBackKeepsTheRate() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeSettingsFile(path, {1, QStringLiteral("9600,n,8,1")}));
        const ReadResult read = readSettingsFile(path);
        FakeLink link;
        link.setPortNumber(read.settings->portNumber);
        link.setSettings(read.settings->settings);
        RecordingSink sink;
        PortSettingsDialog dialog(link, path, sink);
        dialog.accept();
        QCOMPARE(fileContent(path), QByteArray("\"COM1\",\" 9600\"\r\n"));
    }

    void portSevenBecomesOne() {
        QTemporaryDir dir;
        FakeLink link;
        link.setPortNumber(7);
        RecordingSink sink;
        PortSettingsDialog dialog(link, settingsFilePath(dir.path()), sink);
        dialog.accept();
        QCOMPARE(int(link.portNumber()), 1);
    }

    void cancelTouchesNothing() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeSettingsFile(path, {2, QStringLiteral("19200,n,8,1")}));
        FakeLink link;
        link.setPortNumber(2);
        link.setSettings(QStringLiteral("19200,n,8,1"));
        RecordingSink sink;
        PortSettingsDialog dialog(link, path, sink);
        dialog.portOption(0)->setChecked(true);
        dialog.rateOption(0)->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("Text3"))->stepBy(-3);
        dialog.reject();
        QCOMPARE(int(link.portNumber()), 2);
        QCOMPARE(link.settings(), QStringLiteral("19200,n,8,1"));
        QCOMPARE(fileContent(path), QByteArray("\"COM2\",\"19200\"\r\n"));
    }

    void openPortKeepsDialogOpen() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        FakeLink link;
        QCOMPARE(link.open(), NoError);
        RecordingSink sink;
        PortSettingsDialog dialog(link, path, sink);
        dialog.rateOption(5)->setChecked(true);
        dialog.accept();
        QCOMPARE(sink.texts, QStringList{QStringLiteral("该通讯口已被其他设备占用！")});
        QCOMPARE(sink.titles, QStringList{QStringLiteral("Title")});
        QVERIFY(dialog.result() != int(QDialog::Accepted));
        // The settings were applied and saved all the same.
        QCOMPARE(fileContent(path), QByteArray("\"COM1\",\"19200\"\r\n"));
    }

    void failedSaveIsReportedAndOldFileKept() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();
        FakeLink link;
        RecordingSink sink;
        PortSettingsDialog dialog(link, settingsFilePath(dir.path()), sink);
        dialog.rateOption(1)->setChecked(true);
        dialog.accept();
        QCOMPARE(sink.titles, QStringList{QStringLiteral("错误")});
        QVERIFY(sink.texts.first().contains(QStringLiteral("无法保存")));
        QCOMPARE(link.settings(), QStringLiteral("1200,n,8,1"));
        QCOMPARE(fileContent(dir.filePath(QStringLiteral("data"))), QByteArray("not a folder"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestPortSettingsDialog)
#include "test_port_settings_dialog.moc"
