// The lines a poll prints: JSON and CSV for accepted samples, and the operator's lines about
// instruments that stop and start answering.
#include "cli/answer_report.h"
#include "cli/sample_lines.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace cli;
using protocol::Reading;
using protocol::Sample;

namespace {

const QTimeZone kPlus8 = QTimeZone(8 * 3600);
constexpr qint64 kT0 = 1714536000123; // 2024-05-01T04:00:00.123Z

Sample accepted(int address, int type, protocol::Readings readings, QString model = QStringLiteral("M")) {
    return Sample{kT0, address, type, model, std::move(readings), QString()};
}
Sample missed(int address) {
    return Sample{kT0, address, -1, QString(), {}, QStringLiteral("no reply")};
}

} // namespace

class TestSampleLines : public QObject {
    Q_OBJECT
private slots:
    void json_data() {
        QTest::addColumn<Sample>("sample");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("readings in table order, decode's numbers")
            << accepted(7, 2, {{"PV", "", "", 1, 25.7f}, {"AL1", "", "", 0, 1}})
            << QByteArray(
                   "{\"time\":\"2024-05-01T12:00:00.123+08:00\",\"address\":7,\"type\":2,\"model\":\"M\","
                   "\"readings\":{\"PV\":25.7,\"AL1\":1}}"
                   "\n");
        QTest::newRow("model with quotes and Chinese escaped as JSON")
            << accepted(255, 0x96, {}, QStringLiteral("表\"x\""))
            << QByteArray("{\"time\":\"2024-05-01T12:00:00.123+08:00\",\"address\":255,\"type\":150,"
                          "\"model\":\"表\\\"x\\\"\","
                          "\"readings\":{}}"
                          "\n");
        QTest::newRow("a value no field can hold is null")
            << accepted(1, 2, {{"PV", "", "", 1, qQNaN()}})
            << QByteArray(
                   "{\"time\":\"2024-05-01T12:00:00.123+08:00\",\"address\":1,\"type\":2,\"model\":\"M\","
                   "\"readings\":{\"PV\":null}}"
                   "\n");
    }
    void json() {
        QFETCH(Sample, sample);
        QFETCH(QByteArray, line);
        QCOMPARE(jsonLine(sample, kPlus8), line);
        QVERIFY(!QJsonDocument::fromJson(line).isNull());
    }

    void csv_data() {
        QTest::addColumn<QList<Sample>>("samples");
        QTest::addColumn<QByteArray>("text");
        const Sample a = accepted(1, 2, {{"PV", "", "", 1, 25.5}, {"AL1", "", "", 0, 0}});
        const Sample b = accepted(2, 10, {{"MV", "", "", 1, 3}}, QStringLiteral("a,b"));
        QTest::newRow("one header per type, types interleaved")
            << QList<Sample>{a, b, a}
            << QByteArray("time,address,type,model,PV,AL1\n"
                          "2024-05-01T12:00:00.123+08:00,1,2,M,25.5,0\n"
                          "time,address,type,model,MV\n"
                          "2024-05-01T12:00:00.123+08:00,2,10,\"a,b\",3\n"
                          "2024-05-01T12:00:00.123+08:00,1,2,M,25.5,0\n");
        QTest::newRow("quotes doubled inside a quoted field")
            << QList<Sample>{accepted(3, 4, {}, QStringLiteral("x\"y"))}
            << QByteArray("time,address,type,model\n2024-05-01T12:00:00.123+08:00,3,4,\"x\"\"y\"\n");
    }
    void csv() {
        QFETCH(QList<Sample>, samples);
        QFETCH(QByteArray, text);
        CsvLines lines(kPlus8);
        QByteArray out;
        for (const Sample& s : samples)
            out += lines.linesFor(s);
        QCOMPARE(out, text);
    }

    void answerReport_data() {
        QTest::addColumn<QList<Sample>>("samples");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("never answers: told once after three misses")
            << QList<Sample>{missed(9), missed(9), missed(9), missed(9), missed(9)}
            << QStringList{"Address 9 does not answer (no reply)"};
        QTest::newRow("answering all along: nothing")
            << QList<Sample>{accepted(1, 2, {}), accepted(1, 2, {})} << QStringList{};
        QTest::newRow("one lost reply: nothing")
            << QList<Sample>{accepted(1, 2, {}), missed(1), accepted(1, 2, {})} << QStringList{};
        QTest::newRow("stops, then comes back")
            << QList<Sample>{accepted(1, 2, {}), missed(1), missed(1),
                             missed(1),          missed(1), accepted(1, 2, {})}
            << QStringList{"Address 1 stopped answering (no reply)", "Address 1 answers again"};
        QTest::newRow("one address quiet, the other unaffected")
            << QList<Sample>{accepted(1, 2, {}), missed(2),          accepted(1, 2, {}),
                             missed(2),          accepted(1, 2, {}), missed(2)}
            << QStringList{"Address 2 does not answer (no reply)"};
        QTest::newRow("never answered, then does: told when it does")
            << QList<Sample>{missed(4), missed(4), missed(4), accepted(4, 2, {})}
            << QStringList{"Address 4 does not answer (no reply)", "Address 4 answers again"};
    }
    void answerReport() {
        QFETCH(QList<Sample>, samples);
        QFETCH(QStringList, lines);
        AnswerReport report(3);
        QStringList out;
        for (const Sample& s : samples)
            if (const QString line = report.update(s); !line.isEmpty()) out << line;
        QCOMPARE(out, lines);
    }
};

QTEST_GUILESS_MAIN(TestSampleLines)
#include "test_sample_lines.moc"
