// The list file: what is saved comes back the same, what a spreadsheet does to it is still read,
// and a file that is not a whole list is refused with a reason and no instruments.
#include "search/instrument_list.h"
#include "search/list_file.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray kHeader = QByteArrayLiteral("地址,地址字符,类型代码,型号,往返时间(ms),发现时间\r\n");

Instrument make(int address, int typeCode, int roundTripMs, const QDateTime& foundAt, QByteArray text = {}) {
    Instrument i;
    i.address = address;
    i.typeCode = typeCode;
    i.roundTripMs = roundTripMs;
    i.foundAt = foundAt;
    i.addressText = text.isEmpty() ? i.requestField() : text;
    return i;
}

const QDateTime kMorning(QDate(2026, 3, 4), QTime(8, 15, 30, 125));

} // namespace

using Instruments = std::vector<Instrument>;
Q_DECLARE_METATYPE(Instruments)

class TestListFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<Instruments>("instruments");
        QTest::newRow("one listed type") << Instruments{make(31, 0x02, 42, kMorning)};
        QTest::newRow("unknown round trip and time") << Instruments{make(1, 0x08, -1, QDateTime())};
        QTest::newRow("unlisted type code keeps its code") << Instruments{make(200, 0xEE, 7, kMorning)};
        QTest::newRow("address characters not of the address")
            << Instruments{make(5, 0x04, 12, kMorning, "0Z")};
        QTest::newRow("address characters with a comma and quote")
            << Instruments{make(6, 0x04, 12, kMorning, ",\"")};
        QTest::newRow("whole bus") << [] {
            Instruments all;
            for (int a = 0; a < 256; ++a)
                all.push_back(make(a, a % 2 ? 0x0A : 0x06, a, kMorning.addSecs(a)));
            return all;
        }();
    }
    void roundTrip() {
        QFETCH(Instruments, instruments);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("列表.csv"));
        QCOMPARE(listfile::save(path, instruments), QString());
        const listfile::ReadResult read = listfile::load(path);
        QCOMPARE(read.problem, QString());
        QCOMPARE(read.instruments.size(), instruments.size());
        for (size_t i = 0; i < instruments.size(); ++i)
            QCOMPARE(read.instruments[i], instruments[i]);
    }

    // What spreadsheet programs open: the byte-order mark, the header, the model name for people.
    void fileForSpreadsheets() {
        const QByteArray text = listfile::write({make(31, 0x02, 42, kMorning)});
        QVERIFY(text.startsWith(kBom + kHeader));
        QCOMPARE(text.mid(kBom.size() + kHeader.size()),
                 QByteArray("31,1F,02,LED系列——四位双报警单显表,42,2026-03-04 08:15:30.125\r\n"));
    }

    // Files a spreadsheet program saved back: still the same list.
    void resavedBySpreadsheet_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Instrument>("expected");
        const Instrument plain = make(1, 0x02, 9, QDateTime(QDate(2026, 3, 4), QTime(8, 15)));
        QTest::newRow("no byte-order mark, LF") << (kHeader + "1,01,02,x,9,2026-03-04 08:15\n") << plain;
        QTest::newRow("leading zeros dropped")
            << (kBom + kHeader + "1,1,2,x,9,2026-03-04 08:15\r\n") << plain;
        QTest::newRow("every cell quoted")
            << (kBom + kHeader + "\"1\",\"01\",\"02\",\"x\",\"9\",\"2026-03-04 08:15\"\r\n") << plain;
        QTest::newRow("semicolons, slashed date")
            << (QByteArray(kHeader).replace(',', ';') + "1;01;02;x;9;2026/3/4 8:15\r\n") << plain;
        QTest::newRow("trailing blank lines")
            << (kHeader + "1,01,02,x,9,2026-03-04 08:15\r\n\r\n\r\n") << plain;
        QTest::newRow("address characters left empty")
            << (kHeader + "1,,02,x,9,2026-03-04 08:15\r\n") << plain;
    }
    void resavedBySpreadsheet() {
        QFETCH(QByteArray, content);
        QFETCH(Instrument, expected);
        const listfile::ReadResult read = listfile::read(content);
        QCOMPARE(read.problem, QString());
        QCOMPARE(read.instruments.size(), size_t(1));
        QCOMPARE(read.instruments.front(), expected);
    }

    void badFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        const QByteArray row = "1,01,02,x,9,2026-03-04 08:15\r\n";
        QTest::newRow("empty") << QByteArray() << QStringLiteral("文件是空的");
        QTest::newRow("only a byte-order mark") << kBom << QStringLiteral("文件是空的");
        QTest::newRow("settings file") << QByteArray("\"COM2\",\"19200\"\r\n") << QStringLiteral("第 1 行");
        QTest::newRow("picture") << QByteArray("BM\x36\x00\x00\x00\x00\x00", 8) << QStringLiteral("不是");
        QTest::newRow("header only") << kHeader << QStringLiteral("文件中没有仪表");
        QTest::newRow("cut short") << (kHeader + "1,01,02,x")
                                   << QStringLiteral("第 2 行应有 6 列，实有 4 列");
        QTest::newRow("extra column") << (kHeader + "1,01,02,x,9,,z\r\n") << QStringLiteral("实有 7 列");
        QTest::newRow("address too large") << (kHeader + "256,01,02,x,9,\r\n") << QStringLiteral("地址“256”");
        QTest::newRow("address negative") << (kHeader + "-1,01,02,x,9,\r\n") << QStringLiteral("地址“-1”");
        QTest::newRow("address not a number")
            << (kHeader + "1F,01,02,x,9,\r\n") << QStringLiteral("地址“1F”");
        QTest::newRow("type code not hex")
            << (kHeader + "1,01,ZZ,x,9,\r\n") << QStringLiteral("类型代码“ZZ”");
        QTest::newRow("type code too long")
            << (kHeader + "1,01,102,x,9,\r\n") << QStringLiteral("类型代码“102”");
        QTest::newRow("round trip negative")
            << (kHeader + "1,01,02,x,-5,\r\n") << QStringLiteral("往返时间“-5”");
        QTest::newRow("round trip text") << (kHeader + "1,01,02,x,fast,\r\n") << QStringLiteral("往返时间");
        QTest::newRow("time garbled")
            << (kHeader + "1,01,02,x,9,yesterday\r\n") << QStringLiteral("发现时间");
        QTest::newRow("address characters too long")
            << (kHeader + "1,001,02,x,9,\r\n") << QStringLiteral("地址字符“001”");
        QTest::newRow("same address twice")
            << (kHeader + row + row) << QStringLiteral("第 3 行的地址 1 已在前面");
        QTest::newRow("bad row after good ones")
            << (kHeader + row + "2,02,02,x,9,\r\n" + "3,03") << QStringLiteral("第 4 行");
        QTest::newRow("quote never closed")
            << (kHeader + "1,\"01,02,x,9,\r\n") << QStringLiteral("引号没有结束");
        QTest::newRow("not UTF-8") << (kHeader + "1,01,02,\xB5\xE7,9,\r\n") << QStringLiteral("UTF-8");
        QTest::newRow("too large") << (kHeader + QByteArray(2 << 20, '\n')) << QStringLiteral("太大");
    }
    void badFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        const listfile::ReadResult read = listfile::read(content);
        QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
        QVERIFY(read.instruments.empty());
    }

    // Opening refuses a bad file before touching the list; saving over a file it cannot write says so.
    void fileSystemFaults() {
        QTemporaryDir dir;
        const listfile::ReadResult missing = listfile::load(dir.filePath(QStringLiteral("none.csv")));
        QVERIFY(missing.problem.startsWith(QStringLiteral("无法打开文件")));
        QVERIFY(listfile::save(dir.filePath(QStringLiteral("no/such/dir/a.csv")), {})
                    .startsWith(QStringLiteral("无法写入文件")));
    }

    // Filling the list leaves it as a scan would: one row each, the first current, the cells from the
    // type code (an unlisted code leaves the type cell empty).
    void fillList() {
        InstrumentList list;
        list.setCurrentRow(1);
        const Instruments in{make(3, 0x02, 5, kMorning), make(9, 0xEE, 5, kMorning)};
        listfile::fill(list, in);
        QCOMPARE(list.rows(), 3);
        QCOMPARE(list.currentRow(), 1);
        QCOMPARE(list.typeCell(1), QStringLiteral("LED系列——四位双报警单显表"));
        QCOMPARE(list.typeCell(2), QString());
        QCOMPARE(listfile::instrumentsOf(list), in);
        listfile::fill(list, {in[1]});
        QCOMPARE(list.rows(), 2);
        QCOMPARE(list.instrument(1)->address, 9);
    }
};

QTEST_GUILESS_MAIN(TestListFile)
#include "test_list_file.moc"
