// Paging of the four paging views through the shared counter: which page a call shows, where the
// counter wraps, and what a counter left by another view does.
#include "reply_frame.h"
#include "views/multi/multi_views.h"

#include <QTest>

Q_DECLARE_METATYPE(views::ViewRoutine)

class MultiPagingTest : public QObject {
    Q_OBJECT
private slots:
    void pageOfCall_data();
    void pageOfCall();
};

// `calls` calls with one reply from a counter of `start`; the page shows in the start of a line.
void MultiPagingTest::pageOfCall_data() {
    QTest::addColumn<views::ViewRoutine>("view");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("calls");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<int>("tnAfter");
    const views::ViewRoutine pid = views::ShowLCDPID, ll = views::ShowLCDLL, ll3 = views::ShowLCD3LL,
                             duo = views::ShowDuo;
    QTest::newRow("PID call 19 inputs") << pid << 0 << 19 << 0 << "1路" << 19;
    QTest::newRow("PID call 20 set value") << pid << 0 << 20 << 0 << "设定" << 20;
    QTest::newRow("PID call 39 set value") << pid << 0 << 39 << 0 << "设定" << 39;
    QTest::newRow("PID call 40 inputs, tn 1") << pid << 0 << 40 << 0 << "1路" << 1;
    QTest::newRow("PID after scanner left 127") << pid << 127 << 1 << 0 << "1路" << 1;
    QTest::newRow("LL call 9 channels") << ll << 0 << 9 << 0 << "1路" << 9;
    QTest::newRow("LL call 10 instantaneous") << ll << 0 << 10 << 0 << "瞬时" << 10;
    QTest::newRow("LL call 20 channels, tn 1") << ll << 0 << 20 << 0 << "1路" << 1;
    QTest::newRow("3LL call 4 channels") << ll3 << 0 << 4 << 0 << "1路" << 4;
    QTest::newRow("3LL call 5 instantaneous") << ll3 << 0 << 5 << 0 << "瞬时流量1" << 5;
    QTest::newRow("3LL call 10 totals") << ll3 << 0 << 10 << 0 << "累积流量1" << 10;
    QTest::newRow("3LL call 15 channels, tn 1") << ll3 << 0 << 15 << 0 << "1路" << 1;
    QTest::newRow("3LL after PID left 39") << ll3 << 39 << 1 << 0 << "1路" << 1;
    QTest::newRow("Duo call 7 channel 01") << duo << 0 << 7 << 1 << "01" << 7;
    QTest::newRow("Duo call 8 channel 02") << duo << 0 << 8 << 1 << "02" << 8;
    QTest::newRow("Duo call 127 channel 16") << duo << 0 << 127 << 1 << "16" << 127;
    QTest::newRow("Duo call 128 back to 01") << duo << 0 << 128 << 1 << "01" << 1;
    QTest::newRow("Duo counter at maximum does not overflow") << duo << 32767 << 1 << 1 << "01" << 1;
    QTest::newRow("Duo counter far below zero restarts") << duo << -100 << 1 << 1 << "01" << 1;
}

void MultiPagingTest::pageOfCall() {
    QFETCH(views::ViewRoutine, view);
    QFETCH(int, start);
    QFETCH(int, calls);
    QFETCH(int, line);
    QFETCH(QString, shows);
    const QByteArray reply = replyLine("8A", QByteArray(120, '0'));
    panel::PanelModel panel = panel::PanelModel::design();
    qint16 tn = static_cast<qint16>(start);
    protocol::Readings readings;
    for (int i = 0; i < calls; ++i)
        view(reply, panel, tn, readings);
    QVERIFY2(panel.label1[line].caption.startsWith(shows), qPrintable(panel.label1[line].caption));
    QTEST(int(tn), "tnAfter");
}

QTEST_GUILESS_MAIN(MultiPagingTest)
#include "test_multi_paging.moc"
