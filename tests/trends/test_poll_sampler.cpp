// One sample per poll from the reader the engine keeps: whatever the line brought, however many
// reply ticks saw it.
#include "diagnosis/poll_sampler.h"
#include "reply_frame.h"
#include "views/instrument_types.h"

#include <QTest>

using diagnosis::PollSampler;

class TestPollSampler : public QObject {
    Q_OBJECT
private slots:
    void onePerPoll_data();
    void onePerPoll();
    void stoppedPollForgotten();
};

void TestPollSampler::onePerPoll_data() {
    QTest::addColumn<QByteArray>("input"); // what the line brings after the request to address 01
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<bool>("hasReadings");
    QTest::addColumn<int>("toldAtTick"); // 0: only when the next request goes out

    const QByteArray request = protocol::readRequest(protocol::addressField(1));
    QByteArray damaged = reply("01", "16");
    damaged[3] = '9';
    QTest::newRow("accepted") << reply("01", "16") << QString() << 0x16 << true << 1;
    QTest::newRow("echo, then the reply") << request + reply("01", "16") << QString() << 0x16 << true << 1;
    QTest::newRow("silence") << QByteArray() << diagnosis::kNoReply << -1 << false << 0;
    QTest::newRow("half a line") << reply("01", "16").left(8) << diagnosis::kNoReply << -1 << false << 0;
    QTest::newRow("bad check") << damaged << diagnosis::kBadCheck << -1 << false << 1;
    QTest::newRow("another address") << reply("02", "16") << diagnosis::kWrongAddress << -1 << false << 1;
    QTest::newRow("unlisted type") << reply("01", "0C") << QString() << 0x0C << false << 1;
}

void TestPollSampler::onePerPoll() {
    QFETCH(QByteArray, input);
    QFETCH(QString, verdict);
    QFETCH(int, typeCode);
    QFETCH(bool, hasReadings);
    QFETCH(int, toldAtTick);

    QList<protocol::Sample> told;
    qint64 wall = 1000;
    PollSampler sampler;
    sampler.setSink([&told](const protocol::Sample& s) { told << s; });
    sampler.setWallClock([&wall] { return wall; });
    protocol::Reading pv;
    pv.key = QStringLiteral("PV");
    pv.value = 12.5;
    const protocol::Readings readings{pv};

    engine::ReplyReader reader;
    sampler.requestSent(reader, 1);
    reader.startRequest(protocol::readRequest(protocol::addressField(1)));
    reader.feed(input);
    for (int tick = 1; tick <= 3; ++tick) {
        sampler.replyTick(reader, readings);
        QCOMPARE(told.size(), toldAtTick && tick >= toldAtTick ? 1 : 0);
    }
    wall = 3000;
    sampler.requestSent(reader, 1);
    QCOMPARE(told.size(), 1);
    const protocol::Sample& s = told.first();
    QCOMPARE(s.epochMs, 1000); // when the request went out, not when its outcome was known
    QCOMPARE(s.address, 1);
    QCOMPARE(s.verdict, verdict);
    QCOMPARE(s.typeCode, typeCode);
    QCOMPARE(s.model, typeCode >= 0 ? views::modelNameOf(typeCode) : QString());
    QCOMPARE(s.readings.size(), hasReadings ? size_t(1) : size_t(0));
    QVERIFY(sampler.pollOpen());
}

void TestPollSampler::stoppedPollForgotten() {
    int told = 0;
    PollSampler sampler;
    sampler.setSink([&told](const protocol::Sample&) { ++told; });
    engine::ReplyReader reader;
    sampler.requestSent(reader, 1);
    sampler.reset(); // the window closed with a request out
    sampler.replyTick(reader, {});
    sampler.requestSent(reader, 1); // the next opening's first request
    QCOMPARE(told, 0);
}

QTEST_GUILESS_MAIN(TestPollSampler)
#include "test_poll_sampler.moc"
