// The readings of one reply of every type, worked out by hand from the reply's fields: each row a
// frame with literal fields and what it must read, as "KEY=value/decimals" in table order.
//
// Float fields used (exponent byte, then the mantissa as a fraction of 2^24):
//   00800000 0.5   00C00000 0.75   01800000 1   03A00000 5   04C80000 12.5   06C80000 50
//   07C80000 100   07FF0000 127.5  08DC0000 220  08FF0000 255  0AC80000 800   41800000 0.25
//   81800000 -1    82A00000 -2.5
// Fixed-point fields (low byte, high byte with the sign, decimal places):
//   D20401 123.4   E88301 -100.0  390502 13.37  0A0000 10  320000 50  E80305 0.01  E80301 100.0
#include "protocol/reading_number.h"
#include "reply_frame.h"
#include "views/instrument_types.h"

#include <QTest>

namespace {

QString readingsText(const protocol::Readings& readings) {
    QStringList out;
    for (const protocol::Reading& r : readings)
        out << QStringLiteral("%1=%2/%3")
                   .arg(r.key, QString::fromLatin1(protocol::readingNumber(r.value)))
                   .arg(r.decimals);
    return out.join(QLatin1Char(' '));
}

// What one call of the type's view reads from `frame`, on a panel laid out for the type.
protocol::Readings readingsOf(int code, const QByteArray& frame) {
    const views::InstrumentType* type = views::typeForCode(code);
    if (!type) qFatal("type %x is not listed", code);
    panel::PanelModel panel = panel::PanelModel::design();
    views::layoutForModel(type->model, panel);
    qint16 tn = 0;
    protocol::Readings readings;
    type->view(frame, panel, tn, readings);
    return readings;
}

QByteArray repeated(const QByteArray& field, int times) {
    return field.repeated(times);
}

} // namespace

class TestReadings : public QObject {
    Q_OBJECT

private slots:
    void workedReply_data();
    void workedReply();
};

void TestReadings::workedReply_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    const QByteArray zero8 = "00000000";
    const auto row = [](const char* name, int code, const QByteArray& data, const char* expected) {
        QTest::newRow(name) << code << data << QString::fromLatin1(expected);
    };

    // Single display: value, its decimals as a hexadecimal byte, four alarm states.
    row("02 value and alarms 00 01 02 03", 0x02,
        "D20401"
        "00010203",
        "PV=123.4/1 AL1=0/0 AL2=1/0 AL3=1/0 AL4=0/0");
    row("16 five decimals select no pattern, kept", 0x16,
        "E80305"
        "FF000000",
        "PV=0.01/5 AL1=0/0 AL2=0/0 AL3=0/0 AL4=0/0");
    row("06 five digits, the most negative", 0x06,
        "FFFF00"
        "02020202",
        "PV=-32767/0 AL1=1/0 AL2=1/0 AL3=1/0 AL4=1/0");
    row("04 decimals 0A: ten places, at most six kept", 0x04,
        "D2040A"
        "00000000",
        "PV=1.234e-07/6 AL1=0/0 AL2=0/0 AL3=0/0 AL4=0/0");

    row("08 two channels with their own decimals", 0x08,
        "390502"
        "E88301"
        "01020300",
        "CH01=13.37/2 CH02=-100/1 AL1=1/0 AL2=1/0 AL3=0/0 AL4=0/0");
    // Channel 13 lies over the alarm states (82-85).
    row("14 sixteen channels, the thirteenth over the alarm states", 0x14,
        "D20401" + repeated("000000", 11) +
            "0102"
            "00"
            "E80301" +
            repeated("000000", 2),
        "CH01=123.4/1 CH02=0/0 CH03=0/0 CH04=0/0 CH05=0/0 CH06=0/0 CH07=0/0 CH08=0/0 CH09=0/0 CH10=0/0 "
        "CH11=0/0 CH12=0/0 CH13=513/0 CH14=100/1 CH15=0/0 CH16=0/0 AL1=1/0 AL2=1/0");

    row("0A groups from 12, output by its own decimals", 0x0A,
        "00"
        "D20401"
        "0A0000"
        "320000"
        "00010203",
        "V1=123.4/1 V2=10/0 MV=50/0 AL1=0/0 AL2=1/0 AL3=1/0 AL4=0/0");
    row("0E set value one decimal, full-scale output 100 %", 0x0E,
        "01"
        "00"
        "D20401"
        "E88301"
        "390502"
        "08FF0000"
        "02000301",
        "V1=123.4/1 V2=-100/1 SV=13.37/1 MV=100/1 STATUS=1/0 AL1=1/0 AL2=0/0 AL3=0/0 AL4=1/0");
    row("10 segment, second input, status 01 dark", 0x10,
        "01"
        "07"
        "D20401"
        "E88301"
        "390502"
        "07FF0000"
        "0201",
        "V1=123.4/1 IN2=-100/1 V3=13.37/2 SEG=7/0 MV=50/1 STATUS=0/0 AL1=1/0 AL2=1/0");

    row("12 per hour and total hundreds*100+rest", 0x12,
        "82A00000"
        "00800000"
        "07C80000"
        "41800000"
        "04C80000"
        "03A00000"
        "0301",
        "TEMP=-2.5/1 PRES=0.5/1 MAIN=100/1 FLOW=900/1 TOTAL=1255/1 AL1=0/0 AL2=1/0");

    const QByteArray power = "08DC0000"
                             "03A00000"
                             "00C00000" +
                             repeated(zero8, 6) +
                             "06C80000"
                             "0AC80000"
                             "81800000";
    // The meter's alarm characters are the frequency field's first five: 0, 6, C, 8, 0.
    row("1E phases, powers, lamps from the frequency characters", 0x1E, power,
        "UA=220/1 IA=5/2 COSA=0.75/3 UB=0/1 IB=0/2 COSB=0/3 UC=0/1 IC=0/2 COSC=0/3 F=50/2 P=800/1 Q=-1/1 "
        "AL1=0/0 AL2=1/0 AL3=1/0 AL4=1/0 AL5=0/0");
    row("1F the same reply, no lamps", 0x1F, power,
        "UA=220/1 IA=5/2 COSA=0.75/3 UB=0/1 IB=0/2 COSB=0/3 UC=0/1 IC=0/2 COSC=0/3 F=50/2 P=800/1 Q=-1/1");

    const QByteArray totalizer = "04C80000"
                                 "82A00000" +
                                 zero8 +
                                 "41800000"
                                 "00800000"
                                 "04C80000"
                                 "03A00000"
                                 "01800000"
                                 "81800000"
                                 "0A"
                                 "06C80000";
    const char* totalizerReads = "CH01=12.5/1 CH02=-2.5/1 CH03=0/1 FLOW=900/1 HEAT=1800/1 TOTAL=1255/1 "
                                 "HEAT_TOTAL=99/1 PF_COUNT=10/0 PF_TIME=50/0";
    row("81 every page's values at once", 0x81, totalizer, totalizerReads);
    row("84 reads as 81", 0x84, totalizer, totalizerReads);
    row("82 three flows, three totals, power failure", 0x82,
        "04C80000" + zero8 +
            "01800000"
            "41800000" +
            zero8 +
            "82A00000"
            "01800000"
            "00800000" +
            zero8 + zero8 +
            "03A00000"
            "81800000"
            "FF" +
            zero8,
        "CH01=12.5/1 CH02=0/1 CH03=1/1 FLOW1=900/1 FLOW2=0/1 FLOW3=-9000/1 TOTAL1=100.5/1 TOTAL2=0/1 "
        "TOTAL3=499/1 PF_COUNT=255/0 PF_TIME=0/0");

    row("8A manual, number 2 shown 3, /R", 0x8A,
        "010200"
        "04C80000"
        "82A00000"
        "07C80000"
        "06C80000"
        "000201",
        "IN1=12.5/1 IN2=-2.5/1 SV=100/1 MV=50/1 MANUAL=1/0 NUMBER=3/0 SUFFIX_E=0/0 AL1=0/0 AL2=1/0 AL3=1/0");
    row("8A mode 2 is automatic, number 99 shown 100, FF is /E", 0x8A,
        "0263FF" + repeated(zero8, 4) + "000000",
        "IN1=0/1 IN2=0/1 SV=0/1 MV=0/1 MANUAL=0/0 NUMBER=100/0 SUFFIX_E=1/0 AL1=0/0 AL2=0/0 AL3=0/0");
    row("8E statuses 01 03 1A", 0x8E,
        "04C80000"
        "82A00000"
        "07C80000"
        "01031A",
        "CH01=12.5/1 CH02=-2.5/1 CH03=100/1 AL1=1/0 AL2=0/0 AL3=0/0");
    row("96 sixteen floats", 0x96,
        "04C80000"
        "82A00000" +
            repeated(zero8, 13) + "07C80000",
        "CH01=12.5/0 CH02=-2.5/0 CH03=0/0 CH04=0/0 CH05=0/0 CH06=0/0 CH07=0/0 CH08=0/0 CH09=0/0 CH10=0/0 "
        "CH11=0/0 CH12=0/0 CH13=0/0 CH14=0/0 CH15=0/0 CH16=100/0");

    // Every field beyond the end of the line reads 0; flags follow their lamps on a state of 0.
    row("10 short: an empty status byte lights the status lamp", 0x10, "",
        "V1=0/0 IN2=0/1 V3=0/0 SEG=0/0 MV=0/1 STATUS=1/0 AL1=0/0 AL2=0/0");
    row("8A short: number 0 is shown as 1", 0x8A, "",
        "IN1=0/1 IN2=0/1 SV=0/1 MV=0/1 MANUAL=0/0 NUMBER=1/0 SUFFIX_E=0/0 AL1=0/0 AL2=0/0 AL3=0/0");
    row("0E short", 0x0E, "", "V1=0/0 V2=0/0 SV=0/1 MV=0/1 STATUS=0/0 AL1=0/0 AL2=0/0 AL3=0/0 AL4=0/0");
}

void TestReadings::workedReply() {
    QFETCH(int, code);
    QFETCH(QByteArray, data);
    const QByteArray type = QByteArray::number(code, 16).rightJustified(2, '0').toUpper();
    const QByteArray frame = data.isEmpty() ? shortReply(type) : replyLine(type, data);
    QTEST(readingsText(readingsOf(code, frame)), "expected");
}

QTEST_APPLESS_MAIN(TestReadings)
#include "test_readings.moc"
