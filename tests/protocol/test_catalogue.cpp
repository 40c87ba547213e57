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
        QTest::newRow("1F module") << 0x1F << "MODEL系列——三相电量模块" << "ShowAC" << "picture/DL80.BMP";
        QTest::newRow("16 frequency") << 0x16 << "LED系列——频率表" << "ShowDX" << "picture/C80.BMP";
        QTest::newRow("0A manual") << 0x0A << "LED系列——手动操作器" << "ShowSCQ" << "picture/D80.BMP";
        QTest::newRow("96 LCD scanner") << 0x96 << "LCD系列——多路巡检仪" << "ShowLCDDuo" << "picture/LCD80.BMP";
        QTest::newRow("0C unlisted") << 0x0C << "" << "" << "";
        QTest::newRow("80 unlisted") << 0x80 << "" << "" << "";
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
        QCOMPARE(int(catalogue().size()), 18);
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
        QCOMPARE(viewRoutineNames().size(), 13);
    }

    void modelNamesMatchExactly() {
        QVERIFY(!entryForModel(QStringLiteral("LED系列—频率表")));
        QVERIFY(!entryForModel(QStringLiteral(" LED系列——频率表")));
        QVERIFY(!entryForModel(QString()));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
