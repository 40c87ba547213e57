// The reply reader fed from outside: which line is the answer to a request, and, listening, every
// line in turn. What the engine's listeners hear of it is tested with the engine.
#include "engine/reply_reader.h"
#include "reply_frame.h"

#include <QTest>

using engine::ReplyReader;
using engine::ReplyStatus;

namespace {

const QByteArray kAsk01 = protocol::readRequest("01");

// Each piece as one text: "echo @01RD17", "noise 2", "accepted @01...", "bad x\r".
class Transcript final : public engine::CutObserver {
public:
    void echoSkipped(const QByteArray& line) override { lines << "echo " + line.trimmed(); }
    void noiseDropped(const QByteArray& noise) override {
        lines << "noise " + QByteArray::number(noise.size());
    }
    void lineCut(const QByteArray& line, ReplyStatus status) override {
        lines << (status == ReplyStatus::Accepted ? "accepted " : "bad ") + line.trimmed();
    }
    QByteArrayList lines;
};

QString statusName(ReplyStatus status) {
    switch (status) {
    case ReplyStatus::NoneYet: return QStringLiteral("none yet");
    case ReplyStatus::Accepted: return QStringLiteral("accepted");
    case ReplyStatus::BadCheck: return QStringLiteral("bad check");
    }
    return {};
}

} // namespace

class TestReplyReader : public QObject {
    Q_OBJECT
private slots:
    void answer_data();
    void answer();
    void answerHeldUntilTheNextRequest();
    void everyLineWhenListening_data();
    void everyLineWhenListening();
};

void TestReplyReader::answer_data() {
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("echo");
    QTest::addColumn<int>("noise");
    QTest::addColumn<bool>("receiving");

    const QByteArray good = reply("01", "16");
    const QByteArray damaged = QByteArray(good).replace(10, 1, "9");
    QTest::newRow("nothing came") << QByteArrayList{} << "none yet" << QByteArray() << false << 0 << false;
    QTest::newRow("reply still arriving")
        << QByteArrayList{good.left(6)} << "none yet" << QByteArray() << false << 0 << true;
    QTest::newRow("reply in pieces") << QByteArrayList{good.left(3), good.mid(3, 5), good.mid(8)}
                                     << "accepted" << good << false << 0 << false;
    QTest::newRow("own echo only") << QByteArrayList{kAsk01} << "none yet" << QByteArray() << true << 0
                                   << false;
    QTest::newRow("own echo, reply arriving")
        << QByteArrayList{kAsk01 + good.left(4)} << "none yet" << QByteArray() << true << 0 << true;
    QTest::newRow("own echo, then reply")
        << QByteArrayList{kAsk01, good} << "accepted" << good << true << 0 << false;
    QTest::newRow("noise before the reply")
        << QByteArrayList{QByteArray::fromHex("00ff") + good} << "accepted" << good << false << 2 << false;
    QTest::newRow("noise before echo and reply")
        << QByteArrayList{"x" + kAsk01 + "yz" + good} << "accepted" << good << true << 2 << false;
    QTest::newRow("bad check") << QByteArrayList{damaged} << "bad check" << damaged << false << 0 << false;
    QTest::newRow("damaged line hides the good one behind it")
        << QByteArrayList{damaged + good} << "bad check" << damaged << false << 0 << false;
    QTest::newRow("first of two replies")
        << QByteArrayList{good + reply("02", "1E")} << "accepted" << good << false << 0 << false;
    // Another master's request checks like any frame; only our own is an echo.
    QTest::newRow("someone else's request") << QByteArrayList{protocol::readRequest("02")} << "accepted"
                                            << protocol::readRequest("02") << false << 0 << false;
    QTest::newRow("only the first line can be the echo")
        << QByteArrayList{kAsk01 + kAsk01} << "accepted" << kAsk01 << true << 0 << false;
}

void TestReplyReader::answer() {
    QFETCH(QByteArrayList, chunks);
    QFETCH(QString, status);
    QFETCH(QByteArray, line);
    QFETCH(bool, echo);
    QFETCH(int, noise);
    QFETCH(bool, receiving);
    ReplyReader reader;
    reader.startRequest(kAsk01);
    for (const QByteArray& chunk : chunks)
        reader.feed(chunk);
    QCOMPARE(statusName(reader.status()), status);
    QCOMPARE(reader.line(), line);
    QCOMPARE(reader.echoSkipped(), echo);
    QCOMPARE(reader.noiseDropped(), noise);
    QCOMPARE(reader.receiving(), receiving);
    QCOMPARE(reader.buffer(), chunks.join());
}

void TestReplyReader::answerHeldUntilTheNextRequest() {
    ReplyReader reader;
    reader.startRequest(kAsk01);
    reader.feed(reply("01", "16"));
    Transcript heard;
    reader.feed(reply("01", "1E") + "tail", &heard);
    QCOMPARE(reader.line(), reply("01", "16"));
    QVERIFY(heard.lines.isEmpty()); // nothing after the answer is cut
    QVERIFY(!reader.receiving());

    reader.startRequest(protocol::readRequest("02"));
    QCOMPARE(reader.status(), ReplyStatus::NoneYet);
    QCOMPARE(reader.buffer(), QByteArray());
    // The tail of a reply that was still arriving is the first line of the new window.
    reader.feed("0000\r" + reply("02", "16"));
    QCOMPARE(reader.status(), ReplyStatus::BadCheck);

    reader.clear();
    QCOMPARE(reader.request(), QByteArray());
    QCOMPARE(reader.line(), QByteArray());
}

void TestReplyReader::everyLineWhenListening_data() {
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArrayList>("heard");
    QTest::addColumn<int>("left"); // bytes kept for a line still arriving
    const QByteArray good = reply("01", "16");
    QTest::newRow("request and reply of another master")
        << QByteArrayList{kAsk01 + good} << QByteArrayList{"accepted @01RD17", "accepted " + good.trimmed()}
        << 0;
    QTest::newRow("line completed by a later chunk")
        << QByteArrayList{"z" + good.left(4), good.mid(4) + "@0"}
        << QByteArrayList{"noise 1", "accepted " + good.trimmed()} << 2;
    QTest::newRow("endless line dropped as noise")
        << QByteArrayList{QByteArray(ReplyReader::kLongestLine + 1, 'x')}
        << QByteArrayList{"noise " + QByteArray::number(ReplyReader::kLongestLine + 1)} << 0;
}

void TestReplyReader::everyLineWhenListening() {
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArrayList, heard);
    QFETCH(int, left);
    ReplyReader reader;
    reader.setEveryLine(true);
    Transcript transcript;
    for (const QByteArray& chunk : chunks)
        reader.feed(chunk, &transcript);
    QCOMPARE(transcript.lines, heard);
    QCOMPARE(reader.buffer().size(), left);
}

QTEST_GUILESS_MAIN(TestReplyReader)
#include "test_reply_reader.moc"
