#pragma once
// Appends the data fields of one reply, field by field, in the order the instrument sends them.
// Each field says how its value behaves: in live mode values wave around a centre, totals grow,
// alarm states and step counters cycle; with `Moment::fixed` every field holds its documented
// constant (the centre, the start of a total, the fixed state) and no randomness is used.
#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace sim {

// When a reply is built: seconds since the simulator started, or the fixed values.
struct Moment {
    double seconds = 0;
    bool fixed = false;

    static Moment live(double seconds) { return {seconds, false}; }
    static Moment fixedValues() { return {0, true}; }
};

class FieldWriter {
public:
    FieldWriter(const Moment& when, int address, QRandomGenerator& random);

    // A process value that wanders `swing` either side of `centre` (fixed: `centre`).
    void fixedPoint(double centre, double swing, int decimals); // six-digit fixed-point field
    void floating(double centre, double swing);                 // eight-digit float field

    // A running total written as two floats, hundreds and remainder (fixed: `start`).
    void total(double start, double perSecond);

    // `count` alarm state bytes. Live they cycle 0, 1, 2, 3, each alarm a step apart; fixed,
    // the k-th alarm of the reply (from 0) holds k mod 4.
    void alarms(int count);

    // A byte that steps through 0 .. steps-1, one step every `secondsPerStep` (fixed: `fixedValue`).
    void steppingByte(int fixedValue, int steps, double secondsPerStep);

    // A byte or a float that never changes.
    void constantByte(int value);
    void constantFloat(double value);

    // Characters the instrument sends but nobody reads.
    void unused(int width);

    const QByteArray& data() const { return m_data; }

    // In fixed mode, one note per field: "10[6]=123.4" (1-based position in the reply, width,
    // value); bytes are shown as two hexadecimal digits.
    const QStringList& notes() const { return m_notes; }

private:
    double wave(double centre, double swing);
    void append(const QByteArray& field, const QString& shown);

    Moment m_when;
    int m_address = 0;
    QRandomGenerator& m_random;
    QByteArray m_data;
    QStringList m_notes;
    int m_fieldIndex = 0;
    int m_alarmIndex = 0;
};

} // namespace sim
