#pragma once
// The diagnosis panel as JSON, for commtest-decode's output and its tests.
#include "diagnosis/panel/panel_model.h"

#include "protocol/reading.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace decode {

struct FrameOutcome;

// "#RRGGBB", upper-case digits.
QString colorText(panel::Rgb color);

// One member per control the views write: "Image1" (its picture), "Label1(0)" to "Label1(8)" and
// "Label3(2)" (caption, visible, font, color, left, top), "Image2(0)" to "Image2(7)" (visible,
// picture, left, top). Positions stay in twips.
QJsonObject controlsJson(const panel::PanelModel& panel);

// {"check", "type", "view", "Tn", "controls"} after one frame; "type" and "view" are null when
// the check failed, "view" also for an unlisted type code.
QJsonObject frameJson(const FrameOutcome& outcome, qint16 tn, const panel::PanelModel& panel);

// {"KEY": value, ...} in the order of the type's reading table; {} for none. A value that is not
// finite, which no field can encode, would be written null.
QByteArray readingsJson(const protocol::Readings& readings);

// The line commtest-decode prints after one frame: frameJson, compact, with "readings" added as
// its last member so that everything before it reads as it always has.
QByteArray frameLine(const FrameOutcome& outcome, qint16 tn, const panel::PanelModel& panel);

} // namespace decode
