// The checks before the diagnosis window opens.
#include "recording_sink.h"
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
    QTest::addColumn<QStringList>("addressCells"); // one per data row
    QTest::addColumn<QStringList>("typeCells");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("message"); // "title|text"; empty: opens

    const QString address = QStringLiteral("0031（0x1FH）");
    const QString frequency = QStringLiteral("LED系列——频率表");
    const QString none = QStringLiteral("错误|未搜索到仪表");
    const QString unknown = QStringLiteral("未知设备|无法显示实时数据");
    QTest::newRow("before any search") << QStringList{""} << QStringList{""} << 1 << none;
    QTest::newRow("type without address") << QStringList{""} << QStringList{frequency} << 1 << none;
    QTest::newRow("unlisted type") << QStringList{address} << QStringList{""} << 1 << unknown;
    QTest::newRow("listed instrument") << QStringList{address} << QStringList{frequency} << 1 << QString();
    QTest::newRow("second row chosen")
        << QStringList{address, "0002（0x02H）"} << QStringList{"", frequency} << 2 << QString();
    QTest::newRow("first row chosen, unlisted")
        << QStringList{address, "0002（0x02H）"} << QStringList{"", frequency} << 1 << unknown;
}

void TestDiagnosisGate::gate() {
    QFETCH(QStringList, addressCells);
    QFETCH(QStringList, typeCells);
    QFETCH(int, current);
    QFETCH(QString, message);
    InstrumentList list;
    for (int r = 1; r <= addressCells.size(); ++r) {
        if (r > 1) list.addRow();
        list.setText(r, 1, addressCells[r - 1]);
        list.setText(r, 2, typeCells[r - 1]);
    }
    list.setCurrentRow(current);
    RecordingSink sink;
    QCOMPARE(checkDiagnosable(list, sink, nullptr), message.isEmpty());
    QCOMPARE(sink.lines(), message.isEmpty() ? QStringList() : QStringList{message});
}

QTEST_GUILESS_MAIN(TestDiagnosisGate)
#include "test_diagnosis_gate.moc"
