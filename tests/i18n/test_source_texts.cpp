// Finding the texts to translate in C++ sources, and keeping the translation file in step with
// them: what counts as one text, what is kept, what is reported missing.
#include "i18n/source_texts.h"
#include "i18n/ts_file.h"

#include <QTest>

using namespace i18n;

Q_DECLARE_METATYPE(i18n::TsFile)
Q_DECLARE_METATYPE(i18n::TsMessage)
Q_DECLARE_METATYPE(QVector<i18n::SourceText>)

namespace {

// "text@line" per literal found, "!" marking one written as QT_TRANSLATE_NOOP("commtest", ...), "?"
// one given to a QObject's tr().
QStringList found(const QByteArray& source) {
    QStringList out;
    for (const SourceText& t : chineseLiterals(source, QStringLiteral("a.cpp")))
        out << t.text + QLatin1Char('@') + QString::number(t.line) +
                   (t.marked ? QStringLiteral("!") : QString()) +
                   (t.inClassContext ? QStringLiteral("?") : QString());
    return out;
}

QVector<SourceText> texts(const QList<QPair<QString, QString>>& textAndFile) {
    QVector<SourceText> out;
    for (const auto& [text, file] : textAndFile)
        out.append({text, file, 1, true});
    return out;
}

TsMessage message(const QString& source, const QString& translation,
                  TsMessage::State state = TsMessage::State::Finished) {
    return {source, translation, state, {}};
}

TsFile ts(const QVector<TsMessage>& messages) {
    TsFile f;
    f.messages = messages;
    return f;
}

// "source=translation/state[files]" per message.
QStringList told(const TsFile& f) {
    QStringList out;
    for (const TsMessage& m : f.messages)
        out << m.source + QLatin1Char('=') + m.translation + QLatin1Char('/') +
                   QString::number(int(m.state)) + QLatin1Char('[') + m.files.join(QLatin1Char(',')) +
                   QLatin1Char(']');
    return out;
}

} // namespace

class TestSourceTexts : public QObject {
    Q_OBJECT
private slots:
    void literals_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one literal") << QByteArray("auto s = QStringLiteral(\"搜索\");")
                                     << QStringList{"搜索@1"};
        QTest::newRow("latin text is not ours") << QByteArray("f(\"COM\", \"Form1\");") << QStringList{};
        QTest::newRow("comments are skipped")
            << QByteArray("// \"注释\"\n/* \"块\n注释\" */ f(\"真\");") << QStringList{"真@3"};
        QTest::newRow("adjacent pieces are one text")
            << QByteArray("f(\"第一\"\n  // between\n  \"第二\");") << QStringList{"第一第二@1"};
        QTest::newRow("pieces apart are two texts")
            << QByteArray("f(\"一\", \"二\");") << QStringList{"一@1", "二@1"};
        QTest::newRow("escapes as the compiler reads them")
            << QByteArray("f(\"行一\\n引\\\"号\\\\\\x41\\101\");") << QStringList{"行一\n引\"号\\AA@1"};
        QTest::newRow("prefixed and raw literals")
            << QByteArray("f(u8\"前缀\"); g(R\"x(原\"样)x\");") << QStringList{"前缀@1", "原\"样@1"};
        QTest::newRow("a quote in a character literal opens nothing")
            << QByteArray("char q = '\"'; f(\"后\");") << QStringList{"后@1"};
        QTest::newRow("a digit separator opens nothing")
            << QByteArray("int n = 1'000; f(\"数\"); char c = 'x';") << QStringList{"数@1"};
        QTest::newRow("full-width punctuation counts")
            << QByteArray("f(\"COM%1：\");") << QStringList{"COM%1：@1"};
        QTest::newRow("marked for translation")
            << QByteArray("constexpr Text k = QT_TRANSLATE_NOOP(\"commtest\", \"标\");\n"
                          "const QString p = QStringLiteral(QT_TRANSLATE_NOOP(\"commtest\",\n  \"标二\"));")
            << QStringList{"标@1!", "标二@3!"};
        QTest::newRow("a QObject's tr is the class's context")
            << QByteArray("a(tr(\"类\")); b(i18n::tr(\"共\")); c(QObject::tr(\"类二\"));")
            << QStringList{"类@1?", "共@1", "类二@1?"};
        QTest::newRow("another context is no mark")
            << QByteArray("QT_TRANSLATE_NOOP(\"other\", \"别\")") << QStringList{"别@1"};
        QTest::newRow("unterminated literal ends at its line")
            << QByteArray("f(\"断\n); g(\"续\");") << QStringList{"断@1", "续@2"};
    }
    void literals() {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, expected);
        QCOMPARE(found(source), expected);
    }

    void refresh_data() {
        QTest::addColumn<TsFile>("before");
        QTest::addColumn<QVector<SourceText>>("sources");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("vanished");
        using S = TsMessage::State;
        const auto texts2 = texts({{"甲", "a.h"}, {"乙", "b.cpp"}, {"甲", "c.h"}});
        QTest::newRow("new texts come in unfinished, in order of use, with every file")
            << ts({}) << texts2 << QStringList{"甲=/1[a.h,c.h]", "乙=/1[b.cpp]"} << 2 << 0;
        QTest::newRow("translations are kept")
            << ts({message("乙", "B"), message("甲", "A", S::Unfinished)}) << texts2
            << QStringList{"甲=A/1[a.h,c.h]", "乙=B/0[b.cpp]"} << 0 << 0;
        QTest::newRow("a translated text no longer used stays behind as vanished")
            << ts({message("丙", "C"), message("丁", "")}) << texts({{"甲", "a.h"}})
            << QStringList{"甲=/1[a.h]", "丙=C/2[]"} << 1 << 1;
        QTest::newRow("a vanished text used again comes back to be looked at")
            << ts({message("甲", "A", S::Vanished)}) << texts({{"甲", "a.h"}}) << QStringList{"甲=A/1[a.h]"}
            << 0 << 0;
    }
    void refresh() {
        QFETCH(TsFile, before);
        QFETCH(QVector<SourceText>, sources);
        QFETCH(QStringList, after);
        RefreshCount count;
        QCOMPARE(told(refreshed(before, sources, &count)), after);
        QTEST(count.added, "added");
        QTEST(count.vanished, "vanished");
    }

    void gaps_data() {
        QTest::addColumn<TsMessage>("entry");
        QTest::addColumn<QString>("problem"); // empty: none
        using S = TsMessage::State;
        QTest::newRow("finished") << message("第 %1 行", "Line %1") << QString();
        QTest::newRow("no entry") << message("别的", "Other") << "has no entry";
        QTest::newRow("unfinished") << message("第 %1 行", "Line %1", S::Unfinished)
                                    << "no finished translation";
        QTest::newRow("empty") << message("第 %1 行", " ") << "no finished translation";
        QTest::newRow("vanished") << message("第 %1 行", "Line %1", S::Vanished) << "no finished translation";
        QTest::newRow("a place marker lost") << message("第 %1 行", "Line") << "place markers";
        QTest::newRow("a place marker renumbered") << message("第 %1 行", "Line %2") << "place markers";
    }
    void gaps() {
        QFETCH(TsMessage, entry);
        QFETCH(QString, problem);
        const QStringList gaps = translationGaps(ts({entry}), texts({{"第 %1 行", "a.h"}}));
        if (problem.isEmpty()) {
            QVERIFY2(gaps.isEmpty(), qPrintable(gaps.join('\n')));
        } else {
            QCOMPARE(gaps.size(), 1);
            QVERIFY2(gaps.first().contains(problem) && gaps.first().startsWith("a.h:1:"),
                     qPrintable(gaps.first()));
        }
    }

    void gapsOfMenusAndExemptions_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("exemption");
        QTest::addColumn<bool>("gap");
        QTest::newRow("access key kept") << "文件(&F)"
                                         << "&File" << QString() << false;
        QTest::newRow("access key lost") << "文件(&F)"
                                         << "File" << QString() << true;
        QTest::newRow("a double ampersand is no access key") << "文件(&F)"
                                                             << "File && more" << QString() << true;
        QTest::newRow("Chinese left in the translation") << "文件"
                                                         << "File 文件" << QString() << true;
        QTest::newRow("exempt file") << "文件"
                                     << ""
                                     << "src/a.h" << false;
        QTest::newRow("exempt folder") << "文件"
                                       << ""
                                       << "src/" << false;
        QTest::newRow("a folder is not a prefix of a name") << "文件"
                                                            << ""
                                                            << "sr" << true;
        QTest::newRow("exempt text") << "文件"
                                     << ""
                                     << "\"文件\"" << false;
    }
    void gapsOfMenusAndExemptions() {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, exemption);
        const TsFile file = ts({message(source, translation)});
        const QStringList gaps = translationGaps(file, texts({{source, "src/a.h"}}),
                                                 readExemptions("# why\n" + exemption.toUtf8() + "\n"));
        QTEST(!gaps.isEmpty(), "gap");
    }

    void unmarkedInTextsHeaders() {
        QVector<SourceText> all = {{"甲", "app/x_texts.h", 3, false, false},
                                   {"乙", "app/x_texts.h", 4, true, false},
                                   {"丙", "app/x.cpp", 5, false, false},
                                   {"丁", "app/y.cpp", 6, false, true}};
        const QStringList unmarked = unmarkedTexts(all);
        QCOMPARE(unmarked.size(), 2);
        QVERIFY(unmarked[0].startsWith("app/x_texts.h:3:"));
        QVERIFY(unmarked[1].startsWith("app/y.cpp:6:") && unmarked[1].contains("i18n::tr"));
    }

    void fileRoundTrip() {
        TsFile f = ts({message("两行\n文本", "Two\nlines"), message("1路    ", "Ch 1    "),
                       message("<&\"'>", "<&\"'>", TsMessage::State::Unfinished),
                       message("旧", "Old", TsMessage::State::Vanished)});
        f.messages[0].files = {"../a.h", "../b.cpp"};
        const TsFile back = readTs(writeTs(f));
        QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
        QCOMPARE(told(back), told(f));
    }

    void unreadableFiles_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("not XML") << QByteArray("\"COM1\",\"9600\"");
        QTest::newRow("broken XML") << QByteArray("<TS><context><name>commtest</name><message>");
        QTest::newRow("another XML file") << QByteArray("<html><body/></html>");
    }
    void unreadableFiles() {
        QFETCH(QByteArray, xml);
        QVERIFY(!readTs(xml).error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSourceTexts)
#include "test_source_texts.moc"
