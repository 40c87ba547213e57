// Which language the program speaks: the command line over the 配置 choice over the system's
// language, English only when English is what was asked for; and how 配置 shows and keeps the choice.
#include "app/options.h"
#include "config/app_settings.h"
#include "config/config_dialog.h"
#include "i18n/language.h"
#include "recording_sink.h"

#include <QComboBox>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using i18n::Language;

Q_DECLARE_METATYPE(i18n::Language)

namespace {

const QString kNoOption = QStringLiteral("-");

std::optional<Language> optionOf(const QString& code) {
    return code == kNoOption ? std::nullopt : i18n::parseLanguageCode(code);
}

} // namespace

class TestLanguageChoice : public QObject {
    Q_OBJECT
private slots:
    void choice_data() {
        QTest::addColumn<QString>("option");     // "-": none
        QTest::addColumn<QString>("configured"); // the settings file's value
        QTest::addColumn<QStringList>("system"); // preferred interface languages
        QTest::addColumn<Language>("expected");
        const auto zh = Language::Chinese;
        const auto en = Language::English;
        QTest::newRow("no locale at all") << kNoOption << "" << QStringList{"C"} << zh;
        QTest::newRow("no preference listed") << kNoOption << "" << QStringList{} << zh;
        QTest::newRow("English system") << kNoOption << "" << QStringList{"en-US", "en"} << en;
        QTest::newRow("Chinese system") << kNoOption << "" << QStringList{"zh-CN", "zh"} << zh;
        QTest::newRow("German system") << kNoOption << "" << QStringList{"de-DE", "de"} << zh;
        QTest::newRow("English first, German after") << kNoOption << "" << QStringList{"en", "de-DE"} << en;
        QTest::newRow("German first, English after") << kNoOption << "" << QStringList{"de-DE", "en"} << zh;
        QTest::newRow("a language whose code starts like en") << kNoOption << "" << QStringList{"eno"} << zh;
        QTest::newRow("configured English on a Chinese system")
            << kNoOption << "en" << QStringList{"zh-CN"} << en;
        QTest::newRow("configured en_GB") << kNoOption << "en_GB" << QStringList{"zh-CN"} << en;
        QTest::newRow("configured in capitals") << kNoOption << "EN-us" << QStringList{"zh-CN"} << en;
        QTest::newRow("configured zh_CN on an English system")
            << kNoOption << "zh_CN" << QStringList{"en-US"} << zh;
        QTest::newRow("configured French is not English") << kNoOption << "fr" << QStringList{"en-US"} << zh;
        QTest::newRow("configured blanks follow the system")
            << kNoOption << "  " << QStringList{"en-GB"} << en;
        QTest::newRow("option over configured") << "zh"
                                                << "en" << QStringList{"en-US"} << zh;
        QTest::newRow("option over the system") << "en"
                                                << "" << QStringList{"zh-CN"} << en;
    }
    void choice() {
        QFETCH(QString, option);
        QFETCH(QString, configured);
        QFETCH(QStringList, system);
        QTEST(i18n::chooseLanguage(optionOf(option), configured, system), "expected");
    }

    // The same rule on the lists Qt makes of real locales.
    void systemLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("expected");
        for (const char* name : {"en_US", "en_GB", "en_IN"})
            QTest::newRow(name) << name << Language::English;
        for (const char* name : {"C", "zh_CN", "zh_TW", "de_DE", "fr_FR", "ja_JP"})
            QTest::newRow(name) << name << Language::Chinese;
    }
    void systemLocale() {
        QFETCH(QString, locale);
        QTEST(i18n::systemLanguage(QLocale(locale).uiLanguages()), "expected");
    }

    void options_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language"); // "-": none
        QTest::addColumn<QString>("smokeShot");
        QTest::addColumn<QString>("error"); // a part of the message; empty: none
        QTest::newRow("nothing") << QStringList{} << kNoOption << ""
                                 << "";
        QTest::newRow("English") << QStringList{"--lang", "en"} << "en"
                                 << ""
                                 << "";
        QTest::newRow("Chinese, joined") << QStringList{"--lang=zh"} << "zh"
                                         << ""
                                         << "";
        QTest::newRow("smoke test") << QStringList{"--smoke-test", "/tmp/s.png", "--lang", "en"} << "en"
                                    << "/tmp/s.png"
                                    << "";
        QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << kNoOption << ""
                                          << "'fr'";
        QTest::newRow("a locale is not a code") << QStringList{"--lang", "en_US"} << kNoOption << ""
                                                << "'en_US'";
        QTest::newRow("no language given") << QStringList{"--lang"} << kNoOption << ""
                                           << "lang";
        QTest::newRow("unknown option") << QStringList{"--colour"} << kNoOption << ""
                                        << "colour";
        QTest::newRow("stray argument") << QStringList{"COM1"} << kNoOption << ""
                                        << "COM1";
    }
    void options() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QString, error);
        const app::Options o = app::parseOptions(QStringList{"commtest"} + arguments);
        QCOMPARE(o.language, optionOf(language));
        QTEST(o.smokeShot, "smokeShot");
        QCOMPARE(o.error.isEmpty(), error.isEmpty());
        QVERIFY2(o.error.contains(error), qPrintable(o.error));
    }

    // 配置 shows the configured language, and OK keeps a hand-written name of the language chosen.
    void configDialog_data() {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<int>("shown"); // 0 follow the system, 1 Chinese, 2 English
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("follow the system, untouched") << "" << 0 << 0 << "";
        QTest::newRow("zh_CN, untouched") << "zh_CN" << 1 << 1 << "zh_CN";
        QTest::newRow("en_GB, untouched") << "en_GB" << 2 << 2 << "en_GB";
        QTest::newRow("French shows as Chinese, which it gives") << "fr" << 1 << 1 << "fr";
        QTest::newRow("English chosen") << "" << 0 << 2 << "en";
        QTest::newRow("Chinese chosen over English") << "en_GB" << 2 << 1 << "zh";
        QTest::newRow("back to the system") << "zh_CN" << 1 << 0 << "";
    }
    void configDialog() {
        QFETCH(QString, configured);
        QFETCH(int, chosen);
        QTemporaryDir dir;
        config::AppSettings settings(dir.path());
        config::AppValues values;
        values.language = configured;
        settings.setValues(values);
        RecordingSink sink;
        config::ConfigDialog dialog(settings, sink, {});
        QTEST(dialog.languageBox()->currentIndex(), "shown");
        dialog.languageBox()->setCurrentIndex(chosen);
        dialog.accept();
        QTEST(settings.values().language, "saved");
        QVERIFY(sink.shown.isEmpty());
        // What was saved is what the next start reads.
        config::AppSettings again(dir.path());
        QVERIFY(again.load(sink));
        QTEST(again.values().language, "saved");
    }
};

QTEST_MAIN(TestLanguageChoice)
#include "test_language_choice.moc"
