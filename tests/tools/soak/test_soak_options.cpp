#include "tools/soak/soak_options.h"

#include <QTest>

class TestSoakOptions : public QObject {
    Q_OBJECT
private slots:
    void accepted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("polls");
        QTest::addColumn<QString>("firstSimulatorArgument");
        QTest::newRow("defaults") << QStringList{} << 30.0 << 1 << 20 << 5 << "--pty";
        QTest::newRow("fraction of a minute")
            << QStringList{"--minutes", "0.5"} << 0.5 << 1 << 20 << 5 << "--pty";
        QTest::newRow("range and polls")
            << QStringList{"--range", "3-9", "--polls", "2"} << 30.0 << 3 << 9 << 2 << "--pty";
        QTest::newRow("single address") << QStringList{"--range", "7-7"} << 30.0 << 7 << 7 << 5 << "--pty";
        QTest::newRow("simulator arguments replaced")
            << QStringList{"--minutes", "2", "--", "--fixed", "--pty"} << 2.0 << 1 << 20 << 5 << "--fixed";
    }
    void accepted() {
        QFETCH(QStringList, arguments);
        const soak::OptionsResult result = soak::parseOptions(QStringList{"commtest-soak"} + arguments);
        QVERIFY2(result.options, qPrintable(result.message));
        QTEST(result.options->minutes, "minutes");
        QTEST(result.options->firstAddress, "first");
        QTEST(result.options->lastAddress, "last");
        QTEST(result.options->pollsPerInstrument, "polls");
        QTEST(result.options->simulatorArguments.value(0), "firstSimulatorArgument");
    }

    void defaultLineIsTheNoisyBus() {
        const soak::OptionsResult result = soak::parseOptions({"commtest-soak"});
        QVERIFY(result.options);
        QCOMPARE(
            result.options->simulatorArguments.join(u' '),
            QStringLiteral("--pty --baud 19200 --echo --noise --corrupt 10 --drop 10 --garbage --silent 7"));
    }

    void refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("zero minutes") << QStringList{"--minutes", "0"} << "--minutes";
        QTest::newRow("endless minutes") << QStringList{"--minutes", "inf"} << "--minutes";
        QTest::newRow("words for minutes") << QStringList{"--minutes", "long"} << "--minutes";
        QTest::newRow("range backwards") << QStringList{"--range", "9-3"} << "--range";
        QTest::newRow("range beyond a byte") << QStringList{"--range", "1-300"} << "--range";
        QTest::newRow("range without dash") << QStringList{"--range", "5"} << "--range";
        QTest::newRow("no polls") << QStringList{"--polls", "0"} << "--polls";
        QTest::newRow("value missing") << QStringList{"--sim"} << "--sim";
        QTest::newRow("unknown option") << QStringList{"--hours", "2"} << "--hours";
    }
    void refused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        const soak::OptionsResult result = soak::parseOptions(QStringList{"commtest-soak"} + arguments);
        QVERIFY(!result.options);
        QVERIFY(!result.help);
        QVERIFY2(result.message.contains(mentions), qPrintable(result.message));
    }

    void helpIsNotAnError() {
        const soak::OptionsResult result = soak::parseOptions({"commtest-soak", "--range", "1-2", "--help"});
        QVERIFY(!result.options);
        QVERIFY(result.help);
        QVERIFY(result.message.contains(QLatin1String("--minutes")));
    }
};

QTEST_GUILESS_MAIN(TestSoakOptions)
#include "test_soak_options.moc"
