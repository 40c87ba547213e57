// The English translation: every Chinese text of the program has a finished one, the compiled file
// the program loads says what the translation file says, and loading and removing it switches the
// program's words; captions put together from several texts are translated piece by piece.
#include "i18n/caption_translator.h"
#include "i18n/scan_scope.h"
#include "i18n/text.h"
#include "i18n/translation.h"
#include "i18n/ts_file.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace i18n;

namespace {

const QString kSourceDir = QStringLiteral(COMMTEST_SOURCE_DIR);

QString translationsDir() {
    return QDir(qEnvironmentVariable("COMMTEST_BIN_DIR")).filePath(QStringLiteral("translations"));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

constexpr Text kSearch = QT_TRANSLATE_NOOP("commtest", "搜索");
constexpr Text kLine = QT_TRANSLATE_NOOP("commtest", "第 %1 行：%2");

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
    TsFile m_ts;

private slots:
    void initTestCase() {
        m_ts = readTs(readAll(QDir(kSourceDir).filePath(kTsFile)));
        QVERIFY2(m_ts.error.isEmpty(), qPrintable(m_ts.error));
    }
    void cleanup() { QCOMPARE(i18n::tr("搜索"), QStringLiteral("搜索")); }

    // The check that fails when someone adds a caption or a message without its English. To
    // mend it: i18n/refresh-ts.sh, then translate what it lists.
    void everyTextHasItsEnglish() {
        const QVector<SourceText> found = scanSources(kSourceDir, kSkippedFolders);
        QVERIFY2(found.size() > 150, "the sources hold far fewer texts than the program shows");
        const QStringList problems =
            unmarkedTexts(found) +
            translationGaps(m_ts, found, readExemptions(readAll(QDir(kSourceDir).filePath(kExemptionsFile))));
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("\n") + problems.join(QLatin1Char('\n')) +
                            QStringLiteral("\nRun i18n/refresh-ts.sh and translate these.")));
    }

    void compiledTranslationSaysTheSame() {
        QTranslator translator;
        QVERIFY(translator.load(translationFile(translationsDir(), Language::English)));
        int checked = 0;
        for (const TsMessage& m : m_ts.messages) {
            if (m.state != TsMessage::State::Finished) continue;
            QCOMPARE(translator.translate(kContext, m.source.toUtf8().constData()), m.translation);
            ++checked;
        }
        QVERIFY(checked > 150);
    }

    void installAndRemove() {
        Translation translation;
        QVERIFY(translation.install(Language::English, translationsDir()));
        QCOMPARE(translation.language(), Language::English);
        QCOMPARE(QString(kSearch), QStringLiteral("Search"));
        QCOMPARE(kLine.arg(3).arg(QStringLiteral("x")), QStringLiteral("Line 3: x"));
        QCOMPARE(i18n::tr(QStringLiteral("未知设备")), QStringLiteral("Unknown device"));
        QCOMPARE(i18n::tr(QStringLiteral("不在翻译中")), QStringLiteral("不在翻译中"));
        QVERIFY(translation.install(Language::Chinese, translationsDir()));
        QCOMPARE(QString(kSearch), QStringLiteral("搜索"));
        QVERIFY(translation.install(Language::English, translationsDir()));
        translation.remove();
        QCOMPARE(translation.language(), Language::Chinese);
        QCOMPARE(QString(kSearch), QStringLiteral("搜索"));
    }

    void unusableTranslation_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << false << QByteArray() << "is missing";
        QTest::newRow("damaged") << true << QByteArray("not a translation") << "is not a translation file";
        QTest::newRow("empty") << true << QByteArray() << "is not a translation file";
    }
    void unusableTranslation() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (exists) {
            QFile f(translationFile(dir.path(), Language::English));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        Translation translation;
        QVERIFY(translation.install(Language::English, translationsDir()));
        QString error;
        QVERIFY(!translation.install(Language::English, dir.path(), &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        // The program speaks Chinese then, not the English of before.
        QCOMPARE(translation.language(), Language::Chinese);
        QCOMPARE(QString(kSearch), QStringLiteral("搜索"));
    }

    void captions_data() {
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("english");
        const QStringList known = {"仪表类型：", "LED系列——频率表", "瞬时    ", "瞬时流量1   ",
                                   "，A",        "未翻译的"};
        QTest::newRow("type label and model name") << known << "仪表类型：LED系列——频率表"
                                                   << "Instrument type: LED series — frequency meter";
        QTest::newRow("value after a caption") << known << "瞬时    12.5"
                                               << "Flow rate    12.5";
        QTest::newRow("the longest known text wins") << known << "瞬时流量1   3.0"
                                                     << "Flow rate 1   3.0";
        QTest::newRow("pieces between values") << known << "UA:220.0，AA:1.50"
                                               << "UA:220.0, AA:1.50";
        QTest::newRow("unknown text and numbers stay") << known << "未知 88.8"
                                                       << "未知 88.8";
        QTest::newRow("a known text without translation stays") << known << "未翻译的1"
                                                                << "未翻译的1";
        QTest::newRow("nothing known") << QStringList() << "仪表类型："
                                       << "仪表类型：";
    }
    void captions() {
        QFETCH(QStringList, known);
        QFETCH(QString, caption);
        QFETCH(QString, english);
        Translation translation;
        QVERIFY(translation.install(Language::English, translationsDir()));
        QCOMPARE(CaptionTranslator(known).translate(caption), english);
        translation.remove();
        // Made while Chinese is spoken, it changes nothing.
        const CaptionTranslator chinese(known);
        QVERIFY(chinese.isIdentity());
        QCOMPARE(chinese.translate(caption), caption);
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "test_translation.moc"
