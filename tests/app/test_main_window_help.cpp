// The 帮助 menu of the main window: the manual in the interface language, the support facts with
// the newest traffic of the diagnosis, and the about box.
#include "app/main_window.h"
#include "diagnosis/dynamic_window.h"
#include "engine/intervals.h"
#include "fake_link.h"
#include "help/help_window.h"
#include "recording_sink.h"
#include "reply_frame.h"
#include "search/list_file.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class HelpMainWindow : public app::MainWindow {
public:
    using app::MainWindow::MainWindow;
    QStringList supportTexts, aboutTexts;

protected:
    void showSearchDialog() override {}
    void showSupportDialog(const QString& text) override { supportTexts << text; }
    void showAboutBox(const QString& html) override { aboutTexts << html; }
};

} // namespace

class TestMainWindowHelp : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    FakeLink m_link;
    RecordingSink m_sink;

    void trigger(QWidget& w, const char* name) {
        QAction* action = w.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(action);
        action->trigger();
    }

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }

    // Every way in opens the one help window, in the interface language.
    void manualInInterfaceLanguage_data() {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("folder");
        const QLocale zh(QLocale::Chinese, QLocale::China), en(QLocale::English, QLocale::UnitedKingdom),
            de(QLocale::German, QLocale::Germany);
        QTest::newRow("帮助主题, Chinese") << QByteArray("topic") << zh << QStringLiteral("manual/zh");
        QTest::newRow("联机手册, English") << QByteArray("ally") << en << QStringLiteral("manual/en");
        QTest::newRow("THelp, German gives Chinese")
            << QByteArray("THelp") << de << QStringLiteral("manual/zh");
    }
    void manualInInterfaceLanguage() {
        QFETCH(QByteArray, action);
        QFETCH(QLocale, locale);
        QFETCH(QString, folder);
        QLocale::setDefault(locale);
        HelpMainWindow w(m_link, m_sink, m_dir.path());
        if (action.startsWith('T'))
            w.toolbarButtonClicked(QString::fromLatin1(action));
        else
            trigger(w, action.constData());
        trigger(w, "topic"); // a second opening shows the same window
        const QList<help::HelpWindow*> windows = w.findChildren<help::HelpWindow*>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front()->isVisible());
        QVERIFY2(windows.front()->index().folder().endsWith(folder),
                 qPrintable(windows.front()->index().folder()));
    }

    // What a support request needs, with the diagnosis window's newest traffic.
    void supportFacts() {
        HelpMainWindow w(m_link, m_sink, m_dir.path());
        m_link.setPortNumber(2);
        m_link.setSettings(QStringLiteral("19200,n,8,1"));
        trigger(w, "gain");
        QCOMPARE(w.supportTexts.size(), 1);
        QVERIFY(w.supportTexts[0].contains(QStringLiteral("通讯口：COM2，19200bps")));
        QVERIFY(w.supportTexts[0].contains(QStringLiteral("（本次运行还没有通讯）")));

        w.setPollIntervals(engine::kTicksByHand, engine::kTicksByHand);
        Instrument meter;
        meter.address = 31;
        meter.typeCode = 0x16;
        meter.addressText = "1F";
        listfile::fill(w.instruments(), {meter});
        QTimer::singleShot(0, &w, [&] {
            auto* dynamic = w.findChild<DynamicWindow*>();
            QVERIFY(dynamic);
            dynamic->engine().sendTick();
            m_link.input = reply("1F", "16", "D2040101000000");
            dynamic->engine().receiveTick();
            dynamic->command1()->click();
        });
        trigger(w, "diagnose");
        trigger(w, "gain");
        QCOMPARE(w.supportTexts.size(), 2);
        const QString text = w.supportTexts[1];
        const int sent = text.indexOf(QStringLiteral("发送  @1FRD61\\r"));
        const int answered = text.indexOf(QStringLiteral("应答  @1F000016D204"));
        QVERIFY2(sent > 0 && answered > sent, qPrintable(text));
    }

    void aboutSaysNameVersionLicence() {
        HelpMainWindow w(m_link, m_sink, m_dir.path());
        trigger(w, "about");
        QCOMPARE(w.aboutTexts.size(), 1);
        for (const char* part : {"通讯测试软件", "版本 6.23", "保留所有权利"})
            QVERIFY2(w.aboutTexts[0].contains(QString::fromUtf8(part)), part);
    }
};

QTEST_MAIN(TestMainWindowHelp)
#include "test_main_window_help.moc"
