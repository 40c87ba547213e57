#pragma once
// What the diagnosis window must show for the simulator's fixed replies (commtest-sim --fixed),
// worked out by hand from the simulator's documented constants and the display rules: fixed-point
// values with their own decimals, floats with the family's patterns, lamps by their state bytes.
#include "panel_expectation.h"

struct FamilyPanel {
    QString model;                 // the type cell, as the scan lists it
    QString front;                 // the picture Image1 shows
    QList<PanelExpectation> pages; // every page the view shows in turn; most have one
};
Q_DECLARE_METATYPE(FamilyPanel)

FamilyPanel singleDisplayMeter(); // type 02
FamilyPanel ledPidController();   // type 0E
FamilyPanel threePhaseMeter();    // type 1E
FamilyPanel lcdRecorder();        // type 8E
FamilyPanel lcdPidController();   // type 8A
