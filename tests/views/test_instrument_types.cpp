// The one table of instrument types: lookups by code and by exact model name, and every listed
// type resolving to a picture, a view routine, a layout and a table of readings that its view
// gives for any reply.
#include "reply_frame.h"
#include "views/instrument_types.h"
#include "views/reading_table.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QByteArray typeText(int code) {
    return QByteArray::number(code, 16).rightJustified(2, '0').toUpper();
}

// Key, label and unit of each reading, in order.
QStringList shape(const protocol::Readings& readings) {
    QStringList out;
    for (const protocol::Reading& r : readings)
        out << r.key + '|' + r.label + '|' + r.unit;
    return out;
}
QStringList shape(const std::vector<views::ReadingRow>& rows) {
    QStringList out;
    for (const views::ReadingRow& s : rows)
        out << s.key + '|' + s.label + '|' + s.unit;
    return out;
}

} // namespace

class TestInstrumentTypes : public QObject {
    Q_OBJECT

private slots:
    void lookups_data();
    void lookups();
    void everyTypeResolves_data();
    void everyTypeResolves();
    void keysDependOnlyOnTheType_data();
    void keysDependOnlyOnTheType();
};

// By code, then by the model name the code gives; an empty name stands for no type.
void TestInstrumentTypes::lookups_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("picture");
    const auto row = [](const char* name, int code, const char* model, const char* view,
                        const char* picture) {
        QTest::newRow(name) << code << QString::fromUtf8(model) << QString::fromLatin1(view)
                            << QString::fromLatin1(picture);
    };
    row("1E meter", 0x1E, "LED系列——三相电量表", "ShowAC", "picture/AC80.BMP");
    row("1F module shares the view", 0x1F, "MODEL系列——三相电量模块", "ShowAC", "picture/DL80.BMP");
    row("16 frequency meter is a single display", 0x16, "LED系列——频率表", "ShowDX", "picture/C80.BMP");
    row("0C unlisted", 0x0C, "", "", "");
    row("FF unlisted", 0xFF, "", "", "");
}

void TestInstrumentTypes::lookups() {
    QFETCH(int, code);
    QFETCH(QString, model);
    QFETCH(QString, view);
    QFETCH(QString, picture);
    QCOMPARE(views::modelNameOf(code), model);
    const views::InstrumentType* type = views::typeForCode(code);
    QCOMPARE(type ? type->viewName : QString(), view);
    QCOMPARE(views::viewForCode(code) != nullptr, type != nullptr);
    panel::PanelModel panel = panel::PanelModel::design();
    QCOMPARE(views::layoutForModel(model, panel), type != nullptr);
    QCOMPARE(panel.image1.picture, picture);
    // Names match whole and exactly: one dash, a blank or the window's type label are no names.
    for (const QString& near : {QString(model).replace(QString(2, QChar(0x2014)), QString(QChar(0x2014))),
                                ' ' + model, QStringLiteral("仪表类型：") + model})
        QVERIFY2(!views::typeForModel(near), qPrintable(near));
}

void TestInstrumentTypes::everyTypeResolves_data() {
    QTest::addColumn<int>("code");
    for (const views::InstrumentType& t : views::instrumentTypes())
        QTest::newRow(typeText(t.code)) << t.code;
}

void TestInstrumentTypes::everyTypeResolves() {
    QFETCH(int, code);
    const views::InstrumentType* type = views::typeForCode(code);
    QVERIFY(type && type->view);
    QCOMPARE(views::typeForModel(type->model), type);

    // The layout brings the type's picture and changes more than the picture.
    panel::PanelModel laid = panel::PanelModel::design();
    QVERIFY(views::layoutForModel(type->model, laid));
    QCOMPARE(laid.image1.picture, type->picture);
    laid.image1 = panel::PanelModel::design().image1;
    QVERIFY(laid != panel::PanelModel::design());

    // Readings: plain ASCII keys, each once, with a label and a meaning.
    QSet<QString> keys;
    for (const views::ReadingRow& s : type->readings().rows()) {
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z][A-Z0-9_]*$")).match(s.key).hasMatch(),
                 qPrintable(s.key));
        QVERIFY2(!keys.contains(s.key), qPrintable(s.key));
        keys.insert(s.key);
        QVERIFY(!s.label.isEmpty() && !s.meaning.isEmpty());
    }
    QVERIFY(!keys.isEmpty());
}

// Whatever a reply holds, and whatever the readings held before, the view gives its type's keys in
// its table's order.
void TestInstrumentTypes::keysDependOnlyOnTheType_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("frame");
    for (const views::InstrumentType& t : views::instrumentTypes()) {
        const QByteArray type = typeText(t.code);
        QTest::newRow(type + " short") << t.code << shortReply(type);
        QTest::newRow(type + " garbled") << t.code << replyLine(type, QByteArray(200, 'G'));
        QTest::newRow(type + " all F") << t.code << replyLine(type, QByteArray(200, 'F'));
    }
}

void TestInstrumentTypes::keysDependOnlyOnTheType() {
    QFETCH(int, code);
    QFETCH(QByteArray, frame);
    const views::InstrumentType* type = views::typeForCode(code);
    panel::PanelModel panel = panel::PanelModel::design();
    qint16 tn = 0;
    protocol::Readings readings{{QStringLiteral("OLD"), QStringLiteral("旧"), QString(), 2, 1.5}};
    type->view(frame, panel, tn, readings);
    QCOMPARE(shape(readings), shape(type->readings().rows()));
}

QTEST_APPLESS_MAIN(TestInstrumentTypes)
#include "test_instrument_types.moc"
