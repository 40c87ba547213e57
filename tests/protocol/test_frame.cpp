#include "protocol/frame.h"

#include <QTest>

using namespace protocol;

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void byteToHex_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("zero") << 0 << QByteArray("00");
        QTest::newRow("ten pads") << 10 << QByteArray("0A");
        QTest::newRow("max") << 255 << QByteArray("FF");
        QTest::newRow("above range") << 256 << QByteArray("FF");
        QTest::newRow("negative") << -1 << QByteArray("FF");
    }
    void byteToHex() {
        QFETCH(int, value);
        QFETCH(QByteArray, hex);
        QCOMPARE(ByteToHex(value), hex);
    }

    void readRequest_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("address 1") << 1 << QByteArray("@01RD17\r");
        QTest::newRow("address 15") << 15 << QByteArray("@0FRD60\r");
        QTest::newRow("address 200") << 200 << QByteArray("@C8RD6D\r");
    }
    void readRequest() {
        QFETCH(int, address);
        QFETCH(QByteArray, request);
        QCOMPARE(protocol::readRequest(protocol::addressField(address)), request);
        QVERIFY(CheckReply(request));
    }

    void addressField_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("below sixteen") << 10 << QByteArray("0A");
        QTest::newRow("two digits") << 255 << QByteArray("FF");
        QTest::newRow("three digits") << 256 << QByteArray("100");
        QTest::newRow("largest") << 32767 << QByteArray("7FFF");
        QTest::newRow("minus one") << -1 << QByteArray("0FFFF");
        QTest::newRow("most negative") << -32768 << QByteArray("08000");
    }
    void addressField() {
        QFETCH(int, address);
        QFETCH(QByteArray, field);
        QCOMPARE(protocol::addressField(address), field);
    }

    void checkReply_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::newRow("two body chars") << QByteArray("@AB03\r") << true;
        QTest::newRow("non-hex body") << QByteArray("@AJ0B\r") << true;
        QTest::newRow("lower-case check") << QByteArray("@AJ0b\r") << false;
        QTest::newRow("no body") << QByteArray("@AB\r") << false;
        QTest::newRow("no at") << QByteArray("01RD17\r") << false;
        QTest::newRow("no CR") << QByteArray("@01RD17") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("noise before at") << QByteArray("xx@01RD17\r") << true;
        QTest::newRow("wrong check") << QByteArray("@01RD18\r") << false;
        QTest::newRow("CR before at") << QByteArray("\r@01RD17") << false;
        QTest::newRow("high bytes in body") << QByteArray("@\xC8\xC8"
                                                          "00\r")
                                            << true;
    }
    void checkReply() {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        QCOMPARE(CheckReply(line), valid);
    }

    void cutReplyLine_data() {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QByteArray>("line");
        const QByteArray req = "@01RD17\r";
        QTest::newRow("no CR yet") << QByteArray("@01") << req << false << QByteArray();
        QTest::newRow("clean reply") << QByteArray("@0100000200\r") << req << true
                                     << QByteArray("@0100000200\r");
        QTest::newRow("second reply ignored")
            << QByteArray("@AB03\r@01RD17\r") << QByteArray() << true << QByteArray("@AB03\r");
        QTest::newRow("noise dropped")
            << QByteArray("xx@01RD17\r") << QByteArray() << true << QByteArray("@01RD17\r");
        QTest::newRow("echo skipped")
            << QByteArray("@01RD17\r@AB03\r") << req << true << QByteArray("@AB03\r");
        QTest::newRow("echo then nothing") << QByteArray("@01RD17\r@AB") << req << false << QByteArray();
        QTest::newRow("noisy echo skipped")
            << QByteArray("\x7f@01RD17\r\x01@AB03\r") << req << true << QByteArray("@AB03\r");
        QTest::newRow("echo skipped once only") << QByteArray("@01RD17\r@01RD17\r") << req << true << req;
        QTest::newRow("line without at kept")
            << QByteArray("garbage\r@AB03\r") << req << true << QByteArray("garbage\r");
    }
    void cutReplyLine() {
        QFETCH(QByteArray, buffer);
        QFETCH(QByteArray, sent);
        QFETCH(bool, found);
        QFETCH(QByteArray, line);
        const auto cut = protocol::cutReplyLine(buffer, sent);
        QCOMPARE(cut.has_value(), found);
        if (found) QCOMPARE(*cut, line);
    }

    void replyFields_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("type");
        QTest::newRow("frequency meter") << QByteArray("@1F000016") << 31 << 0x16;
        QTest::newRow("lower-case type") << QByteArray("@1F00000a") << 31 << 0x0A;
        QTest::newRow("short line") << QByteArray("@1") << 1 << 0;
        QTest::newRow("non-hex") << QByteArray("@G1xxxxZZ") << 0 << 0;
    }
    void replyFields() {
        QFETCH(QByteArray, line);
        QFETCH(int, address);
        QFETCH(int, type);
        QCOMPARE(replyAddress(line), address);
        QCOMPARE(replyTypeCode(line), type);
    }
};

QTEST_APPLESS_MAIN(TestFrame)
#include "test_frame.moc"
