#include "protocol/catalogue.h"

#include <QSet>
#include <QtTest>

using namespace protocol;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void lookups_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("picture");
        QTest::newRow("1E meter") << 0x1E << "LED系列——三相电量表" << "ShowAC" << "picture/AC80.BMP";
        QTest::newRow("1F module shares the view") << 0x1F << "MODEL系列——三相电量模块" << "ShowAC"
            << "picture/DL80.BMP";
        QTest::newRow("96 LCD scanner") << 0x96 << "LCD系列——多路巡检仪" << "ShowLCDDuo" << "picture/LCD80.BMP";
        QTest::newRow("0C unlisted") << 0x0C << "" << "" << "";
        QTest::newRow("FF unlisted") << 0xFF << "" << "" << "";
    }
    void lookups() {
        QFETCH(int, code);
        QFETCH(QString, model);
        QFETCH(QString, view);
        QFETCH(QString, picture);
        QCOMPARE(modelNameOf(code), model);
        QCOMPARE(viewOf(code), view);
        QCOMPARE(pictureOfModel(model), picture);
    }

    void everyEntryIsConsistent() {
        QSet<int> codes;
        QSet<QString> names;
        for (const auto& e : catalogue()) {
            codes.insert(e.code);
            names.insert(e.modelName);
            QVERIFY2(viewRoutineNames().contains(e.view), qPrintable(e.view));
            QVERIFY(e.modelName.contains(QString(2, QChar(0x2014))));
            QCOMPARE(entryForModel(e.modelName), &e);
        }
        QCOMPARE(codes.size(), 18);
        QCOMPARE(names.size(), 18);
    }

    void modelNamesMatchExactly_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("one dash") << "LED系列—频率表";
        QTest::newRow("leading blank") << " LED系列——频率表";
        QTest::newRow("empty") << "";
    }
    void modelNamesMatchExactly() {
        QFETCH(QString, name);
        QVERIFY(!entryForModel(name));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
