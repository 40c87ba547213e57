// The live trend window fed polls by hand: which readings it draws, the record box, the span
// chooser, following and the status line.
#include "trends/live_trend_window.h"
#include "trends/trend_chart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using trends::LiveTrendWindow;

namespace {

const qint64 kBase = QDateTime(QDate(2026, 12, 8), QTime(14, 0)).toMSecsSinceEpoch();

// A poll at `seconds` with the readings named by keys (value 1 each), or none when keys is empty.
protocol::Sample poll(double seconds, const QStringList& keys) {
    protocol::Sample s;
    s.epochMs = kBase + qint64(seconds * 1000);
    s.address = 1;
    if (keys.isEmpty()) s.verdict = QStringLiteral("no reply");
    for (const QString& key : keys)
        s.readings.push_back({key, key + QStringLiteral("值"), QString(), 1, 1.0});
    return s;
}

QStringList channels(int n) {
    QStringList keys;
    for (int i = 1; i <= n; ++i)
        keys << QStringLiteral("CH%1").arg(i, 2, 10, QLatin1Char('0'));
    return keys;
}

QStringList checkedKeys(const LiveTrendWindow& w) {
    QStringList keys;
    for (int row = 0; row < w.readingList()->count(); ++row)
        if (w.readingList()->item(row)->checkState() == Qt::Checked)
            keys << w.readingList()->item(row)->data(Qt::UserRole).toString();
    return keys;
}

QStringList drawnKeys(const LiveTrendWindow& w) {
    QStringList keys;
    for (const trends::Curve& curve : w.chart()->series())
        keys << curve.key;
    return keys;
}

} // namespace

class TestLiveTrendWindow : public QObject {
    Q_OBJECT
private slots:
    void readingsChosenAtFirst_data();
    void readingsChosenAtFirst();
    void tickingAReadingDrawsIt();
    void recordBoxOnlyTells_data();
    void recordBoxOnlyTells();
    void spanAndFollowing();
    void statusCountsPolls();
};

void TestLiveTrendWindow::readingsChosenAtFirst_data() {
    QTest::addColumn<QStringList>("given"); // reading curves given before any poll
    QTest::addColumn<QList<QStringList>>("polls");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("drawn");
    const QStringList controller{"PV", "SV", "MV", "AL1", "AL2"};
    QTest::newRow("a controller: its numbers, not its alarms")
        << QStringList{} << QList<QStringList>{controller} << controller << QStringList{"PV", "SV", "MV"};
    QTest::newRow("a scanner: the first four of sixteen channels")
        << QStringList{} << QList<QStringList>{channels(16)} << channels(16) << channels(4);
    QTest::newRow("an unanswered first poll chooses nothing yet")
        << QStringList{} << QList<QStringList>{{}, controller} << controller << QStringList{"PV", "SV", "MV"};
    QTest::newRow("readings given beforehand stay")
        << QStringList{"PV", "AL1"} << QList<QStringList>{controller} << QStringList{"PV", "AL1"}
        << QStringList{"PV"};
}

void TestLiveTrendWindow::readingsChosenAtFirst() {
    QFETCH(QStringList, given);
    QFETCH(QList<QStringList>, polls);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, drawn);
    LiveTrendWindow w;
    if (!given.isEmpty()) {
        protocol::Readings readings;
        for (const QString& key : given)
            readings.push_back({key, key, QString(), 1, 0});
        w.setReadingCurves(trends::curvesOf(readings));
    }
    QList<QStringList> notYet = polls;
    notYet.removeLast();
    for (int i = 0; i < polls.size(); ++i) {
        w.addSample(poll(2.0 * i, polls[i]));
        if (i < notYet.size() && given.isEmpty()) QCOMPARE(w.readingList()->count(), 0);
    }
    QStringList keys;
    for (int row = 0; row < w.readingList()->count(); ++row)
        keys << w.readingList()->item(row)->data(Qt::UserRole).toString();
    QCOMPARE(keys, listed);
    QCOMPARE(checkedKeys(w), drawn);
    QCOMPARE(drawnKeys(w), drawn);
}

void TestLiveTrendWindow::tickingAReadingDrawsIt() {
    LiveTrendWindow w;
    w.resize(900, 600);
    w.show();
    for (int i = 0; i < 5; ++i)
        w.addSample(poll(2.0 * i, {"PV", "SV", "AL1"}));
    QListWidgetItem* alarm = w.readingList()->item(2);
    alarm->setCheckState(Qt::Checked);
    QCOMPARE(drawnKeys(w), (QStringList{"PV", "SV", "AL1"}));
    QVERIFY(!w.chart()->drawnLines(QStringLiteral("AL1")).isEmpty());
    w.readingList()->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(drawnKeys(w), (QStringList{"SV", "AL1"}));
    QVERIFY(w.chart()->drawnLines(QStringLiteral("PV")).isEmpty());
}

void TestLiveTrendWindow::recordBoxOnlyTells_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QList<bool>>("told");
    QTest::newRow("ticked by the operator") << "click" << true << QList<bool>{true};
    QTest::newRow("ticked and unticked") << "click click" << false << QList<bool>{true, false};
    QTest::newRow("set from outside: nobody told") << "set" << true << QList<bool>{};
}

void TestLiveTrendWindow::recordBoxOnlyTells() {
    QFETCH(QString, how);
    QFETCH(bool, checked);
    QFETCH(QList<bool>, told);
    LiveTrendWindow w;
    w.show();
    QSignalSpy toggled(&w, &LiveTrendWindow::recordingToggled);
    for (const QString& step : how.split(' ')) {
        if (step == QLatin1String("click"))
            QTest::mouseClick(w.recordBox(), Qt::LeftButton);
        else
            w.setRecording(true);
    }
    QCOMPARE(w.isRecording(), checked);
    QList<bool> got;
    for (const QList<QVariant>& args : toggled)
        got << args.at(0).toBool();
    QCOMPARE(got, told);
}

void TestLiveTrendWindow::spanAndFollowing() {
    LiveTrendWindow w;
    w.resize(900, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 100; ++i)
        w.addSample(poll(2.0 * i, {"PV"}));
    trends::TrendChart* chart = w.chart();
    QCOMPARE(chart->window().span(), LiveTrendWindow::kDefaultSpanMs);
    QCOMPARE(w.spanBox()->currentData().toLongLong(), LiveTrendWindow::kDefaultSpanMs);

    const int oneMinute = w.spanBox()->findData(60 * 1000);
    w.spanBox()->setCurrentIndex(oneMinute);
    emit w.spanBox()->activated(oneMinute);
    QCOMPARE(chart->window().span(), 60 * 1000);
    QVERIFY(chart->window().to() >= kBase + 198 * 1000); // still on the newest poll

    // A span the chooser does not offer leaves it blank.
    chart->zoomAt(chart->window().to(), 1.5);
    QCOMPARE(w.spanBox()->currentIndex(), -1);

    chart->panBy(-30 * 1000);
    QVERIFY(!w.followButton()->isChecked());
    QTest::mouseClick(w.followButton(), Qt::LeftButton);
    QVERIFY(chart->window().following());
    QVERIFY(w.followButton()->isChecked());
    QVERIFY(chart->window().to() >= kBase + 198 * 1000);
}

void TestLiveTrendWindow::statusCountsPolls() {
    LiveTrendWindow w;
    QCOMPARE(w.statusLabel()->text(), QStringLiteral("等待数据…"));
    w.addSample(poll(0, {"PV"}));
    w.addSample(poll(2, {}));
    w.addSample(poll(4, {"PV"}));
    QCOMPARE(w.statusLabel()->text(), QStringLiteral("采样 3 次，无应答 1 次，最新 14:00:04"));
}

QTEST_MAIN(TestLiveTrendWindow)
#include "test_live_trend_window.moc"
