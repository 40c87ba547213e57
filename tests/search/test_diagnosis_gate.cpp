// The checks before the diagnosis window opens.
#include "recording_sink.h"
#include "scanned_list.h"
#include "search/diagnosis_gate.h"
#include "search/instrument_list.h"

#include <QTest>

class TestDiagnosisGate : public QObject {
    Q_OBJECT
private slots:
    void gate_data();
    void gate();
};

void TestDiagnosisGate::gate_data() {
    QTest::addColumn<QList<int>>("typeCodes"); // one per data row; -1: an empty row
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("message"); // "title|text"; empty: opens

    const QString none = QStringLiteral("错误|未搜索到仪表");
    const QString unknown = QStringLiteral("未知设备|无法显示实时数据");
    QTest::newRow("before any search") << QList<int>{-1} << 1 << none;
    QTest::newRow("unlisted type") << QList<int>{0x0C} << 1 << unknown;
    QTest::newRow("listed instrument") << QList<int>{0x16} << 1 << QString();
    QTest::newRow("second row chosen") << QList<int>{0x0C, 0x16} << 2 << QString();
    QTest::newRow("first row chosen, unlisted") << QList<int>{0x0C, 0x16} << 1 << unknown;
}

void TestDiagnosisGate::gate() {
    QFETCH(QList<int>, typeCodes);
    QFETCH(int, current);
    QFETCH(QString, message);
    InstrumentList list;
    fillScannedList(list, typeCodes, current);
    RecordingSink sink;
    QCOMPARE(checkDiagnosable(list, sink, nullptr), message.isEmpty());
    QCOMPARE(sink.lines(), message.isEmpty() ? QStringList() : QStringList{message});
}

QTEST_GUILESS_MAIN(TestDiagnosisGate)
#include "test_diagnosis_gate.moc"
