#pragma once
// One instrument a scan found, as data. The list shows it in cells; the diagnosis window and
// everything after it work on this, never on a cell's text.
#include <QByteArray>
#include <QDateTime>
#include <QString>

struct Instrument {
    int address = 0;        // bus address the reply carried (0 to 255)
    int typeCode = -1;      // characters 8-9 of its reply
    QDateTime foundAt;      // when it first answered in the scan that listed it
    int roundTripMs = -1;   // request to reply; -1 unknown
    QByteArray addressText; // the reply's two address characters as they came, for the address cell

    // The catalogue's model name of the type code; empty for an unlisted code.
    QString modelName() const;
    // The address field of a read request to it: "1F" for 31.
    QByteArray requestField() const;

    bool operator==(const Instrument& other) const {
        return address == other.address && typeCode == other.typeCode && foundAt == other.foundAt &&
               roundTripMs == other.roundTripMs && addressText == other.addressText;
    }
    bool operator!=(const Instrument& other) const { return !(*this == other); }
};
