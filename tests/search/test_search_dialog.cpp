// The search dialog's OK and Cancel, with the scan window replaced by a recorder. The real scan
// window runs behind it in the end-to-end test on a pseudo-terminal.
#include "config/app_settings.h"
#include "fake_link.h"
#include "recording_sink.h"
#include "search/instrument_list.h"
#include "search/scan.h"
#include "search/search_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Rig {
    FakeLink link;
    InstrumentList list;
    RecordingSink messages;
    SearchDialog dialog{link, list, messages, nullptr};

    // What the scan window would have started with.
    struct Start {
        int first, last, found;
        bool portOpen, dialogVisible;
    };
    QList<Start> started;

    Rig() {
        dialog.setSearchingRunner([this](Scan& scan) {
            started.append(
                {scan.scanAddress(), scan.scanEnd(), scan.foundCount(), link.isOpen(), dialog.isVisible()});
            link.close(); // as the scan window does
        });
        dialog.show();
    }
    void ok() { QTest::mouseClick(dialog.command1(), Qt::LeftButton); }
};

} // namespace

class TestSearchDialog : public QObject {
    Q_OBJECT
private slots:
    void everyOpeningShowsTheLinkAfresh();
    void ok_data();
    void ok();
    void okFailures_data();
    void okFailures();
    void overflowLeavesThePortClosedForTheNextOk();
    void cancelTouchesNothing();
    void fastScanRemembered_data();
    void fastScanRemembered();
};

void TestSearchDialog::everyOpeningShowsTheLinkAfresh() {
    Rig rig;
    rig.dialog.text1()->setText(QStringLiteral("7"));
    rig.dialog.text2()->setText(QStringLiteral("8"));
    rig.dialog.reject();
    rig.link.setPortNumber(2);
    rig.link.setSettings(QStringLiteral(" 4800,n,8,1"));
    rig.dialog.show();
    const QStringList shown{rig.dialog.label3(0)->text(), rig.dialog.label3(1)->text(),
                            rig.dialog.text1()->text(), rig.dialog.text2()->text()};
    QCOMPARE(shown, (QStringList{"COM2", "4800", "1", "200"}));
    QCOMPARE(rig.link.openCount, 0); // showing the dialog does not open the port
}

void TestSearchDialog::ok_data() {
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("defaults") << "1"
                              << "200" << 1 << 200;
    QTest::newRow("hex and blanks") << "&H10"
                                    << " 2 0 " << 16 << 20;
    QTest::newRow("first above last is allowed") << "9"
                                                 << "3" << 9 << 3;
}

void TestSearchDialog::ok() {
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, first);
    QFETCH(int, last);
    Rig rig;
    rig.dialog.text1()->setText(text1);
    rig.dialog.text2()->setText(text2);
    rig.ok();
    QCOMPARE(rig.started.size(), 1);
    const auto& s = rig.started[0];
    QCOMPARE((QList<int>{s.first, s.last, s.found}), (QList<int>{first, last, 0}));
    QVERIFY(s.portOpen);
    QVERIFY(!s.dialogVisible); // the dialog closes before the scan window shows
    QCOMPARE(rig.dialog.result(), int(QDialog::Accepted));
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestSearchDialog::okFailures_data() {
    QTest::addColumn<int>("openError");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such port") << int(serial::NoSuchPort) << "1"
                                  << "200"
                                  << "系统无设定的通讯端口，请重新设定通信端口！";
    QTest::newRow("port in use") << int(serial::PortInUse) << "1"
                                 << "200"
                                 << "所设定的通讯端口已被其他设备占用，请重新设定通信端口！";
    QTest::newRow("other open failure") << int(serial::OtherError) << "1"
                                        << "200"
                                        << "未知的错误产生！";
    QTest::newRow("first address overflows") << int(serial::NoError) << "40000"
                                             << "200"
                                             << "数据溢出，检查仪表类型设置是否正确！";
    QTest::newRow("last address overflows") << int(serial::NoError) << "1"
                                            << "-40000"
                                            << "数据溢出，检查仪表类型设置是否正确！";
    QTest::newRow("port error wins over overflow") << int(serial::NoSuchPort) << "40000"
                                                   << "200"
                                                   << "系统无设定的通讯端口，请重新设定通信端口！";
}

void TestSearchDialog::okFailures() {
    QFETCH(int, openError);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, message);
    Rig rig;
    rig.link.openError = serial::PortError(openError);
    rig.dialog.text1()->setText(text1);
    rig.dialog.text2()->setText(text2);
    rig.ok();
    QCOMPARE(rig.messages.lines(), QStringList{QStringLiteral("错误|") + message});
    QVERIFY(rig.started.isEmpty());
    QVERIFY(rig.dialog.isVisible());
    QCOMPARE(rig.dialog.text1()->text(), text1);
    QCOMPARE(rig.dialog.text2()->text(), text2);
    QVERIFY(!rig.link.isOpen());
}

void TestSearchDialog::overflowLeavesThePortClosedForTheNextOk() {
    Rig rig;
    rig.dialog.text1()->setText(QStringLiteral("40000"));
    rig.ok();
    rig.dialog.text1()->setText(QStringLiteral("5"));
    rig.ok();
    QCOMPARE(rig.messages.shown.size(), 1); // no "occupied" message on the second OK
    QCOMPARE(rig.started.size(), 1);
    QCOMPARE(rig.started[0].first, 5);
    QVERIFY(rig.started[0].portOpen);
}

void TestSearchDialog::cancelTouchesNothing() {
    Rig rig;
    rig.list.addRow();
    Instrument listed;
    listed.address = 31;
    listed.typeCode = 0x16;
    listed.addressText = "1F";
    rig.list.setInstrument(2, listed);
    QTest::mouseClick(rig.dialog.command2(), Qt::LeftButton);
    QVERIFY(!rig.dialog.isVisible());
    QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(rig.link.openCount, 0);
    QVERIFY(rig.started.isEmpty());
    QCOMPARE(rig.list.rows(), 3);
    QCOMPARE(rig.list.addressCell(2), QStringLiteral("0031（0x1FH）"));
}

void TestSearchDialog::fastScanRemembered_data() {
    QTest::addColumn<bool>("stored"); // in the settings file before; false: no file (first run)
    QTest::addColumn<bool>("click");  // the operator clicks the box
    QTest::addColumn<bool>("ok");     // then OK (else Cancel)
    QTest::addColumn<bool>("shown");  // the box when the dialog opened
    QTest::addColumn<bool>("fileValue");
    QTest::addColumn<bool>("fileWritten");
    QTest::newRow("first run: off, nothing written") << false << false << true << false << false << false;
    QTest::newRow("ticked and OK: kept") << false << true << true << false << true << true;
    QTest::newRow("ticked and cancelled: not kept") << false << true << false << false << false << false;
    QTest::newRow("kept from before, left alone") << true << false << true << true << true << true;
    QTest::newRow("kept from before, unticked") << true << true << true << true << false << true;
}

void TestSearchDialog::fastScanRemembered() {
    QFETCH(bool, stored);
    QFETCH(bool, click);
    QFETCH(bool, ok);
    QFETCH(bool, shown);
    QFETCH(bool, fileValue);
    QFETCH(bool, fileWritten);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (stored) {
        config::AppSettings before(dir.path());
        config::AppValues values;
        values.fastScan = true;
        before.setValues(values);
        QVERIFY(before.save());
    }
    config::AppSettings settings(dir.path());
    RecordingSink loadMessages;
    settings.load(loadMessages);

    Rig rig;
    bool chosen = false;
    rig.dialog.setSearchingRunner([&](Scan&) {
        chosen = rig.dialog.fastScanChosen();
        rig.link.close();
    });
    rig.dialog.setAppSettings(&settings);
    rig.dialog.hide();
    rig.dialog.show();
    QCOMPARE(rig.dialog.fastScanBox()->text(), QStringLiteral("快速搜索"));
    QCOMPARE(rig.dialog.fastScanBox()->isChecked(), shown);
    if (click) rig.dialog.fastScanBox()->click();
    if (ok)
        rig.ok();
    else
        QTest::mouseClick(rig.dialog.command2(), Qt::LeftButton);
    if (ok) QCOMPARE(chosen, shown != click);
    QCOMPARE(QFile::exists(settings.path()), fileWritten);
    config::AppSettings after(dir.path());
    after.load(loadMessages);
    QCOMPARE(after.values().fastScan, fileValue);
    QVERIFY(loadMessages.shown.isEmpty());
}

QTEST_MAIN(TestSearchDialog)
#include "test_search_dialog.moc"
