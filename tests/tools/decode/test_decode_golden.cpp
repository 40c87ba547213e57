// The panel that commtest-decode prints, for every reply of the receive fuzzer's seed corpus and
// for cut-off and garbled replies of every type, compared with what an earlier build printed:
// each frame once, and each frame 25 times as the receive ticks between two requests hand it over.
//
// golden/corpus_panels.txt holds, per run, what changed from one printed line to the next (the
// first line against the panel as designed): the members of the line whose value differs, and of
// "controls" only the controls that differ, in full. Runs of identical lines are counted, not
// repeated. COMMTEST_WRITE_GOLDEN=<file> writes what this build prints there instead of comparing.
#include "decode_session.h"
#include "panel_json.h"

#include <QFile>
#include <QJsonDocument>
#include <QTest>

namespace {

const QString kGoldenDir = QStringLiteral(COMMTEST_GOLDEN_DIR);
constexpr int kPagingRepeats = 25;

struct Run {
    QString name;  // corpus file the frames came from
    QString model; // layout chosen before the first frame; empty: the first frame's type chooses
    QList<QByteArray> frames;
};

QList<Run> readRuns(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    QList<Run> runs;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().chopped(1);
        if (line.startsWith('#') || line.isEmpty()) continue;
        const QList<QByteArray> cols = line.split('\t');
        if (cols.size() != 3) qFatal("bad line in %s: %s", qPrintable(path), line.constData());
        const QString name = QString::fromUtf8(cols[0]);
        if (runs.isEmpty() || runs.last().name != name)
            runs.append({name, cols[1] == "-" ? QString() : QString::fromUtf8(cols[1]), {}});
        runs.last().frames << QByteArray::fromPercentEncoding(cols[2]);
    }
    return runs;
}

// The members of `now` that differ from `was`; "controls" narrowed to the controls that differ.
QJsonObject delta(const QJsonObject& was, const QJsonObject& now) {
    QJsonObject out;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (was.value(it.key()) == it.value()) continue;
        if (it.key() != QLatin1String("controls")) {
            out.insert(it.key(), it.value());
            continue;
        }
        const QJsonObject before = was.value(it.key()).toObject();
        QJsonObject changed;
        const QJsonObject after = it.value().toObject();
        for (auto c = after.begin(); c != after.end(); ++c)
            if (before.value(c.key()) != c.value()) changed.insert(c.key(), c.value());
        out.insert(it.key(), changed);
    }
    return out;
}

// "<name> <mode>", then one line per distinct change: "<first frame>[-<last frame>] <delta>".
QStringList printRun(const Run& run, int repeats) {
    decode::DecodeSession session;
    if (!run.model.isEmpty() && !session.layOutFor(run.model))
        return {QStringLiteral("%1: unknown model %2").arg(run.name, run.model)};
    QStringList out{QStringLiteral("%1 x%2").arg(run.name).arg(repeats)};
    QJsonObject previous = decode::frameJson(decode::FrameOutcome{}, 0, panel::PanelModel::design());
    QByteArray pending;
    int first = 0, count = 0;
    const auto flush = [&] {
        if (count == 0) return;
        const QString range =
            count == 1 ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(first + count - 1);
        out << range + QLatin1Char(' ') + QString::fromUtf8(pending);
    };
    int number = 0;
    for (const QByteArray& frame : run.frames) {
        for (int i = 0; i < repeats; ++i) {
            ++number;
            const decode::FrameOutcome outcome = session.handle(frame);
            const QJsonObject line = decode::frameJson(outcome, session.tn(), session.panel());
            const QByteArray change = QJsonDocument(delta(previous, line)).toJson(QJsonDocument::Compact);
            previous = line;
            if (count > 0 && change == pending) {
                ++count;
                continue;
            }
            flush();
            pending = change;
            first = number;
            count = 1;
        }
    }
    flush();
    return out;
}

QString printAll() {
    QStringList out;
    for (const Run& run : readRuns(kGoldenDir + QStringLiteral("/corpus_frames.txt")))
        out << printRun(run, 1) << printRun(run, kPagingRepeats);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

class TestDecodeGolden : public QObject {
    Q_OBJECT

private slots:
    void panelsAsBefore();
};

void TestDecodeGolden::panelsAsBefore() {
    const QString printed = printAll();
    const QString target = qEnvironmentVariable("COMMTEST_WRITE_GOLDEN");
    if (!target.isEmpty()) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(printed.toUtf8()), qint64(printed.toUtf8().size()));
        QSKIP("golden file written, nothing compared");
    }
    QFile file(kGoldenDir + QStringLiteral("/corpus_panels.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = printed.split(QLatin1Char('\n'));
    // The first line that differs, under the heading of its run, so that a failure names the frame.
    QString heading;
    for (int i = 0; i < qMin(expected.size(), actual.size()); ++i) {
        if (!expected[i].isEmpty() && !expected[i].at(0).isDigit()) heading = expected[i];
        if (actual[i] != expected[i])
            QFAIL(qPrintable(QStringLiteral("%1, line %2:\n   actual: %3\n expected: %4")
                                 .arg(heading)
                                 .arg(i + 1)
                                 .arg(actual[i], expected[i])));
    }
    QCOMPARE(actual.size(), expected.size());
}

QTEST_APPLESS_MAIN(TestDecodeGolden)
#include "test_decode_golden.moc"
