// The terminal's cells cut a text too long for its column with "…" exactly where the stock
// elision does, at widths around the text's own, for Latin, hexadecimal and Chinese texts.
#include "terminal/ui/plain_text_delegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

namespace {

// A one-cell table drawn by the terminal's delegate, `width` pixels wide.
QImage drawn(const QString& text, int width) {
    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem(text));
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new terminal::PlainTextDelegate(&view));
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.setColumnWidth(0, width);
    view.resize(width + 40, 60);
    return view.viewport()->grab(view.visualRect(model.index(0, 0))).toImage();
}

} // namespace

class TestPlainTextDelegate : public QObject {
    Q_OBJECT
private slots:
    void elidesWhereTheStockElisionDoes_data();
    void elidesWhereTheStockElisionDoes();
};

void TestPlainTextDelegate::elidesWhereTheStockElisionDoes_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("a reply as text") << QStringLiteral("@0100000200FF\\r");
    QTest::newRow("a reply in hex") << QStringLiteral("40 30 31 30 30 30 30 30 32 30 30 46 46 0D");
    QTest::newRow("a verdict in Chinese") << QStringLiteral("“@”前噪声 3 字节，已丢弃");
    QTest::newRow("kerned capitals") << QStringLiteral("AVAVAVAV To To Wa Wa LT LT");
}

void TestPlainTextDelegate::elidesWhereTheStockElisionDoes() {
    QFETCH(QString, text);
    const QFontMetrics metrics(QApplication::font());
    const int margin = 2 * (QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const int gridLine = 1;
    const int fitting = metrics.horizontalAdvance(text) + margin + gridLine;
    int elided = 0;
    for (int width = fitting - 8; width <= fitting + 8; ++width) {
        const QString expected = metrics.elidedText(text, Qt::ElideRight, width - margin - gridLine);
        elided += expected != text;
        QVERIFY2(drawn(text, width) == drawn(expected, width),
                 qPrintable(QStringLiteral("%1 px: expected \"%2\"").arg(width).arg(expected)));
    }
    // The widths tried cut the text and leave it whole.
    QVERIFY(elided > 0 && elided < 17);
}

QTEST_MAIN(TestPlainTextDelegate)
#include "test_plain_text_delegate.moc"
