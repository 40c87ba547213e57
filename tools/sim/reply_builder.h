#pragma once
// The reply frame an instrument of a given type sends to a read request:
//
//   "@" + address (2 hex) + "0000" + type code (2 hex) + data fields + check + CR
//
// Every field that the program's view of the type reads is filled, at the position it reads it.
// A type code outside the catalogue answers with no data fields at all.
//
// Values with `Moment::fixed` (positions are 1-based in the reply; "fx" six-digit fixed-point
// with its decimal places, "fl" eight-digit float, bytes in hexadecimal):
//
//   02  10 fx 123.4 (1)                          16-23 alarms 00 01 02 03
//   04  10 fx 45.67 (2)                          16-23 alarms 00 01 02 03
//   06  10 fx 1234.5 (1)                         16-23 alarms 00 01 02 03
//   16  10 fx 50.00 (2)                          16-23 alarms 00 01 02 03
//   08  10 fx 123.4 (1), 16 fx -12.34 (2)        22-29 alarms 00 01 02 03
//   0A  12 fx 123.4 (1), 18 fx 45.6 (1), 24 fx 50.0 (1)             30-37 alarms 00 01 02 03
//   0E  10 status 01, 14 fx 123.4 (1), 20 fx 118.0 (1), 26 fx 120.0 (1), 32 fl 127.5
//                                                40-47 alarms 00 01 02 03
//   10  10 status 01, 12 segment 07, 14 fx 123.4 (1), 20 fx 45.6 (1), 26 fx 120.0 (1),
//       32 fl 127.5                              40-43 alarms 00 01
//   12  10 fl 25.5, 18 fl 0.6, 26 fl 12.5, 34 fl 0.5, 42 fl 12, 50 fl 34.5 (total 1234.5)
//                                                58-61 alarms 00 01
//   14  channel c (1..16) = 12.5 c - 25 as fx with 1 decimal at 10 + 6 (c - 1), except that
//       channels 1-12 stop at 81 and 82-85 carry alarms 00 01 and 86-87 "01", so channel 13
//       reads as 25.6; channels 14-16 at 88, 94, 100
//   1E, 1F  fl at 10 + 8k: 220, 5, 0.95, 221, 5.1, 0.96, 219, 4.9, 0.94, 50, 3135, 1030
//       (the meter's five alarm characters at 82-86 are the first five of the frequency, "06C80")
//   81, 84  fl at 10 + 8k: 12.5, 25.5, 0.6, 0.5, 0.25, 12, 34.5, 56, 7.5;
//       82 power failures 03, 84 fl 125
//   82  fl at 10 + 8k: 12.5, 25.5, 0.6, 0.5, 0.25, 0.125, 12, 34.5, 56, 7.5, 3, 0.25;
//       106 power failures 03, 108 fl 125
//   8A  10 mode 00 (automatic), 12 number 02, 14 suffix 00, 16 fl 123.4, 24 fl 118, 32 fl 120,
//       40 fl 45.5                               48-53 alarms 00 01 02
//   8E  10 fl 23.5, 18 fl -12.5, 26 fl 100       34-39 alarms 00 01 02
//   96  channel c (1..16) = 12.5 c - 25 as fl at 10 + 8 (c - 1)
//
// Live, the same fields move: process values wave around these centres, totals grow from them
// (the flow totals by the instantaneous flow each second), alarm and status states cycle through
// 0, 1, 2 and 3, the 32-segment controller steps one segment every 10 s, and the LCD PID
// controller changes between automatic and manual every 30 s.
#include "tools/sim/field_writer.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QStringList>

namespace sim {

// The whole frame, CR included. Pure: the same arguments and the same random state give the same
// frame, and a fixed moment draws nothing from `random`.
QByteArray buildReply(int typeCode, int address, const Moment& when, QRandomGenerator& random);

// The fixed values of a type, one "position[width]=value" note per field.
QStringList describeFixedReply(int typeCode);

} // namespace sim
