#include "tools/sim/field_writer.h"

#include "protocol/encodings.h"
#include "protocol/frame.h"
#include "protocol/number_format.h"

#include <cmath>

namespace sim {

namespace {
// Data fields start after "@", address, four filler characters and the type code.
constexpr int kFirstDataPosition = 10;
constexpr double kTwoPi = 6.283185307179586;
// Live alarm states move on every this many seconds.
constexpr double kAlarmStepSeconds = 5.0;

QString shortNumber(double value) {
    return QString::number(value, 'g', 7);
}
} // namespace

FieldWriter::FieldWriter(const Moment& when, int address, QRandomGenerator& random)
    : m_when(when), m_address(address), m_random(random) {}

double FieldWriter::wave(double centre, double swing) {
    const int index = m_fieldIndex;
    if (m_when.fixed || swing == 0) return centre;
    // Every field gets its own period and phase, and every address its own phase, so that
    // neighbouring values and neighbouring instruments do not move in step.
    const double period = 40.0 + 15.0 * (index % 4);
    const double phase = 0.9 * m_address + 1.7 * index;
    const double jitter = 0.05 * swing * (2.0 * m_random.generateDouble() - 1.0);
    return centre + swing * std::sin(kTwoPi * m_when.seconds / period + phase) + jitter;
}

void FieldWriter::append(const QByteArray& field, const QString& shown) {
    if (m_when.fixed)
        m_notes << QStringLiteral("%1[%2]=%3")
                       .arg(kFirstDataPosition + m_data.size())
                       .arg(field.size())
                       .arg(shown);
    m_data += field;
    ++m_fieldIndex;
}

void FieldWriter::fixedPoint(double centre, double swing, int decimals) {
    append(protocol::fixedToHex(wave(centre, swing), decimals), protocol::formatNumber(centre, decimals));
}

void FieldWriter::floating(double centre, double swing) {
    append(protocol::floatToHex(static_cast<float>(wave(centre, swing))), shortNumber(centre));
}

void FieldWriter::total(double start, double perSecond) {
    const double value = m_when.fixed ? start : start + perSecond * m_when.seconds;
    const double hundreds = std::floor(value / 100.0);
    const double remainder = value - 100.0 * hundreds;
    append(protocol::floatToHex(static_cast<float>(hundreds)), shortNumber(hundreds));
    append(protocol::floatToHex(static_cast<float>(remainder)), shortNumber(remainder));
}

void FieldWriter::alarms(int count) {
    for (int i = 0; i < count; ++i) {
        const int k = m_alarmIndex++;
        const int step = m_when.fixed ? 0 : static_cast<int>(m_when.seconds / kAlarmStepSeconds) + m_address;
        const QByteArray state = protocol::ByteToHex((step + k) % 4);
        append(state, QString::fromLatin1(state));
    }
}

void FieldWriter::steppingByte(int fixedValue, int steps, double secondsPerStep) {
    const int value = m_when.fixed ? fixedValue : static_cast<int>(m_when.seconds / secondsPerStep) % steps;
    const QByteArray field = protocol::ByteToHex(value);
    append(field, QString::fromLatin1(field));
}

void FieldWriter::constantByte(int value) {
    const QByteArray field = protocol::ByteToHex(value);
    append(field, QString::fromLatin1(field));
}

void FieldWriter::constantFloat(double value) {
    append(protocol::floatToHex(static_cast<float>(value)), shortNumber(value));
}

void FieldWriter::unused(int width) {
    // Not a field anybody reads: no note, no index.
    m_data += QByteArray(width, '0');
}

} // namespace sim
