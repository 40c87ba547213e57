// The terminal's tables fill their grid lines themselves: the same pixels as Qt's own grid, with
// headers shown or hidden, scrolled, wider or narrower than the table, left to right or right to
// left, whole or in part.
#include "terminal/ui/grid_table_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

namespace {

struct Table {
    QString layout;

    // The view shown as `layout` says, with the stock grid or the filled one.
    QImage drawn(QTableView& view, QStandardItemModel& model) const {
        view.setModel(&model);
        // Both pictures alike apart from the grid: neither view holds the focus.
        view.setFocusPolicy(Qt::NoFocus);
        view.setLayoutDirection(layout.contains(QLatin1String("rtl")) ? Qt::RightToLeft : Qt::LeftToRight);
        if (layout.contains(QLatin1String("no headers"))) {
            view.horizontalHeader()->hide();
            view.verticalHeader()->hide();
        }
        if (layout.contains(QLatin1String("no row header"))) view.verticalHeader()->hide();
        view.resize(layout.contains(QLatin1String("wide")) ? 700 : 300, 240);
        if (layout.contains(QLatin1String("hidden"))) {
            view.hideRow(2);
            view.hideColumn(1);
        }
        view.show();
        if (!QTest::qWaitForWindowExposed(&view)) return {};
        if (layout.contains(QLatin1String("scrolled"))) {
            view.verticalScrollBar()->setValue(17);
            view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
        }
        QImage out = view.viewport()->grab().toImage();
        if (layout.contains(QLatin1String("part"))) {
            // Only a band of the table painted again, over the picture of the whole.
            const QRect band(40, 50, 120, 60);
            QPainter painter(&out);
            painter.drawImage(band.topLeft(), view.viewport()->grab(band).toImage());
        }
        return out;
    }
};

void fill(QStandardItemModel& model) {
    model.setRowCount(60);
    model.setColumnCount(4);
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 4; ++c)
            model.setItem(r, c, new QStandardItem(QStringLiteral("r%1 c%2 收").arg(r).arg(c)));
}

} // namespace

class TestGridTableView : public QObject {
    Q_OBJECT
private slots:
    void sameGridAsQt_data();
    void sameGridAsQt();
};

void TestGridTableView::sameGridAsQt_data() {
    QTest::addColumn<QString>("layout");
    QTest::newRow("headers, table wider than the view") << QStringLiteral("");
    QTest::newRow("headers, view wider than the table") << QStringLiteral("wide");
    QTest::newRow("scrolled both ways") << QStringLiteral("scrolled");
    QTest::newRow("no row header, as the terminal") << QStringLiteral("no row header wide");
    QTest::newRow("no headers at all, scrolled") << QStringLiteral("no headers scrolled");
    QTest::newRow("no headers, view wider than the table") << QStringLiteral("no headers wide");
    QTest::newRow("a row and a column hidden") << QStringLiteral("hidden no row header");
    QTest::newRow("right to left") << QStringLiteral("rtl no headers wide");
    QTest::newRow("right to left, scrolled") << QStringLiteral("rtl scrolled");
    QTest::newRow("a part painted again") << QStringLiteral("part no row header");
}

void TestGridTableView::sameGridAsQt() {
    QFETCH(QString, layout);
    const Table table{layout};
    QStandardItemModel model;
    fill(model);
    QTableView stock;
    terminal::GridTableView filled;
    const QImage expected = table.drawn(stock, model);
    const QImage actual = table.drawn(filled, model);
    QVERIFY(!expected.isNull());
    QCOMPARE(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("differs first at %1,%2: %3 against Qt's %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(actual.pixel(x, y), 0, 16)
                                     .arg(expected.pixel(x, y), 0, 16)));
}

QTEST_MAIN(TestGridTableView)
#include "test_grid_table_view.moc"
