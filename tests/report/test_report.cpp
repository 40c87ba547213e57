// The commissioning report: what it keeps of the diagnosis, what its text says, and that the PDF
// it prints carries that text (read back with pdftotext).
#include "report/last_readings.h"
#include "report/report_html.h"
#include "report/report_print.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

Instrument instrument(int address, int typeCode) {
    Instrument i;
    i.address = address;
    i.typeCode = typeCode;
    i.addressText = i.requestField();
    i.roundTripMs = 35;
    i.foundAt = QDateTime(QDate(2026, 5, 6), QTime(9, 30, 0));
    return i;
}

protocol::Reading reading(const char* key, const char* label, const char* unit, int decimals, double value) {
    return {QString::fromLatin1(key), QString::fromUtf8(label), QString::fromUtf8(unit), decimals, value};
}

const QDateTime kAt(QDate(2026, 5, 6), QTime(10, 0, 5));

report::ReportContent sample() {
    report::ReportContent c;
    c.printedAt = QDateTime(QDate(2026, 5, 6), QTime(16, 45, 12));
    c.portNumber = 3;
    c.baudRate = 19200;
    c.instruments = {instrument(31, 0x02), instrument(7, 0xEE)};
    c.readings = {{instrument(31, 0x02),
                   kAt,
                   {reading("PV", "测量值", "℃", 1, 123.4), reading("AL1", "报警1", "", 0, 1)}}};
    return c;
}

QString plainText(const QString& html) {
    QTextDocument d;
    d.setHtml(html);
    return d.toPlainText();
}

} // namespace

Q_DECLARE_METATYPE(report::ReportContent)

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void keepsLastReadings_data() {
        QTest::addColumn<QList<int>>("addresses"); // recorded in this order; negative: empty readings
        QTest::addColumn<QList<double>>("values"); // the value kept per address, lowest address first
        QTest::newRow("one instrument polled twice keeps the later") << QList<int>{5, 5} << QList<double>{2};
        QTest::newRow("two instruments, by address") << QList<int>{9, 2} << QList<double>{2, 1};
        QTest::newRow("a poll with no reply keeps the earlier") << QList<int>{4, -4} << QList<double>{1};
        QTest::newRow("nothing read yet") << QList<int>{-4} << QList<double>{};
    }
    void keepsLastReadings() {
        QFETCH(QList<int>, addresses);
        QFETCH(QList<double>, values);
        report::LastReadings last;
        for (int i = 0; i < addresses.size(); ++i) {
            const int a = addresses[i];
            const protocol::Readings readings =
                a < 0 ? protocol::Readings{} : protocol::Readings{reading("PV", "测量值", "", 0, i + 1)};
            last.record(instrument(qAbs(a), 0x02), readings, kAt.addSecs(i));
        }
        const std::vector<report::InstrumentReadings> all = last.all();
        QCOMPARE(int(all.size()), values.size());
        for (int i = 0; i < values.size(); ++i) {
            QCOMPARE(all[i].readings.front().value, values[i]);
            if (i > 0) QVERIFY(all[i].instrument.address > all[i - 1].instrument.address);
        }
    }

    // Each part of the report, as a reader sees it in the laid-out text.
    void reportText_data() {
        QTest::addColumn<report::ReportContent>("content");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const report::ReportContent full = sample();
        QTest::newRow("heading, time, port and rate")
            << full << QStringList{"仪表调试报告", "日期时间：2026-05-06 16:45:12", "通讯口：COM3，19200bps"}
            << QStringList{};
        QTest::newRow("every listed instrument")
            << full << QStringList{"0031（0x1FH）", "LED系列——四位双报警单显表", "0007（0x07H）",
                                   "未知类型 EE",   "2026-05-06 09:30:00",       "35"}
            << QStringList{};
        QTest::newRow("readings with label, decimals and unit")
            << full << QStringList{"读取时间 2026-05-06 10:00:05", "测量值\n123.4\n℃", "报警1\n1"}
            << QStringList{"本次运行没有诊断过仪表"};
        report::ReportContent empty = full;
        empty.instruments.clear();
        empty.readings.clear();
        QTest::newRow("nothing found, nothing diagnosed")
            << empty << QStringList{"列表中没有仪表。", "本次运行没有诊断过仪表。"} << QStringList{"测量值"};
        report::ReportContent markup = full;
        markup.readings.front().readings = {reading("X", "<b>&", "m<", 2, 0.5)};
        QTest::newRow("markup in a label is text")
            << markup << QStringList{"<b>&\n0.50\nm<"} << QStringList{};
    }
    void reportText() {
        QFETCH(report::ReportContent, content);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QString text = plainText(report::reportHtml(content));
        for (const QString& p : present)
            QVERIFY2(text.contains(p), qPrintable(p + QStringLiteral(" not in:\n") + text));
        for (const QString& a : absent)
            QVERIFY2(!text.contains(a), qPrintable(a));
    }

    // The printed PDF, read back as text, says what the report says.
    void pdfCarriesTheText() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QFAIL("pdftotext is missing; tools/install-deps.sh installs it");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("报告.pdf"));
        QCOMPARE(report::printHtmlToPdf(report::reportHtml(sample()), pdf), QString());
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const char* expected : {"仪表调试报告", "COM3，19200bps", "2026-05-06 16:45:12", "0031（0x1FH）",
                                     "LED系列——四位双报警单显表", "测量值", "123.4", "℃", "未知类型 EE"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)),
                     qPrintable(QString::fromUtf8(expected) + "\n" + text));
    }

    void pdfToUnwritablePlaceIsReported() {
        QTemporaryDir dir;
        const QString problem = report::printHtmlToPdf(report::reportHtml(sample()),
                                                       dir.filePath(QStringLiteral("no/such/r.pdf")));
        QVERIFY(problem.startsWith(QStringLiteral("无法写入文件")));
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
