// The list window: its grid, the choice of a row and the double-click that asks for diagnosis.
#include "link/window_placement.h"
#include "search/index_window.h"
#include "search/instrument_list.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

namespace {

void fill(InstrumentList& list, int rows) {
    for (int r = 1; r <= rows; ++r) {
        if (r > 1) list.addRow();
        Instrument found;
        found.address = r;
        found.typeCode = 0x16;
        found.addressText = QByteArray::number(r, 16).rightJustified(2, '0');
        list.setInstrument(r, found);
    }
}

QPoint cellCentre(QTableView* grid, int modelRow, int col) {
    return grid->visualRect(grid->model()->index(modelRow, col)).center();
}

// A place on the grid by name: the widget that receives the mouse there, and the point in it.
std::pair<QWidget*, QPoint> place(QTableView* grid, const QString& where) {
    QHeaderView* header = grid->horizontalHeader();
    const QPoint row1 = cellCentre(grid, 0, 1);
    if (where == "row 3") return {grid->viewport(), cellCentre(grid, 2, 1)};
    if (where == "below the rows") return {grid->viewport(), {row1.x(), grid->rowViewportPosition(2) + 60}};
    if (where == "right of the columns") return {grid->viewport(), {header->length() + 3, row1.y()}};
    if (where == "header") return {header->viewport(), {header->sectionViewportPosition(2) + 40, 5}};
    if (where == "header grip") return {header->viewport(), {header->sectionViewportPosition(2), 5}};
    qFatal("no place %s", qPrintable(where));
}

} // namespace

class TestIndexWindow : public QObject {
    Q_OBJECT
private slots:
    void gridAndHeader();
    void sizesFollowTheClientArea_data();
    void sizesFollowTheClientArea();
    void clicks();
    void doubleClickAnywhere_data();
    void doubleClickAnywhere();
    void resetReturnsToRowOne();
};

void TestIndexWindow::gridAndHeader() {
    InstrumentList list;
    IndexWindow window(list);
    QCOMPARE(window.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(window.grid()->objectName(), QStringLiteral("MSFlexGrid1"));
    QStringList header;
    for (int c = 0; c < 4; ++c)
        header << window.grid()->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QCOMPARE(header, (QStringList{QStringLiteral("序 号"), QStringLiteral("地 址"),
                                  QStringLiteral("仪 表 类 型"), QStringLiteral("备  注")}));
    QCOMPARE(window.grid()->model()->rowCount(), 1);
}

void TestIndexWindow::sizesFollowTheClientArea_data() {
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("heightTwips");
    QTest::newRow("design size") << 9510 << 4305;
    QTest::newRow("twice as wide, half as high") << 19020 << 2152;
}

void TestIndexWindow::sizesFollowTheClientArea() {
    QFETCH(int, widthTwips);
    QFETCH(int, heightTwips);
    InstrumentList list;
    IndexWindow window(list);
    window.resize(twipsToPixels(widthTwips, &window), twipsToPixels(heightTwips, &window));
    window.show();
    const double fw = widthTwips / 9510.0, fh = heightTwips / 4305.0;
    auto near = [&](int px, double twips) { return std::abs(px - twipsToPixels(int(twips), &window)) <= 1; };
    QVERIFY2(near(window.grid()->width(), 12000 * fw), qPrintable(QString::number(window.grid()->width())));
    QVERIFY(near(window.grid()->height(), 6800 * fh));
    const int columns[] = {800, 2500, 5000, 3550};
    for (int c = 0; c < 4; ++c)
        QVERIFY2(near(window.grid()->columnWidth(c), columns[c] * fw), qPrintable(QString::number(c)));
}

// A click chooses a row; a double-click chooses it and then asks for diagnosis.
void TestIndexWindow::clicks() {
    InstrumentList list;
    fill(list, 3);
    IndexWindow window(list);
    window.resize(twipsToPixels(9510, &window), twipsToPixels(4305, &window));
    window.show();
    int currentWhenAsked = -1;
    connect(&window, &IndexWindow::openDiagnosisRequested, this,
            [&] { currentWhenAsked = list.currentRow(); });
    QTest::mouseClick(window.grid()->viewport(), Qt::LeftButton, {}, cellCentre(window.grid(), 2, 1));
    QCOMPARE(list.currentRow(), 3);
    QCOMPARE(currentWhenAsked, -1);
    const QPoint at = cellCentre(window.grid(), 0, 3);
    QTest::mouseClick(window.grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(window.grid()->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(currentWhenAsked, 1);
}

void TestIndexWindow::doubleClickAnywhere_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("current"); // chosen before
    QTest::addColumn<int>("asked");   // current row when diagnosis is asked for; 0: not asked

    const int left = Qt::LeftButton;
    QTest::newRow("on a row: that row") << "row 3" << left << 1 << 3;
    QTest::newRow("below the rows: current row") << "below the rows" << left << 2 << 2;
    QTest::newRow("right of the columns: current row") << "right of the columns" << left << 3 << 3;
    QTest::newRow("on the header: current row") << "header" << left << 2 << 2;
    QTest::newRow("header grip fits the column instead") << "header grip" << left << 2 << 0;
    QTest::newRow("right button does nothing") << "below the rows" << int(Qt::RightButton) << 2 << 0;
}

// Double-clicks come alone, without the click the view would want first.
void TestIndexWindow::doubleClickAnywhere() {
    QFETCH(QString, where);
    QFETCH(int, button);
    QFETCH(int, current);
    QFETCH(int, asked);
    InstrumentList list;
    fill(list, 3);
    IndexWindow window(list);
    window.resize(twipsToPixels(9510, &window), twipsToPixels(4305, &window));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    list.setCurrentRow(current);
    QList<int> askedWith;
    connect(&window, &IndexWindow::openDiagnosisRequested, this, [&] { askedWith << list.currentRow(); });

    const auto [widget, at] = place(window.grid(), where);
    QVERIFY2(widget->rect().contains(at), qPrintable(where));
    QTest::mouseDClick(widget, Qt::MouseButton(button), {}, at);
    QCOMPARE(askedWith, asked ? QList<int>{asked} : QList<int>{});
    if (!asked) QCOMPARE(list.currentRow(), current);
}

void TestIndexWindow::resetReturnsToRowOne() {
    InstrumentList list;
    fill(list, 4);
    IndexWindow window(list);
    window.show();
    list.setCurrentRow(4);
    QCOMPARE(window.grid()->currentIndex().row(), 3);
    list.reset();
    QCOMPARE(list.currentRow(), 1);
    QCOMPARE(window.grid()->model()->rowCount(), 1);
    QCOMPARE(window.grid()->currentIndex().row(), 0);
}

QTEST_MAIN(TestIndexWindow)
#include "test_index_window.moc"
