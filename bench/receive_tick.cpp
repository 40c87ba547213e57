// What one receive tick of the diagnosis window costs, for a full reply of every instrument type:
// the poll cycle's part (read, cut, check, dispatch, view), the same tick repeated on the reply
// already in the buffer (what 24 of every 25 ticks do), and the panel widget showing the result.
// Run with -median 9 for a stable figure.
#include "diagnosis/panel/panel_widget.h"
#include "diagnosis/poll_cycle.h"
#include "fake_link.h"
#include "search/instrument_list.h"
#include "tools/sim/reply_builder.h"
#include "views/instrument_types.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

struct Bench {
    FakeLink link;
    protocol::LineTexts line;
    InstrumentList list;
    PollCycle cycle{link, line, list, &views::viewForCode};
    QByteArray reply;

    explicit Bench(const views::InstrumentType& entry) {
        QRandomGenerator random(1);
        reply = sim::buildReply(entry.code, 1, sim::Moment::fixedValues(), random);
        list.setText(1, InstrumentList::kAddressColumn, QStringLiteral("0001（0x01H）"));
        list.setText(1, InstrumentList::kTypeColumn, entry.model);
        cycle.begin();
        views::layoutForModel(entry.model, cycle.panel());
        cycle.sendTick();
    }

    // The reply arrives whole in this tick.
    void arrivingTick() {
        line.receiveBuffer.clear();
        link.input = reply;
        cycle.receiveTick();
    }
};

} // namespace

// One row per catalogue type, named by its code and view.
void addTypeRows() {
    QTest::addColumn<int>("code");
    for (const auto& entry : views::instrumentTypes())
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(entry.code, 2, 16, QLatin1Char('0')).arg(entry.viewName)))
            << entry.code;
}

class BenchReceiveTick : public QObject {
    Q_OBJECT
private slots:
    void replyArrives_data() { addTypeRows(); }
    void replyArrives() {
        QFETCH(int, code);
        Bench bench(*views::typeForCode(code));
        const panel::PanelModel laidOut = bench.cycle.panel();
        bench.arrivingTick();
        QVERIFY(bench.cycle.panel() != laidOut); // the tick reached the view: it measures the whole path
        QBENCHMARK { bench.arrivingTick(); }
    }

    void replyRepeated_data() { addTypeRows(); }
    void replyRepeated() {
        QFETCH(int, code);
        Bench bench(*views::typeForCode(code));
        bench.arrivingTick();
        QBENCHMARK { bench.cycle.receiveTick(); }
    }

    void tickWithRender_data() { addTypeRows(); }
    void tickWithRender() {
        QFETCH(int, code);
        Bench bench(*views::typeForCode(code));
        panel::PanelWidget widget(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
        widget.resize(widget.preferredSize());
        widget.show();
        bench.arrivingTick();
        widget.render(bench.cycle.panel());
        QBENCHMARK {
            bench.cycle.receiveTick();
            widget.render(bench.cycle.panel());
        }
    }
};

QTEST_MAIN(BenchReceiveTick)
#include "receive_tick.moc"
