// The instrument list: instruments as data, their cells as the grid shows them, rows as the grid
// counts them. Emptying it is tested with the commands that do it, in the main window and the
// list window.
#include "search/instrument_list.h"

#include <QSignalSpy>
#include <QTest>

namespace {

Instrument instrument(int address, int typeCode, const QByteArray& addressText) {
    Instrument i;
    i.address = address;
    i.typeCode = typeCode;
    i.addressText = addressText;
    return i;
}

} // namespace

class TestInstrumentList : public QObject {
    Q_OBJECT
private slots:
    void freshListHasHeaderAndOneEmptyRow();
    void cells_data();
    void cells();
    void modelShowsDataRowsOnly();
    void outsideTheDataRows_data();
    void outsideTheDataRows();
    void currentRowStaysOnDataRows_data();
    void currentRowStaysOnDataRows();
};

void TestInstrumentList::freshListHasHeaderAndOneEmptyRow() {
    InstrumentList list;
    QCOMPARE(list.rows(), 2);
    QCOMPARE(list.currentRow(), 1);
    QVERIFY(!list.currentInstrument());
    const QStringList header{list.text(0, 0), list.text(0, 1), list.text(0, 2), list.text(0, 3)};
    QCOMPARE(header, (QStringList{"序 号", "地 址", "仪 表 类 型", "备  注"}));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(list.text(1, c), QString());
}

void TestInstrumentList::cells_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QByteArray>("addressText");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("frequency meter at 31 in row 2")
        << 2 << 31 << 0x16 << QByteArray("1F") << QStringList{"2", "0031（0x1FH）", "LED系列——频率表", ""};
    QTest::newRow("address 0") << 1 << 0 << 0x02 << QByteArray("00")
                               << QStringList{"1", "0000（0x00H）", "LED系列——四位双报警单显表", ""};
    QTest::newRow("address characters as the reply carried them")
        << 1 << 255 << 0x8A << QByteArray("ff")
        << QStringList{"1", "0255（0xffH）", "LCD系列——PID控制仪", ""};
    QTest::newRow("unlisted type, empty type cell")
        << 1 << 1 << 0x0C << QByteArray("01") << QStringList{"1", "0001（0x01H）", "", ""};
}

void TestInstrumentList::cells() {
    QFETCH(int, row);
    QFETCH(int, address);
    QFETCH(int, typeCode);
    QFETCH(QByteArray, addressText);
    QFETCH(QStringList, cells);
    InstrumentList list;
    list.addRow();
    list.setInstrument(row, instrument(address, typeCode, addressText));
    QStringList shown;
    for (int c = 0; c < 4; ++c)
        shown << list.text(row, c);
    QCOMPARE(shown, cells);
    QCOMPARE(list.text(row, -1), QString());
    QCOMPARE(list.text(row, 4), QString());
    QCOMPARE(list.addressCell(row), cells[1]);
    QCOMPARE(list.typeCell(row), cells[2]);
    QCOMPARE(list.instrument(row)->address, address);
}

void TestInstrumentList::modelShowsDataRowsOnly() {
    InstrumentList list;
    list.addRow();
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    list.setInstrument(2, instrument(31, 0x16, "1F"));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.columnCount(), 4);
    QCOMPARE(list.data(list.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("0031（0x1FH）"));
    QCOMPARE(list.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("仪 表 类 型"));
    QCOMPARE(list.data(list.index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), list.index(1, 0));
    // Writing the same instrument again tells the grid nothing.
    list.setInstrument(2, instrument(31, 0x16, "1F"));
    QCOMPARE(changed.size(), 1);
}

void TestInstrumentList::outsideTheDataRows_data() {
    QTest::addColumn<int>("row");
    QTest::newRow("header row") << 0;
    QTest::newRow("row below the last") << 2;
    QTest::newRow("negative row") << -1;
}

void TestInstrumentList::outsideTheDataRows() {
    QFETCH(int, row);
    InstrumentList list;
    QStringList before;
    for (int c = 0; c < 4; ++c)
        before << list.text(row, c);
    list.setInstrument(row, instrument(1, 0x16, "01"));
    QStringList after;
    for (int c = 0; c < 4; ++c)
        after << list.text(row, c);
    QCOMPARE(after, before);
    QCOMPARE(list.rows(), 2);
    QVERIFY(!list.instrument(row));
    QVERIFY(!list.instrument(1));
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
    list.setInstrument(3, instrument(3, 0x16, "03"));
    QSignalSpy changed(&list, &InstrumentList::currentRowChanged);
    list.setCurrentRow(asked);
    QCOMPARE(list.currentRow(), current);
    QCOMPARE(changed.size(), current == 1 ? 0 : 1);
    QCOMPARE(list.currentInstrument() != nullptr, current == 3);
}

QTEST_GUILESS_MAIN(TestInstrumentList)
#include "test_instrument_list.moc"
