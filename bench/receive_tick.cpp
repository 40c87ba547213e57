// What one receive tick of the diagnosis window costs, for a full reply of every instrument type:
// the engine and poll cycle's part (read, cut, check, dispatch, view; with the send tick that
// asked for the reply), the same with a traffic listener attached, the send tick alone, the tick
// repeated on the reply already in the reader (what 24 of every 25 ticks do), and the panel
// widget showing the result.
// Run with -median 9 for a stable figure.
#include "diagnosis/panel/panel_widget.h"
#include "diagnosis/poll_cycle.h"
#include "engine/poll_engine.h"
#include "fake_link.h"
#include "tools/sim/reply_builder.h"
#include "views/instrument_types.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Counts what it hears, as a cheap listener would.
struct CountingListener final : engine::TrafficListener {
    void onTraffic(const engine::TrafficEvent& event) override { bytes += event.bytes.size(); }
    qint64 bytes = 0;
};

struct Bench {
    FakeLink link;
    PollCycle cycle{&views::viewForCode};
    engine::PollEngine engine{link};
    QByteArray reply;

    explicit Bench(const views::InstrumentType& entry) {
        QRandomGenerator random(1);
        reply = sim::buildReply(entry.code, 1, sim::Moment::fixedValues(), random);
        Instrument instrument;
        instrument.address = 1;
        instrument.typeCode = entry.code;
        instrument.addressText = "01";
        cycle.begin(instrument);
        views::layoutForModel(entry.model, cycle.panel());
        link.open();
        engine.start(cycle, engine::kTicksByHand);
        engine.sendTick();
    }

    // A request, and its reply arriving whole in the next receive tick.
    void arrivingTick() {
        engine.sendTick();
        link.written.clear();
        link.input = reply;
        engine.receiveTick();
    }
};

} // namespace

// One row per catalogue type, named by its code and view.
void addTypeRows() {
    QTest::addColumn<int>("code");
    for (const auto& entry : views::instrumentTypes())
        QTest::newRow(
            qPrintable(QStringLiteral("%1 %2").arg(entry.code, 2, 16, QLatin1Char('0')).arg(entry.viewName)))
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
        QBENCHMARK {
            bench.arrivingTick();
        }
    }

    void replyHeard_data() { addTypeRows(); }
    void replyHeard() {
        QFETCH(int, code);
        Bench bench(*views::typeForCode(code));
        CountingListener listener;
        bench.engine.addListener(&listener);
        bench.arrivingTick();
        QVERIFY(listener.bytes > 0);
        QBENCHMARK {
            bench.arrivingTick();
        }
    }

    // The send tick alone, to be taken off the two above for the receive tick's own cost.
    void requestSent_data() { addTypeRows(); }
    void requestSent() {
        QFETCH(int, code);
        Bench bench(*views::typeForCode(code));
        QBENCHMARK {
            bench.engine.sendTick();
            bench.link.written.clear();
        }
    }

    void replyRepeated_data() { addTypeRows(); }
    void replyRepeated() {
        QFETCH(int, code);
        Bench bench(*views::typeForCode(code));
        bench.arrivingTick();
        QBENCHMARK {
            bench.engine.receiveTick();
        }
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
            bench.engine.receiveTick();
            widget.render(bench.cycle.panel());
        }
    }
};

QTEST_MAIN(BenchReceiveTick)
#include "receive_tick.moc"
