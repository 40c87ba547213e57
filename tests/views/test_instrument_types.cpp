// The one table of instrument types: lookups by code and by model name, and every listed type
// resolving to a model, a picture, a view routine, a layout and a table of readings that its view
// gives for any reply.
#include "reply_frame.h"
#include "views/instrument_types.h"
#include "views/reading_table.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QByteArray typeText(int code) {
    return QByteArray::number(code, 16).rightJustified(2, '0').toUpper();
}

// The keys, labels, units and decimals of `readings`, or of `specs` as a fresh reply gives them.
QStringList shape(const protocol::Readings& readings) {
    QStringList out;
    for (const protocol::Reading& r : readings)
        out << r.key + '|' + r.label + '|' + r.unit;
    return out;
}
QStringList shape(const std::vector<views::ReadingSpec>& specs) {
    QStringList out;
    for (const views::ReadingSpec& s : specs)
        out << s.key + '|' + s.label + '|' + s.unit;
    return out;
}

} // namespace

class TestInstrumentTypes : public QObject {
    Q_OBJECT

  private slots:
    void lookups_data();
    void lookups();
    void modelNamesMatchExactly_data();
    void modelNamesMatchExactly();
    void everyTypeResolves_data();
    void everyTypeResolves();
    void keysDependOnlyOnTheType_data();
    void keysDependOnlyOnTheType();
    void codesAndNamesAreUnique();
};

void TestInstrumentTypes::lookups_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("picture");
    QTest::newRow("1E meter") << 0x1E << "LED系列——三相电量表"
                              << "ShowAC"
                              << "picture/AC80.BMP";
    QTest::newRow("1F module shares the view") << 0x1F << "MODEL系列——三相电量模块"
                                               << "ShowAC"
                                               << "picture/DL80.BMP";
    QTest::newRow("16 frequency meter is a single display") << 0x16 << "LED系列——频率表"
                                                            << "ShowDX"
                                                            << "picture/C80.BMP";
    QTest::newRow("84 shares the totalizer view") << 0x84 << "LCD系列——热量积算记录仪"
                                                  << "ShowLCDLL"
                                                  << "picture/LCD80.BMP";
    QTest::newRow("0C unlisted") << 0x0C << ""
                                 << ""
                                 << "";
    QTest::newRow("80 unlisted") << 0x80 << ""
                                 << ""
                                 << "";
    QTest::newRow("FF unlisted") << 0xFF << ""
                                 << ""
                                 << "";
}

void TestInstrumentTypes::lookups() {
    QFETCH(int, code);
    QFETCH(QString, model);
    QFETCH(QString, view);
    QFETCH(QString, picture);
    QCOMPARE(views::modelNameOf(code), model);
    const views::InstrumentType* type = views::typeForCode(code);
    QCOMPARE(type ? type->viewName : QString(), view);
    QCOMPARE(views::viewForCode(code) != nullptr, !view.isEmpty());
    panel::PanelModel panel = panel::PanelModel::design();
    QCOMPARE(views::layoutForModel(model, panel), !model.isEmpty());
    QCOMPARE(panel.image1.picture, picture);
}

void TestInstrumentTypes::modelNamesMatchExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("one dash") << "LED系列—频率表";
    QTest::newRow("leading blank") << " LED系列——频率表";
    QTest::newRow("type label, not a name") << "仪表类型：LED系列——频率表";
    QTest::newRow("empty") << "";
}

void TestInstrumentTypes::modelNamesMatchExactly() {
    QFETCH(QString, name);
    QVERIFY(!views::typeForModel(name));
    panel::PanelModel panel = panel::PanelModel::design();
    QVERIFY(!views::layoutForModel(name, panel));
    QVERIFY(panel == panel::PanelModel::design());
}

void TestInstrumentTypes::everyTypeResolves_data() {
    QTest::addColumn<int>("code");
    for (const views::InstrumentType& t : views::instrumentTypes())
        QTest::newRow(typeText(t.code)) << t.code;
}

void TestInstrumentTypes::everyTypeResolves() {
    QFETCH(int, code);
    const views::InstrumentType* type = views::typeForCode(code);
    QVERIFY(type);
    QCOMPARE(views::typeForModel(type->model), type);
    QVERIFY2(type->model.contains(QString(2, QChar(0x2014))), qPrintable(type->model));
    QVERIFY(type->view);
    QVERIFY(QRegularExpression(QStringLiteral("^Show[0-9A-Za-z]+$")).match(type->viewName).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("^picture/[A-Z0-9]+\\.BMP$")).match(type->picture).hasMatch());

    // The layout brings the type's picture and changes more than the picture.
    panel::PanelModel laid = panel::PanelModel::design();
    QVERIFY(views::layoutForModel(type->model, laid));
    QCOMPARE(laid.image1.picture, type->picture);
    laid.image1 = panel::PanelModel::design().image1;
    QVERIFY(laid != panel::PanelModel::design());

    // Readings: plain ASCII keys, each once.
    const auto& specs = type->readings().specs();
    QVERIFY(!specs.empty());
    QSet<QString> keys;
    for (const views::ReadingSpec& s : specs) {
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z][A-Z0-9_]*$")).match(s.key).hasMatch(),
                 qPrintable(s.key));
        QVERIFY2(!keys.contains(s.key), qPrintable(s.key));
        keys.insert(s.key);
        QVERIFY(!s.label.isEmpty());
        QVERIFY(!s.meaning.isEmpty());
        QVERIFY(s.decimals == views::kDecimalsFromReply || (s.decimals >= 0 && s.decimals <= 3));
    }
}

// Whatever a reply holds, and whatever was in the readings before, the view gives its type's keys
// in its table's order.
void TestInstrumentTypes::keysDependOnlyOnTheType_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("frame");
    for (const views::InstrumentType& t : views::instrumentTypes()) {
        const QByteArray type = typeText(t.code);
        QTest::newRow(type + " short") << t.code << shortReply(type);
        QTest::newRow(type + " long garbage") << t.code << replyLine(type, QByteArray(200, 'G'));
        QTest::newRow(type + " all F") << t.code << replyLine(type, QByteArray(200, 'F'));
    }
}

void TestInstrumentTypes::keysDependOnlyOnTheType() {
    QFETCH(int, code);
    QFETCH(QByteArray, frame);
    const views::InstrumentType* type = views::typeForCode(code);
    panel::PanelModel panel = panel::PanelModel::design();
    qint16 tn = 0;
    // Left over from a reply of another type.
    protocol::Readings readings{{QStringLiteral("OLD"), QStringLiteral("旧"), QString(), 2, 1.5}};
    type->view(frame, panel, tn, readings);
    QCOMPARE(shape(readings), shape(type->readings().specs()));
}

void TestInstrumentTypes::codesAndNamesAreUnique() {
    QSet<int> codes;
    QSet<QString> names, views;
    for (const views::InstrumentType& t : views::instrumentTypes()) {
        codes.insert(t.code);
        names.insert(t.model);
        views.insert(t.viewName);
    }
    QCOMPARE(codes.size(), 18);
    QCOMPARE(names.size(), 18);
    QCOMPARE(views.size(), 13);
}

QTEST_APPLESS_MAIN(TestInstrumentTypes)
#include "test_instrument_types.moc"
