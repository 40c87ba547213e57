#include "fake_link.h"
#include "protocol/frame.h"
#include "tools/soak/reply_tally.h"
#include "tools/soak/tapped_link.h"

#include <QSignalSpy>
#include <QTest>

using soak::Outcome;

Q_DECLARE_METATYPE(soak::Outcome)

namespace {

const QByteArray kRequest = protocol::readRequest("01");

// A reply from address 01 with type 02 and a made-up data field, check included.
QByteArray reply(const QByteArray& data = "E80301") {
    const QByteArray body = "01000002" + data;
    return '@' + body + protocol::MakeCheck(body) + '\r';
}

QByteArray withWrongCheck(QByteArray frame) {
    const int check = frame.size() - 3;
    frame[check] = frame[check] == '0' ? '1' : '0';
    return frame;
}

} // namespace

class TestSoakTally : public QObject {
    Q_OBJECT
private slots:
    void judge_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("clean reply") << reply() << Outcome::Accepted;
        QTest::newRow("echo then reply") << kRequest + reply() << Outcome::Accepted;
        QTest::newRow("noise before the reply") << "\x11\x7f" + reply() << Outcome::Accepted;
        QTest::newRow("echo alone") << kRequest << Outcome::Unanswered;
        QTest::newRow("nothing") << QByteArray() << Outcome::Unanswered;
        QTest::newRow("reply still arriving") << reply().chopped(1) << Outcome::Unanswered;
        QTest::newRow("wrong check") << withWrongCheck(reply()) << Outcome::Rejected;
        QTest::newRow("tail of an older reply") << QByteArray("0301\r") + reply() << Outcome::Rejected;
        QTest::newRow("bad line hides a good one") << withWrongCheck(reply()) + reply() << Outcome::Rejected;
    }
    void judge() {
        QFETCH(QByteArray, received);
        QFETCH(Outcome, outcome);
        QCOMPARE(soak::judge(received, kRequest), outcome);
    }

    void countsEachRequestOnce() {
        soak::ReplyTally tally;
        tally.received("stray input before any request\r");
        tally.requestSent(kRequest);
        tally.received(kRequest);
        tally.received(reply().left(5));
        tally.received(reply().mid(5)); // the reply in two reads is still one reply
        tally.requestSent(kRequest);
        tally.received(withWrongCheck(reply()));
        tally.requestSent(kRequest); // nothing comes back
        tally.endOfLine();
        tally.endOfLine(); // closing twice judges nothing twice
        QCOMPARE(tally.requests(), 3);
        QCOMPARE(tally.accepted(), 1);
        QCOMPARE(tally.rejected(), 1);
        QCOMPARE(tally.unanswered(), 1);
        QCOMPARE(tally.bytesReceived(), qint64(31 + kRequest.size() + 2 * reply().size()));
    }

    void tappedLinkSeesWhatTheWindowsSee() {
        FakeLink real;
        soak::ReplyTally tally;
        soak::TappedLink link(real, tally);
        link.setPortNumber(3);
        link.setSettings(QStringLiteral("19200,n,8,1"));
        QCOMPARE(link.open(), serial::NoError);
        QCOMPARE(real.portNumber(), qint16(3)); // the real port opens with what the windows set
        QCOMPARE(real.settings(), QStringLiteral("19200,n,8,1"));

        link.write(kRequest);
        QCOMPARE(real.written, QList<QByteArray>{kRequest});
        real.input = reply();
        QCOMPARE(link.readAll(), reply());
        link.close();
        QVERIFY(!real.isOpen());
        QCOMPARE(tally.accepted(), 1);
    }

    void lossIsCountedAndPassedOn() {
        FakeLink real;
        soak::ReplyTally tally;
        soak::TappedLink link(real, tally);
        QSignalSpy lost(&link, &serial::SerialLink::lost);
        QCOMPARE(link.open(), serial::NoError);
        link.write(kRequest);
        real.unplug();
        QCOMPARE(lost.count(), 1);
        QCOMPARE(link.losses(), 1);
        QCOMPARE(tally.unanswered(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSoakTally)
#include "test_soak_tally.moc"
