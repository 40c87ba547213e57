// The trend chart offscreen, read back as the lines it hands to the chart, its axes and its table:
// gaps and steps, statistics of the view, cursors placed with the mouse, zoom and pan, and when it
// draws at all.
#include "trends/chart_canvas.h"
#include "trends/trend_buffer.h"
#include "trends/trend_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>

using trends::TrendChart;

namespace {

// 2026-12-08 14:00:00 local time: the tables write times of day.
const qint64 kBase = QDateTime(QDate(2026, 12, 8), QTime(14, 0)).toMSecsSinceEpoch();

const trends::Curve kPV{"PV", "测量值", "℃", 1, false};
const trends::Curve kSV{"SV", "设定值", "℃", 1, false};
const trends::Curve kMV{"MV", "输出", "%", 1, false};
const trends::Curve kAL1{"AL1", "报警1", "", 0, true};

// "seconds:KEY=v,KEY=v", or "seconds:!" for a poll without an accepted reply.
protocol::Sample poll(const QString& text) {
    protocol::Sample s;
    s.epochMs = kBase + qint64(text.section(':', 0, 0).toDouble() * 1000);
    const QString rest = text.section(':', 1);
    if (rest == QLatin1String("!")) {
        s.verdict = QStringLiteral("no reply");
        return s;
    }
    for (const QString& pair : rest.split(','))
        s.readings.push_back(
            {pair.section('=', 0, 0), QString(), QString(), 1, pair.section('=', 1).toDouble()});
    return s;
}

// A chart on a buffer, shown and laid out.
struct Shown {
    trends::TrendBuffer buffer;
    TrendChart chart;

    explicit Shown(const QVector<trends::Curve>& curves, qint64 maxGapMs = 5000) {
        chart.resize(900, 560);
        chart.setSource(&buffer);
        chart.setSeries(curves);
        chart.setMaxGapMs(maxGapMs);
        chart.show();
    }
    bool laidOut() {
        return QTest::qWaitForWindowExposed(&chart) && QTest::qWaitFor([this] {
                   return chart.chart() && chart.chart()->plotArea().width() > 300 && !chart.redrawPending();
               });
    }
    void add(const QString& text) {
        const protocol::Sample s = poll(text);
        buffer.append(s);
        chart.sampleAdded(s.epochMs);
    }
    // Seconds after kBase as a position in the chart view.
    QPoint at(double seconds) const {
        return chart.viewPositionOf(kBase + qint64(seconds * 1000)).value_or(QPointF(-1, -1)).toPoint();
    }
    // The pointer moved over the chart, without a button. (QTest::mouseMove goes through the
    // platform's cursor, which offscreen lands some pixels off.)
    void pointAt(double seconds) {
        QWidget* viewport = chart.canvas()->viewport();
        const QPointF p = at(seconds);
        QMouseEvent move(QEvent::MouseMove, p, viewport->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QString cell(int row, int column) const { return chart.table()->item(row, column)->text(); }
    QString header(int column) const { return chart.table()->horizontalHeaderItem(column)->text(); }
};

// Lines as "s:v s:v | s:v" with s in seconds after kBase.
QString linesText(const QList<QList<QPointF>>& lines) {
    QStringList out;
    for (const QList<QPointF>& line : lines) {
        QStringList points;
        for (const QPointF& p : line)
            points << QStringLiteral("%1:%2").arg((p.x() - double(kBase)) / 1000).arg(p.y());
        out << points.join(' ');
    }
    return out.join(QStringLiteral(" | "));
}

} // namespace

class TestTrendChart : public QObject {
    Q_OBJECT
private slots:
    void drawnLines_data();
    void drawnLines();
    void axesByUnit_data();
    void axesByUnit();
    void statsOfTheView_data();
    void statsOfTheView();
    void cursorsPlacedWithTheMouse_data();
    void cursorsPlacedWithTheMouse();
    void wheelZoomsAndDragPans_data();
    void wheelZoomsAndDragPans();
    void drawsOnlyWhenSomethingChanged_data();
    void drawsOnlyWhenSomethingChanged();
    void nothingOfTheChartBeforeItShows();
};

void TestTrendChart::drawnLines_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("polls");
    QTest::addColumn<QString>("lines");
    QTest::newRow("polls joined by a line")
        << "PV" << QStringList{"0:PV=1", "2:PV=2", "4:PV=3"} << "0:1 2:2 4:3";
    QTest::newRow("a missed poll leaves a gap")
        << "PV" << QStringList{"0:PV=1", "2:PV=2", "4:!", "6:PV=4", "8:PV=5"} << "0:1 2:2 | 6:4 8:5";
    QTest::newRow("a lone answer between missed polls")
        << "PV" << QStringList{"0:PV=1", "2:!", "4:PV=3", "6:!", "8:PV=5"} << "0:1 | 4:3 | 8:5";
    QTest::newRow("a pause of more than two and a half polls")
        << "PV" << QStringList{"0:PV=1", "2:PV=2", "10:PV=3", "12:PV=4"} << "0:1 2:2 | 10:3 12:4";
    QTest::newRow("an alarm as steps")
        << "AL1" << QStringList{"0:AL1=0", "2:AL1=0", "4:AL1=1", "6:AL1=1", "8:AL1=0"}
        << "0:0 2:0 4:0 4:1 6:1 8:1 8:0";
    QTest::newRow("an alarm across a missed poll")
        << "AL1" << QStringList{"0:AL1=0", "2:AL1=1", "4:!", "6:AL1=1"} << "0:0 2:0 2:1 | 6:1";
}

void TestTrendChart::drawnLines() {
    QFETCH(QString, key);
    QFETCH(QStringList, polls);
    QFETCH(QString, lines);
    Shown s({kPV, kAL1});
    QVERIFY(s.laidOut());
    for (const QString& p : polls)
        s.add(p);
    s.chart.setRange(kBase, kBase + 60 * 1000);
    QCOMPARE(linesText(s.chart.drawnLines(key)), lines);
    // A line of one point shows as a dot, and only such a line.
    for (QAbstractSeries* series : s.chart.chart()->series()) {
        auto* line = static_cast<QLineSeries*>(series);
        if (line->count() > 0) QCOMPARE(line->pointsVisible(), line->count() == 1);
    }
}

void TestTrendChart::axesByUnit_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("axisTitle");
    QTest::addColumn<QString>("sharesWith"); // a key on the same axis, or empty
    QTest::addColumn<QString>("legend");
    QTest::newRow("set value shares the measured value's axis") << "SV"
                                                                << "℃"
                                                                << "PV"
                                                                << "设定值 (℃)";
    QTest::newRow("output on an axis of its own") << "MV"
                                                  << "%"
                                                  << ""
                                                  << "输出 (%)";
    QTest::newRow("alarm on the flag axis") << "AL1"
                                            << ""
                                            << ""
                                            << "报警1";
}

void TestTrendChart::axesByUnit() {
    QFETCH(QString, key);
    QFETCH(QString, axisTitle);
    QFETCH(QString, sharesWith);
    QFETCH(QString, legend);
    Shown s({kPV, kSV, kMV, kAL1});
    QVERIFY(s.laidOut());
    QValueAxis* axis = s.chart.valueAxisOf(key);
    QVERIFY(axis);
    QCOMPARE(axis->titleText(), axisTitle);
    for (const QString& other :
         {QStringLiteral("PV"), QStringLiteral("SV"), QStringLiteral("MV"), QStringLiteral("AL1")})
        if (other != key) QCOMPARE(s.chart.valueAxisOf(other) == axis, other == sharesWith);
    QStringList names;
    for (QAbstractSeries* series : s.chart.chart()->series())
        if (!series->name().isEmpty()) names << series->name();
    QVERIFY2(names.contains(legend), qPrintable(names.join(',')));
}

void TestTrendChart::statsOfTheView_data() {
    QTest::addColumn<qint64>("from"); // seconds after kBase; -1: following with a one-minute span
    QTest::addColumn<qint64>("to");
    QTest::addColumn<QString>("minMaxMean");
    QTest::newRow("last minute, following") << qint64(-1) << qint64(0) << "273.0 300.0 286.50";
    QTest::newRow("first minute, the missed poll left out") << qint64(0) << qint64(60) << "0.0 30.0 15.17";
    QTest::newRow("a stretch with a missed poll in it") << qint64(10) << qint64(70) << "5.0 35.0 20.33";
    QTest::newRow("nothing in view") << qint64(1000) << qint64(1100) << "— — —";
}

// Ten minutes of polls, PV = poll number, poll 10 (at 20 s) missed.
void TestTrendChart::statsOfTheView() {
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(QString, minMaxMean);
    Shown s({kPV});
    QVERIFY(s.laidOut());
    s.chart.setSpan(60 * 1000);
    for (int i = 0; i <= 300; ++i)
        s.add(i == 10 ? QStringLiteral("20:!") : QStringLiteral("%1:PV=%2").arg(2 * i).arg(i));
    if (from >= 0) s.chart.setRange(kBase + from * 1000, kBase + to * 1000);
    QCOMPARE(s.cell(0, TrendChart::MinColumn) + ' ' + s.cell(0, TrendChart::MaxColumn) + ' ' +
                 s.cell(0, TrendChart::MeanColumn),
             minMaxMean);
}

void TestTrendChart::cursorsPlacedWithTheMouse_data() {
    QTest::addColumn<QStringList>("clicks"); // seconds after kBase; "R" a right click
    QTest::addColumn<QString>("headers");    // A, B and B−A headers
    QTest::addColumn<QString>("pv");         // A, B and B−A of PV
    QTest::addColumn<QString>("alarm");      // A, B and B−A of AL1
    QTest::newRow("A, then B later") << QStringList{"10", "50"} << "A 14:00:10|B 14:00:50|B−A 00:00:40"
                                     << "2.5|12.5|+10.0"
                                     << "0|1|+1";
    QTest::newRow("B before A") << QStringList{"50", "10"} << "A 14:00:50|B 14:00:10|B−A -00:00:40"
                                << "12.5|2.5|-10.0"
                                << "1|0|-1";
    QTest::newRow("a third click moves A")
        << QStringList{"10", "50", "30"} << "A 14:00:30|B 14:00:50|B−A 00:00:20"
        << "7.5|12.5|+5.0"
        << "0|1|+1";
    QTest::newRow("a click between polls takes the nearest")
        << QStringList{"10.6", "49.3"} << "A 14:00:10|B 14:00:50|B−A 00:00:40"
        << "2.5|12.5|+10.0"
        << "0|1|+1";
    QTest::newRow("a cursor on a missed poll reads nothing")
        << QStringList{"10", "80"} << "A 14:00:10|B 14:01:20|B−A 00:01:10"
        << "2.5|—|—"
        << "0|—|—";
    QTest::newRow("a right click clears both") << QStringList{"10", "50", "R"} << "A|B|B−A"
                                               << "—|—|—"
                                               << "—|—|—";
}

// Two minutes of polls every 2 s: PV = poll number / 2, AL1 raised from poll 20 (40 s) on, poll 40
// (80 s) missed.
void TestTrendChart::cursorsPlacedWithTheMouse() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, headers);
    QFETCH(QString, pv);
    QFETCH(QString, alarm);
    Shown s({kPV, kAL1});
    QVERIFY(s.laidOut());
    for (int i = 0; i < 60; ++i)
        s.add(i == 40 ? QStringLiteral("80:!")
                      : QStringLiteral("%1:PV=%2,AL1=%3").arg(2 * i).arg(i / 2.0).arg(i >= 20 ? 1 : 0));
    s.chart.setRange(kBase, kBase + 120 * 1000);
    QWidget* viewport = s.chart.canvas()->viewport();
    for (const QString& click : clicks) {
        if (click == QLatin1String("R"))
            QTest::mouseClick(viewport, Qt::RightButton, {}, s.at(60));
        else
            QTest::mouseClick(viewport, Qt::LeftButton, {}, s.at(click.toDouble()));
    }
    const auto row = [&](int r) {
        return QStringList{s.cell(r, TrendChart::AColumn), s.cell(r, TrendChart::BColumn),
                           s.cell(r, TrendChart::DeltaColumn)}
            .join('|');
    };
    QCOMPARE(QStringList({s.header(TrendChart::AColumn), s.header(TrendChart::BColumn),
                          s.header(TrendChart::DeltaColumn)})
                 .join('|')
                 .replace('\n', ' '),
             headers);
    QCOMPARE(row(0), pv);
    QCOMPARE(row(1), alarm);
}

void TestTrendChart::wheelZoomsAndDragPans_data() {
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<double>("span");   // seconds afterwards
    QTest::addColumn<double>("centre"); // seconds after kBase afterwards
    QTest::addColumn<bool>("following");
    QTest::newRow("wheel towards the screen zooms in about the pointer")
        << "wheel 120 at 200" << 480.0 << 280.0 << false;
    QTest::newRow("drag while following stops following")
        << "follow, drag -50 from 300" << 600.0 << -1.0 << false;
    QTest::newRow("wheel while following keeps following")
        << "follow, wheel 120 at 300" << 480.0 << -1.0 << true;
}

// A view of ten minutes from 0 to 600 s.
void TestTrendChart::wheelZoomsAndDragPans() {
    QFETCH(QString, gesture);
    QFETCH(double, span);
    QFETCH(double, centre);
    QFETCH(bool, following);
    Shown s({kPV});
    QVERIFY(s.laidOut());
    for (int i = 0; i <= 300; ++i)
        s.add(QStringLiteral("%1:PV=%2").arg(2 * i).arg(i % 7));
    s.chart.setRange(kBase, kBase + 600 * 1000);
    QWidget* viewport = s.chart.canvas()->viewport();
    const double secondsPerPixel = 600.0 / s.chart.chart()->plotArea().width();
    QSignalSpy followingChanged(&s.chart, &TrendChart::followingChanged);
    const QStringList words = QString(gesture).remove(QStringLiteral("follow, ")).split(' ');
    if (gesture.startsWith(QLatin1String("follow"))) s.chart.followNewest();
    const qint64 fromBefore = s.chart.window().from();
    if (words[0] == QLatin1String("wheel")) {
        const QPointF at = s.at(words[3].toDouble());
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, words[1].toInt()), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    } else {
        const QPoint from = s.at(words[3].toDouble());
        const QPoint to = from + QPoint(words[1].toInt(), 0);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        // The view moved by the drag, against it.
        const double moved = double(s.chart.window().from() - fromBefore) / 1000;
        QVERIFY2(std::abs(moved + words[1].toInt() * secondsPerPixel) <= 2 * secondsPerPixel,
                 qPrintable(QString::number(moved)));
        QCOMPARE(s.chart.cursorA().has_value(), false); // a drag is no click
    }
    QCOMPARE(double(s.chart.window().span()) / 1000, span);
    if (centre >= 0) {
        const double got =
            double(s.chart.window().from() + s.chart.window().to()) / 2000 - double(kBase) / 1000;
        QVERIFY2(std::abs(got - centre) <= 2 * secondsPerPixel, qPrintable(QString::number(got)));
    }
    QCOMPARE(s.chart.window().following(), following);
    if (gesture.startsWith(QLatin1String("follow")) && !following)
        QCOMPARE(followingChanged.last().at(0).toBool(), false);
}

void TestTrendChart::drawsOnlyWhenSomethingChanged_data() {
    QTest::addColumn<QString>("view");   // "following", or "from..to" in seconds after kBase
    QTest::addColumn<QString>("action"); // a poll "s:PV=v", "point s" or "click s"
    QTest::addColumn<int>("draws");
    QTest::newRow("a poll while following") << "following"
                                            << "102:PV=1" << 1;
    QTest::newRow("a poll after a view held in the past") << "0..60"
                                                          << "102:PV=1" << 0;
    QTest::newRow("a poll inside a view held over it") << "70..130"
                                                       << "102:PV=1" << 1;
    QTest::newRow("the pointer moving") << "following"
                                        << "point 80" << 0;
    QTest::newRow("a cursor placed") << "following"
                                     << "click 80" << 0;
}

void TestTrendChart::drawsOnlyWhenSomethingChanged() {
    QFETCH(QString, view);
    QFETCH(QString, action);
    QFETCH(int, draws);
    Shown s({kPV});
    QVERIFY(s.laidOut());
    s.chart.setSpan(60 * 1000);
    for (int i = 0; i <= 50; ++i)
        s.add(QStringLiteral("%1:PV=%2").arg(2 * i).arg(i));
    if (view != QLatin1String("following"))
        s.chart.setRange(kBase + view.section("..", 0, 0).toLongLong() * 1000,
                         kBase + view.section("..", 1, 1).toLongLong() * 1000);
    const int before = s.chart.refreshCount();
    const QString where = action.section(' ', 1);
    if (action.startsWith(QLatin1String("point")))
        s.pointAt(where.toDouble());
    else if (action.startsWith(QLatin1String("click")))
        QTest::mouseClick(s.chart.canvas()->viewport(), Qt::LeftButton, {}, s.at(where.toDouble()));
    else
        s.add(action);
    QCOMPARE(s.chart.refreshCount() - before, draws);
    // The pointer and the cursor did what they do, without drawing the lines again.
    if (action.startsWith(QLatin1String("point"))) QVERIFY(s.chart.hoverTime().has_value());
    if (action.startsWith(QLatin1String("click"))) QVERIFY(s.chart.cursorA().has_value());
}

// Made, fed and sized but never shown: no chart object exists and nothing was drawn. Shown, it
// draws what it was fed.
void TestTrendChart::nothingOfTheChartBeforeItShows() {
    trends::TrendBuffer buffer;
    TrendChart chart;
    chart.resize(800, 500);
    chart.setSource(&buffer);
    chart.setSeries({kPV});
    chart.setSpan(60 * 1000);
    for (int i = 0; i < 10; ++i) {
        const protocol::Sample p = poll(QStringLiteral("%1:PV=%2").arg(2 * i).arg(i));
        buffer.append(p);
        chart.sampleAdded(p.epochMs);
    }
    QCOMPARE(chart.chart(), nullptr);
    QCOMPARE(chart.refreshCount(), 0);
    chart.show();
    QVERIFY(chart.chart());
    QCOMPARE(chart.refreshCount(), 1);
    QCOMPARE(linesText(chart.drawnLines(QStringLiteral("PV"))),
             QStringLiteral("0:0 2:1 4:2 6:3 8:4 10:5 12:6 14:7 16:8 18:9"));
}

QTEST_MAIN(TestTrendChart)
#include "test_trend_chart.moc"
