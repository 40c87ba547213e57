#pragma once
// A list as a scan fills it: one type code per row (-1 leaves the row empty), row r at address r.
// Header-only: the tests that use it link the search library themselves.
#include "protocol/frame.h"
#include "search/instrument_list.h"

#include <QList>

inline void fillScannedList(InstrumentList& list, const QList<int>& typeCodes, int currentRow) {
    for (int r = 1; r <= typeCodes.size(); ++r) {
        if (r > 1) list.addRow();
        if (typeCodes[r - 1] < 0) continue;
        Instrument found;
        found.address = r;
        found.typeCode = typeCodes[r - 1];
        found.addressText = protocol::addressField(r);
        list.setInstrument(r, found);
    }
    list.setCurrentRow(currentRow);
}
