#include "tools/sim/reply_builder.h"

#include "protocol/frame.h"

#include <array>
#include <map>

namespace sim {

namespace {

using Layout = void (*)(FieldWriter&);

// The value of channel c (1 to 16) of the scanners.
double scannerChannel(int c) {
    return 12.5 * c - 25.0;
}

void singleDisplay(FieldWriter& w, double centre, double swing, int decimals) {
    w.fixedPoint(centre, swing, decimals);
    w.alarms(4);
}

void twoAlarmMeter(FieldWriter& w) {
    singleDisplay(w, 123.4, 6.0, 1);
}
void fourAlarmMeter(FieldWriter& w) {
    singleDisplay(w, 45.67, 2.5, 2);
}
void fiveDigitMeter(FieldWriter& w) {
    singleDisplay(w, 1234.5, 40.0, 1);
}
void frequencyMeter(FieldWriter& w) {
    singleDisplay(w, 50.0, 0.05, 2);
}

void dualChannel(FieldWriter& w) {
    w.fixedPoint(123.4, 6.0, 1);
    w.fixedPoint(-12.34, 1.5, 2);
    w.alarms(4);
}

void manualOperator(FieldWriter& w) {
    w.unused(2);
    w.fixedPoint(123.4, 6.0, 1); // process value
    w.fixedPoint(45.6, 3.0, 1);  // valve position
    w.fixedPoint(50.0, 20.0, 1); // control output, percent
    w.alarms(4);
}

void pidController(FieldWriter& w) {
    w.steppingByte(1, 4, 7.0); // status
    w.unused(2);
    w.fixedPoint(123.4, 6.0, 1); // process value
    w.fixedPoint(118.0, 4.0, 1); // second display
    w.fixedPoint(120.0, 0.0, 1); // set value
    w.floating(127.5, 40.0);     // output, 0 to 255
    w.alarms(4);
    w.unused(2);
}

void segmentController(FieldWriter& w) {
    w.steppingByte(1, 2, 20.0);  // status: 1 running
    w.steppingByte(7, 32, 10.0); // segment
    w.fixedPoint(123.4, 6.0, 1); // process value
    w.fixedPoint(45.6, 3.0, 1);  // second input
    w.fixedPoint(120.0, 0.0, 1); // set value of the segment
    w.floating(127.5, 40.0);     // output, 0 to 255
    w.alarms(2);
}

void flowTotalizer(FieldWriter& w) {
    w.floating(25.5, 3.0); // compensation temperature
    w.floating(0.6, 0.05); // compensation pressure
    w.floating(12.5, 1.5); // main value
    w.floating(0.5, 0.05); // instantaneous flow per second
    w.total(1234.5, 0.5);
    w.alarms(2);
}

void ledScanner(FieldWriter& w) {
    // Twelve channel fields fit before the alarm bytes; the view reads sixteen, so channel 13
    // is made of the alarm bytes and the two characters after them.
    for (int c = 1; c <= 12; ++c)
        w.fixedPoint(scannerChannel(c), 2.0, 1);
    w.alarms(2);
    w.constantByte(1);
    for (int c = 14; c <= 16; ++c)
        w.fixedPoint(scannerChannel(c), 2.0, 1);
}

void threePhase(FieldWriter& w) {
    struct Phase {
        double volts, amps, cosPhi;
    };
    const std::array<Phase, 3> phases = {{{220.0, 5.0, 0.95}, {221.0, 5.1, 0.96}, {219.0, 4.9, 0.94}}};
    for (const Phase& p : phases) {
        w.floating(p.volts, 3.0);
        w.floating(p.amps, 0.4);
        w.floating(p.cosPhi, 0.02);
    }
    w.floating(50.0, 0.05);    // frequency
    w.floating(3135.0, 150.0); // active power
    w.floating(1030.0, 80.0);  // reactive power
}

void lcdChannels(FieldWriter& w) {
    w.floating(12.5, 1.0);
    w.floating(25.5, 2.0);
    w.floating(0.6, 0.05);
}

void powerFailures(FieldWriter& w) {
    w.constantByte(3);
    w.constantFloat(125.0); // seconds
}

void lcdTotalizer(FieldWriter& w) {
    lcdChannels(w);
    w.floating(0.5, 0.05);  // instantaneous flow per second
    w.floating(0.25, 0.03); // instantaneous heat per second
    w.total(1234.5, 0.5);
    w.total(5607.5, 0.25);
    powerFailures(w);
}

void lcdThreeTotalizer(FieldWriter& w) {
    lcdChannels(w);
    w.floating(0.5, 0.05);
    w.floating(0.25, 0.03);
    w.floating(0.125, 0.02);
    w.total(1234.5, 0.5);
    w.total(5607.5, 0.25);
    w.total(300.25, 0.125);
    powerFailures(w);
}

void lcdPid(FieldWriter& w) {
    w.steppingByte(0, 2, 30.0); // 1 manual, 0 automatic
    w.constantByte(2);          // number byte
    w.constantByte(0);          // suffix selector
    w.floating(123.4, 6.0);     // input 1
    w.floating(118.0, 4.0);     // input 2
    w.floating(120.0, 0.0);     // set value
    w.floating(45.5, 15.0);     // output, percent
    w.alarms(3);
}

void lcdRecorder(FieldWriter& w) {
    w.floating(23.5, 2.0);
    w.floating(-12.5, 1.5);
    w.floating(100.0, 5.0);
    w.alarms(3);
}

void lcdScanner(FieldWriter& w) {
    for (int c = 1; c <= 16; ++c)
        w.floating(scannerChannel(c), 2.0);
}

const std::map<int, Layout>& layouts() {
    static const std::map<int, Layout> table = {
        {0x02, twoAlarmMeter},  {0x04, fourAlarmMeter},    {0x06, fiveDigitMeter},    {0x08, dualChannel},
        {0x0A, manualOperator}, {0x0E, pidController},     {0x10, segmentController}, {0x12, flowTotalizer},
        {0x14, ledScanner},     {0x16, frequencyMeter},    {0x1E, threePhase},        {0x1F, threePhase},
        {0x81, lcdTotalizer},   {0x82, lcdThreeTotalizer}, {0x84, lcdTotalizer},      {0x8A, lcdPid},
        {0x8E, lcdRecorder},    {0x96, lcdScanner},
    };
    return table;
}

FieldWriter writeFields(int typeCode, int address, const Moment& when, QRandomGenerator& random) {
    FieldWriter writer(when, address, random);
    const auto it = layouts().find(typeCode);
    if (it != layouts().end()) it->second(writer);
    return writer;
}

} // namespace

QByteArray buildReply(int typeCode, int address, const Moment& when, QRandomGenerator& random) {
    const FieldWriter fields = writeFields(typeCode, address, when, random);
    const QByteArray body =
        protocol::ByteToHex(address) + "0000" + protocol::ByteToHex(typeCode) + fields.data();
    return '@' + body + protocol::MakeCheck(body) + protocol::kCR;
}

QStringList describeFixedReply(int typeCode) {
    QRandomGenerator unused(0);
    return writeFields(typeCode, 0, Moment::fixedValues(), unused).notes();
}

} // namespace sim
