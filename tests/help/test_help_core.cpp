// The manual's contents and search, the shipped manual in both languages, the recent traffic kept
// for a support request and the support text itself.
#include "help/manual_index.h"
#include "help/support_info.h"
#include "help/traffic_ring.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPage = QStringLiteral(
    "<html><head><title>t</title></head><body><h1>仪表 <b>列表</b></h1><p>Intro &amp; more</p>"
    "<h2 id=\"save\">保存列表</h2><p>CSV 文件 Spreadsheet</p>"
    "<h2>No id, part of save</h2><p>hidden words</p>"
    "<h2 class=\"x\" id=\"open\">打开列表</h2><p>Ctrl+O 文件 &lt;damaged&gt;</p></body></html>");

help::ManualIndex indexOf(const QString& html) {
    QTemporaryDir dir;
    QFile contents(dir.filePath(QStringLiteral("contents.txt")));
    if (!contents.open(QIODevice::WriteOnly)) return {};
    contents.write("# comment\n\nlist.html\n");
    contents.close();
    QFile page(dir.filePath(QStringLiteral("list.html")));
    if (!page.open(QIODevice::WriteOnly)) return {};
    page.write(html.toUtf8());
    page.close();
    help::ManualIndex index;
    index.load(dir.path());
    return index;
}

QStringList targets(const std::vector<help::Section>& sections) {
    QStringList out;
    for (const help::Section& s : sections)
        out << s.target;
    return out;
}

engine::TrafficEvent trafficEvent(engine::TrafficKind kind, const QByteArray& bytes, int address = -1,
                                  int count = 0) {
    engine::TrafficEvent e;
    e.kind = kind;
    e.bytes = bytes;
    e.address = address;
    e.count = count;
    return e;
}

} // namespace

Q_DECLARE_METATYPE(engine::TrafficEvent)

class TestHelpCore : public QObject {
    Q_OBJECT
private slots:
    void contents() {
        const help::ManualIndex index = indexOf(kPage);
        QCOMPARE(targets(index.sections()), (QStringList{"list.html", "list.html#save", "list.html#open"}));
        QCOMPARE(index.sections()[0].title, QStringLiteral("仪表 列表"));
        QVERIFY(index.sections()[0].isPage);
        QCOMPARE(index.sections()[2].title, QStringLiteral("打开列表"));
    }

    void search_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("one section") << QStringLiteral("ctrl+o") << QStringList{"list.html#open"};
        QTest::newRow("word in two sections")
            << QStringLiteral("文件") << QStringList{"list.html#save", "list.html#open"};
        QTest::newRow("all words must be there")
            << QStringLiteral("文件 csv") << QStringList{"list.html#save"};
        QTest::newRow("title counts") << QStringLiteral("打开列表") << QStringList{"list.html#open"};
        QTest::newRow("page introduction, entity decoded")
            << QStringLiteral("intro & more") << QStringList{"list.html"};
        QTest::newRow("heading without id belongs to the one before")
            << QStringLiteral("hidden") << QStringList{"list.html#save"};
        QTest::newRow("markup is not text") << QStringLiteral("<b>") << QStringList{};
        QTest::newRow("decoded angle brackets are")
            << QStringLiteral("<damaged>") << QStringList{"list.html#open"};
        QTest::newRow("nothing") << QStringLiteral("modbus") << QStringList{};
        QTest::newRow("blank query") << QStringLiteral("   ") << QStringList{};
    }
    void search() {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        QCOMPARE(targets(indexOf(kPage).search(query)), found);
    }

    void loadProblems() {
        QTemporaryDir dir;
        help::ManualIndex index;
        QVERIFY(index.load(dir.filePath(QStringLiteral("none"))).startsWith(QStringLiteral("找不到手册")));
        QFile contents(dir.filePath(QStringLiteral("contents.txt")));
        QVERIFY(contents.open(QIODevice::WriteOnly));
        contents.write("gone.html\n");
        contents.close();
        QCOMPARE(index.load(dir.path()), QStringLiteral("手册缺少页面：gone.html"));
        QVERIFY(index.sections().empty());
    }

    // The manual as shipped: both languages whole, the same shape, every picture there.
    void shippedManual_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("zh") << QStringLiteral("zh");
        QTest::newRow("en") << QStringLiteral("en");
    }
    void shippedManual() {
        QFETCH(QString, language);
        const QString root = QStringLiteral(COMMTEST_MANUAL_SOURCE);
        help::ManualIndex index, chinese;
        QCOMPARE(index.load(help::manualFolder(root + QStringLiteral("/.."), language)), QString());
        QCOMPARE(chinese.load(help::manualFolder(root + QStringLiteral("/.."), QStringLiteral("zh"))),
                 QString());
        QCOMPARE(targets(index.sections()), targets(chinese.sections()));
        static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
        for (const QString& page :
             QDir(root + QLatin1Char('/') + language).entryList({QStringLiteral("*.html")})) {
            QFile f(root + QLatin1Char('/') + language + QLatin1Char('/') + page);
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (auto it = image.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();) {
                const QString src = it.next().captured(1);
                QVERIFY2(QFileInfo::exists(root + QLatin1Char('/') + language + QLatin1Char('/') + src),
                         qPrintable(page + QStringLiteral(": ") + src));
            }
        }
    }

    void trafficLines_data() {
        using K = engine::TrafficKind;
        QTest::addColumn<engine::TrafficEvent>("event");
        QTest::addColumn<QString>("line");
        QTest::newRow("request") << trafficEvent(K::RequestWritten, "@1FRD61\r", 31)
                                 << QStringLiteral("12:00:01.250  发送  @1FRD61\\r");
        QTest::newRow("reply") << trafficEvent(K::ReplyAccepted, "@1F0000160\r")
                               << QStringLiteral("12:00:01.250  应答  @1F0000160\\r");
        QTest::newRow("bad check") << trafficEvent(K::ReplyBadCheck, "@1FXX\r")
                                   << QStringLiteral("12:00:01.250  校验错  @1FXX\\r");
        QTest::newRow("binary noise") << trafficEvent(K::NoiseDropped, QByteArray("\x00\xFF\\", 3), -1, 3)
                                      << QStringLiteral("12:00:01.250  丢弃 3 字节  \\x00\\xff\\x5c");
        QTest::newRow("no reply") << trafficEvent(K::NoReply, {}, 31)
                                  << QStringLiteral("12:00:01.250  无应答 地址 31");
    }
    void trafficLines() {
        QFETCH(engine::TrafficEvent, event);
        QFETCH(QString, line);
        QCOMPARE(help::TrafficRing::line(event, QDateTime(QDate(2026, 1, 2), QTime(12, 0, 1, 250))), line);
    }

    // The ring keeps the newest lines in order and leaves out raw chunks.
    void ringKeepsNewest_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("events");
        QTest::addColumn<QStringList>("kept"); // addresses of the NoReply lines kept
        QTest::newRow("fewer than room") << 5 << 3 << QStringList{"0", "1", "2"};
        QTest::newRow("exactly full") << 3 << 3 << QStringList{"0", "1", "2"};
        QTest::newRow("overflow drops oldest") << 2 << 5 << QStringList{"3", "4"};
    }
    void ringKeepsNewest() {
        QFETCH(int, capacity);
        QFETCH(int, events);
        QFETCH(QStringList, kept);
        qint64 tick = 0;
        help::TrafficRing ring(capacity, [&tick] { return QDateTime::fromMSecsSinceEpoch(++tick * 1000); });
        for (int i = 0; i < events; ++i) {
            ring.onTraffic(trafficEvent(engine::TrafficKind::BytesReceived, "@1F"));
            ring.onTraffic(trafficEvent(engine::TrafficKind::NoReply, {}, i));
        }
        QStringList addresses;
        for (const QString& l : ring.lines())
            addresses << l.section(QLatin1Char(' '), -1);
        QCOMPARE(addresses, kept);
    }

    void supportText_data() {
        QTest::addColumn<QStringList>("traffic");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("present");
        QTest::newRow("with traffic, mapped device")
            << QStringList{"a 发送", "b 应答"} << QStringLiteral("/dev/ttyUSB0")
            << QStringList{"程序：通讯测试软件 6.23", "Qt：运行 6.4.2，编译 6.4.0",
                           "系统：Debian GNU/Linux 12（Linux 6.1，x86_64）",
                           "通讯口：COM4，19200bps，设备 /dev/ttyUSB0",
                           "最近的通讯（最新的在最后）：\na 发送\nb 应答\n"};
        QTest::newRow("nothing on the line yet")
            << QStringList{} << QString()
            << QStringList{"通讯口：COM4，19200bps，默认设备", "（本次运行还没有通讯）"};
    }
    void supportText() {
        QFETCH(QStringList, traffic);
        QFETCH(QString, device);
        QFETCH(QStringList, present);
        help::SupportFacts f{QStringLiteral("6.23"),
                             QStringLiteral("6.4.2"),
                             QStringLiteral("6.4.0"),
                             QStringLiteral("Debian GNU/Linux 12"),
                             QStringLiteral("Linux 6.1"),
                             QStringLiteral("x86_64"),
                             4,
                             19200,
                             device,
                             traffic};
        const QString text = help::supportText(f);
        for (const QString& p : present)
            QVERIFY2(text.contains(p), qPrintable(p + QStringLiteral("\n---\n") + text));
    }
};

QTEST_GUILESS_MAIN(TestHelpCore)
#include "test_help_core.moc"
