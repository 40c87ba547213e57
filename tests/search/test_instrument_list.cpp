// The instrument list: rows as the grid counts them, and the model the grid shows. Emptying it is
// tested with the commands that do it, in the main window and the list window.
#include "search/instrument_list.h"

#include <QSignalSpy>
#include <QTest>

class TestInstrumentList : public QObject {
    Q_OBJECT
private slots:
    void freshListHasHeaderAndOneEmptyRow();
    void modelShowsDataRowsOnly();
    void outsideTheGrid_data();
    void outsideTheGrid();
    void currentRowStaysOnDataRows_data();
    void currentRowStaysOnDataRows();
};

void TestInstrumentList::freshListHasHeaderAndOneEmptyRow() {
    InstrumentList list;
    QCOMPARE(list.rows(), 2);
    QCOMPARE(list.currentRow(), 1);
    for (int c = 0; c < 4; ++c) QCOMPARE(list.text(1, c), QString());
}

void TestInstrumentList::modelShowsDataRowsOnly() {
    InstrumentList list;
    list.addRow();
    list.setText(2, 1, QStringLiteral("0031（0x1FH）"));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.columnCount(), 4);
    QCOMPARE(list.data(list.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("0031（0x1FH）"));
    QCOMPARE(list.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("仪 表 类 型"));
    QCOMPARE(list.data(list.index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

    QSignalSpy header(&list, &QAbstractItemModel::headerDataChanged);
    list.setText(0, 0, QStringLiteral("No."));
    QCOMPARE(header.size(), 1);
    QCOMPARE(list.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("No."));
}

void TestInstrumentList::outsideTheGrid_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("row below the last") << 2 << 0;
    QTest::newRow("negative row") << -1 << 1;
    QTest::newRow("column 4") << 1 << 4;
    QTest::newRow("negative column") << 1 << -1;
}

void TestInstrumentList::outsideTheGrid() {
    QFETCH(int, row);
    QFETCH(int, col);
    InstrumentList list;
    list.setText(row, col, QStringLiteral("x"));
    QCOMPARE(list.text(row, col), QString());
    QCOMPARE(list.rows(), 2);
    for (int c = 0; c < 4; ++c) QCOMPARE(list.text(1, c), QString());
}

void TestInstrumentList::currentRowStaysOnDataRows_data() {
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("current");
    QTest::newRow("last data row") << 3 << 3;
    QTest::newRow("header row refused") << 0 << 1;
    QTest::newRow("beyond the last row refused") << 4 << 1;
}

void TestInstrumentList::currentRowStaysOnDataRows() {
    QFETCH(int, asked);
    QFETCH(int, current);
    InstrumentList list;
    list.addRow();
    list.addRow();
    QSignalSpy changed(&list, &InstrumentList::currentRowChanged);
    list.setCurrentRow(asked);
    QCOMPARE(list.currentRow(), current);
    QCOMPARE(changed.size(), current == 1 ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestInstrumentList)
#include "test_instrument_list.moc"
