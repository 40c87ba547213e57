// The search dialog's OK and Cancel, with the scan window replaced by a recorder, and once with the
// real scan window driven through its stop button.
#include "fake_link.h"
#include "recording_sink.h"
#include "search/instrument_list.h"
#include "search/scan.h"
#include "search/search_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct Rig {
    FakeLink link;
    protocol::LineTexts line;
    InstrumentList list;
    RecordingSink messages;
    SearchDialog dialog{link, line, list, messages, nullptr};

    // What the scan window would have started with.
    struct Start {
        int first, last, found;
        bool portOpen, dialogVisible;
    };
    QList<Start> started;

    Rig() {
        dialog.setSearchingRunner([this](Scan& scan) {
            started.append({scan.scanAddress(), scan.scanEnd(), scan.foundCount(), link.isOpen(),
                            dialog.isVisible()});
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
    void controls();
    void okWithDefaults();
    void okReadsBothFields_data();
    void okReadsBothFields();
    void okFailures_data();
    void okFailures();
    void overflowLeavesThePortClosedForTheNextOk();
    void cancelTouchesNothing();
    void fieldsStartAfreshOnEveryOpening();
    void realScanWindowStops();
};

void TestSearchDialog::controls() {
    FakeLink link;
    link.setPortNumber(2);
    link.setSettings(QStringLiteral(" 4800,n,8,1"));
    protocol::LineTexts line;
    InstrumentList list;
    RecordingSink messages;
    SearchDialog dialog(link, line, list, messages, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("搜索"));
    QCOMPARE(dialog.label3(0)->text(), QStringLiteral("COM2"));
    QCOMPARE(dialog.label3(1)->text(), QStringLiteral("4800"));
    QCOMPARE(dialog.text1()->text(), QStringLiteral("1"));
    QCOMPARE(dialog.text2()->text(), QStringLiteral("200"));
    QCOMPARE(dialog.command1()->text(), QStringLiteral("确定"));
    QCOMPARE(dialog.command2()->text(), QStringLiteral("取消"));
    QStringList labels;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
    for (const char* text : {"搜索所有在线的数字仪表，点击确定开", "始操作。", "若需重新设置通讯口，请点击取消键以",
                             "跳过此步骤。", "通讯口：", "波特率：", "搜索地址从       到"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    QVERIFY(!link.isOpen()); // showing the dialog does not open the port
}

void TestSearchDialog::okWithDefaults() {
    Rig rig;
    rig.list.setText(1, 1, QStringLiteral("kept until a reply rewrites it"));
    rig.ok();
    QCOMPARE(rig.started.size(), 1);
    const auto& s = rig.started[0];
    QCOMPARE(s.first, 1);
    QCOMPARE(s.last, 200);
    QCOMPARE(s.found, 0);
    QVERIFY(s.portOpen);
    QVERIFY(!s.dialogVisible); // the dialog closes before the scan window shows
    QCOMPARE(rig.dialog.result(), int(QDialog::Accepted));
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestSearchDialog::okReadsBothFields_data() {
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("letters start at 0") << "abc" << "200" << 0 << 200;
    QTest::newRow("halves to even") << "2.5" << "3.5" << 2 << 4;
    QTest::newRow("hex and blanks") << "&H10" << " 2 0 " << 16 << 20;
    QTest::newRow("first above last is allowed") << "9" << "3" << 9 << 3;
    QTest::newRow("extremes") << "-32768" << "32767" << -32768 << 32767;
}

void TestSearchDialog::okReadsBothFields() {
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(int, first);
    QFETCH(int, last);
    Rig rig;
    rig.dialog.text1()->setText(text1);
    rig.dialog.text2()->setText(text2);
    rig.ok();
    QCOMPARE(rig.started.size(), 1);
    QCOMPARE(rig.started[0].first, first);
    QCOMPARE(rig.started[0].last, last);
}

void TestSearchDialog::okFailures_data() {
    QTest::addColumn<int>("openError");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such port") << int(serial::NoSuchPort) << "1" << "200"
                                  << "系统无设定的通讯端口，请重新设定通信端口！";
    QTest::newRow("port in use") << int(serial::PortInUse) << "1" << "200"
                                 << "所设定的通讯端口已被其他设备占用，请重新设定通信端口！";
    QTest::newRow("other open failure") << int(serial::OtherError) << "1" << "200" << "未知的错误产生！";
    QTest::newRow("first address overflows") << int(serial::NoError) << "40000" << "200"
                                             << "数据溢出，检查仪表类型设置是否正确！";
    QTest::newRow("last address overflows") << int(serial::NoError) << "1" << "-40000"
                                            << "数据溢出，检查仪表类型设置是否正确！";
    QTest::newRow("port error wins over overflow") << int(serial::NoSuchPort) << "40000" << "200"
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
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].text, message);
    QCOMPARE(rig.messages.shown[0].title, QStringLiteral("错误"));
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
    rig.list.setText(2, 1, QStringLiteral("0031（0x1FH）"));
    QTest::mouseClick(rig.dialog.command2(), Qt::LeftButton);
    QVERIFY(!rig.dialog.isVisible());
    QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(rig.link.openCount, 0);
    QVERIFY(rig.started.isEmpty());
    QCOMPARE(rig.list.rows(), 3);
    QCOMPARE(rig.list.addressCell(2), QStringLiteral("0031（0x1FH）"));
}

void TestSearchDialog::fieldsStartAfreshOnEveryOpening() {
    Rig rig;
    rig.dialog.text1()->setText(QStringLiteral("7"));
    rig.dialog.text2()->setText(QStringLiteral("8"));
    rig.dialog.reject();
    rig.link.setPortNumber(4);
    rig.dialog.show();
    QCOMPARE(rig.dialog.text1()->text(), QStringLiteral("1"));
    QCOMPARE(rig.dialog.text2()->text(), QStringLiteral("200"));
    QCOMPARE(rig.dialog.label3(0)->text(), QStringLiteral("COM4"));
}

void TestSearchDialog::realScanWindowStops() {
    FakeLink link;
    protocol::LineTexts line;
    InstrumentList list;
    RecordingSink messages;
    SearchDialog dialog(link, line, list, messages, nullptr);
    QStringList seen;
    // Once the scan window is up, look at it and press its stop button.
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(dialog.command1(), Qt::LeftButton);
    });
    std::function<void()> pressStop = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == &dialog) {
            QTimer::singleShot(10, &dialog, pressStop);
            return;
        }
        seen << modal->objectName() << QString::number(link.isOpen());
        auto* stop = modal->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(stop);
        seen << stop->text();
        QTest::mouseClick(stop, Qt::LeftButton);
    };
    QTimer::singleShot(10, &dialog, pressStop);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(seen, (QStringList{QStringLiteral("Searching"), QStringLiteral("1"), QStringLiteral("停止")}));
    QVERIFY(!link.isOpen());
    QCOMPARE(link.closeCount, 1);
}

QTEST_MAIN(TestSearchDialog)
#include "test_search_dialog.moc"
