// The help window on the shipped manual: contents, search and the page shown.
#include "help/help_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

class TestHelpWindow : public QObject {
    Q_OBJECT
    const QString m_root = QStringLiteral(COMMTEST_MANUAL_SOURCE);

private slots:
    void opensOnFirstPage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("firstTitle");
        QTest::newRow("zh") << QStringLiteral("zh") << QStringLiteral("通讯测试软件用户手册");
        QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("commtest User Manual");
    }
    void opensOnFirstPage() {
        QFETCH(QString, language);
        QFETCH(QString, firstTitle);
        help::HelpWindow w(m_root + QLatin1Char('/') + language);
        QCOMPARE(w.problem(), QString());
        QCOMPARE(w.contents()->topLevelItem(0)->text(0), firstTitle);
        QVERIFY(w.contents()->topLevelItem(0)->childCount() > 0);
        QVERIFY(w.browser()->toPlainText().startsWith(firstTitle));
        QVERIFY(w.results()->isHidden());
    }

    // Typing lists the sections; choosing one shows it.
    void searchAndOpen_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("section");  // first result's title
        QTest::addColumn<QString>("fragment"); // where the browser goes
        QTest::newRow("zh word") << QStringLiteral("zh") << QStringLiteral("Ctrl+O")
                                 << QStringLiteral("打开列表") << QStringLiteral("open");
        QTest::newRow("en two words") << QStringLiteral("en") << QStringLiteral("round-trip csv")
                                      << QStringLiteral("Saving the list") << QStringLiteral("save");
    }
    void searchAndOpen() {
        QFETCH(QString, language);
        QFETCH(QString, query);
        QFETCH(QString, section);
        QFETCH(QString, fragment);
        help::HelpWindow w(m_root + QLatin1Char('/') + language);
        QTest::keyClicks(w.searchBox(), query);
        QVERIFY(!w.results()->isHidden());
        QVERIFY(w.results()->count() >= 1);
        QCOMPARE(w.results()->item(0)->text(), section);
        w.results()->setCurrentRow(0);
        QCOMPARE(w.browser()->source().fragment(), fragment);
        QVERIFY(w.browser()->source().toLocalFile().endsWith(QStringLiteral("/list.html")));
    }

    void nothingFoundSaysSo() {
        help::HelpWindow w(m_root + QStringLiteral("/zh"));
        w.searchBox()->setText(QStringLiteral("不存在的词"));
        QCOMPARE(w.results()->count(), 1);
        QCOMPARE(w.results()->item(0)->text(), QStringLiteral("没有找到“不存在的词”"));
        w.searchBox()->clear();
        QVERIFY(w.results()->isHidden());
    }

    void missingManualIsSaid() {
        help::HelpWindow w(m_root + QStringLiteral("/xx"));
        QVERIFY(w.problem().startsWith(QStringLiteral("找不到手册")));
        QCOMPARE(w.browser()->toPlainText(), w.problem());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
