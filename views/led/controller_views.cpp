// The manual operator and the two PID controllers. Their replies share one structure: three
// six-digit fixed-point groups, each with its own decimal places, then (for the PID controllers)
// a float controller output, then alarm bytes. The families differ only in where the groups start,
// which label shows which group, and which lamps they drive; ControllerFace holds those
// differences and showController says the rest once.
#include "views/led/led_captions.h"
#include "views/led/led_views.h"

#include "protocol/fields.h"
#include "protocol/number_format.h"
#include "views/reading_table.h"
#include "views/view_helpers.h"

#include <array>

namespace views {

namespace {

constexpr int kStatusPos = 10;  // status byte of the PID controllers
constexpr int kSegmentPos = 12; // program segment of the 32-segment controller
constexpr int kOutputPos = 32;  // controller output, a float of 0 .. 255 for 0 .. 100 %
constexpr double kOutputFullScale = 2.55;
constexpr int kGroupWidth = 6;

// What the status byte does to Image2(4).
enum class StatusLamp {
    Untouched,    // not read; the lamp is left alone
    AlarmRule,    // shown for 1 or 2, like an alarm lamp
    HiddenWhenOne // hidden for 1, shown for every other value (an empty byte reads 0 and shows)
};

// The readings of every face, in this order: the three groups, then the segment number, the
// output in percent and the status lamp where the face has them, then its alarms.
struct ControllerFace {
    int firstGroupPos;              // the three groups follow each other from here
    std::array<int, 2> largeGroups; // groups shown in Label1(0) and Label1(1), by their own decimals
    int captionGroup;               // group shown in Label1(2) behind captionPrefix
    const char* captionPrefix;
    bool captionOwnDecimals; // false: always one decimal, whatever the group carries
    const char* captionSuffix;
    int firstAlarmPos;
    int alarmCount; // lamps Image2(0) .. Image2(alarmCount - 1)
    StatusLamp status;
    bool hasSegment; // segment number into Label1(4)
    bool hasOutput;  // controller output into Label1(3)
    const ReadingTable& (*readings)();
};

ReadingRow upper(const QString& key) {
    return {key, QStringLiteral("上排显示值"), QString(), kDecimalsFromReply,
            QStringLiteral("the value in the upper large display (Label1(0))")};
}
ReadingRow lower(const QString& key, const QString& group) {
    return {
        key, QStringLiteral("下排显示值"), QString(), kDecimalsFromReply,
        QStringLiteral("the value in the lower large display (Label1(1)); the reply's %1 group").arg(group)};
}
ReadingRow pidOutput() {
    return {QStringLiteral("MV"), QStringLiteral("PID输出"), QStringLiteral("%"), 1,
            QStringLiteral("controller output in percent: the output float divided by 2.55")};
}
ReadingRow statusLamp(const char* rule) {
    return {QStringLiteral("STATUS"), QStringLiteral("状态灯"), QString(), 0,
            QStringLiteral("1 while the status lamp Image2(4) is lit (%1)").arg(QLatin1String(rule))};
}
const QString kAlarmMeaning = QStringLiteral("alarm %1: 1 while its lamp is lit (state 1 or 2)");

} // namespace

const ReadingTable& manualOperatorReadings() {
    static const ReadingTable table(joined({
        {upper(QStringLiteral("V1")),
         lower(QStringLiteral("V2"), QStringLiteral("second")),
         {QStringLiteral("MV"), QStringLiteral("控制输出"), QStringLiteral("%"), kDecimalsFromReply,
          QStringLiteral("control output in percent, the third group")}},
        alarmRows(4, kAlarmMeaning),
    }));
    return table;
}

const ReadingTable& pidControllerReadings() {
    static const ReadingTable table(joined({
        {upper(QStringLiteral("V1")),
         lower(QStringLiteral("V2"), QStringLiteral("second")),
         {QStringLiteral("SV"), QStringLiteral("SV设定值"), QString(), 1,
          QStringLiteral("set value, the third group")},
         pidOutput(),
         statusLamp("status byte 1 or 2")},
        alarmRows(4, kAlarmMeaning),
    }));
    return table;
}

const ReadingTable& programControllerReadings() {
    static const ReadingTable table(joined({
        {upper(QStringLiteral("V1")),
         {QStringLiteral("IN2"), QStringLiteral("第二输入值"), QString(), 1,
          QStringLiteral("second input, the second group")},
         lower(QStringLiteral("V3"), QStringLiteral("third")),
         {QStringLiteral("SEG"), QStringLiteral("段号"), QString(), 0,
          QStringLiteral("number of the program segment")},
         pidOutput(),
         statusLamp("status byte other than 1")},
        alarmRows(2, kAlarmMeaning),
    }));
    return table;
}

namespace {

// Fields in declaration order: groups from, large groups, caption group, prefix, own decimals,
// suffix, alarms from, alarm count, status lamp, segment, output, readings.
const ControllerFace kManualOperator{12,
                                     {0, 1},
                                     2,
                                     led::kControlOutput,
                                     true,
                                     led::kPercent,
                                     30,
                                     4,
                                     StatusLamp::Untouched,
                                     false,
                                     false,
                                     manualOperatorReadings};
const ControllerFace kPidController{14,
                                    {0, 1},
                                    2,
                                    led::kSetValue,
                                    false,
                                    "",
                                    40,
                                    4,
                                    StatusLamp::AlarmRule,
                                    false,
                                    true,
                                    pidControllerReadings};
// Same positions as the PID controller, but Label1(1) takes the third group and the caption the
// second; characters 12-13 carry the program segment.
const ControllerFace kProgramController{14,
                                        {0, 2},
                                        1,
                                        led::kSecondInput,
                                        false,
                                        "",
                                        40,
                                        2,
                                        StatusLamp::HiddenWhenOne,
                                        true,
                                        true,
                                        programControllerReadings};

// Decimals of group `g`: the reply's own, unless the face always writes it with one decimal.
bool ownDecimals(const ControllerFace& face, int g) {
    return g == face.largeGroups[0] || g == face.largeGroups[1] ||
           (g == face.captionGroup && face.captionOwnDecimals);
}

// Writes prefix + value + suffix; a decimals count without a pattern leaves the caption as it was.
void writeCaption(panel::Label& label, const char* prefix, double value, int decimals, const char* suffix) {
    QString number;
    if (protocol::formatDecimals(value, decimals, number))
        label.caption = QString::fromUtf8(prefix) + number + QString::fromUtf8(suffix);
}

void showController(const QByteArray& ntemp, panel::PanelModel& panel, const ControllerFace& face,
                    protocol::Readings& readings) {
    face.readings().reset(readings);
    auto next = readings.begin();
    std::array<FixedField, 3> groups{};
    for (int g = 0; g < 3; ++g) {
        groups[g] = fixedFieldAt(ntemp, face.firstGroupPos + kGroupWidth * g);
        next->value = groups[g].value;
        if (ownDecimals(face, g)) next->decimals = replyDecimals(groups[g].displayDecimals);
        ++next;
    }
    const int segment = hexByteAt(ntemp, kSegmentPos);
    if (face.hasSegment) (next++)->value = segment;
    // In double, so that a full-scale output of 255 reads exactly 100.0 %.
    const double percent = static_cast<double>(floatAt(ntemp, kOutputPos)) / kOutputFullScale;
    if (face.hasOutput) (next++)->value = percent;

    const int status = hexByteAt(ntemp, kStatusPos);
    switch (face.status) {
    case StatusLamp::Untouched: break;
    case StatusLamp::AlarmRule: applyAlarm(panel.image2[4], status); break;
    case StatusLamp::HiddenWhenOne: panel.image2[4].visible = status != 1; break;
    }
    if (face.status != StatusLamp::Untouched) setFlag(*next++, panel.image2[4].visible);
    for (int i = 0; i < face.alarmCount; ++i) {
        const int state = hexByteAt(ntemp, face.firstAlarmPos + 2 * i);
        applyAlarm(panel.image2[i], state);
        setFlag(*next++, alarmShown(state));
    }

    for (int i = 0; i < 2; ++i) {
        const FixedField& shown = groups[face.largeGroups[i]];
        writeWithDecimals(panel.label1[i], shown.value, shown.displayDecimals);
    }

    const FixedField& captioned = groups[face.captionGroup];
    writeCaption(panel.label1[2], face.captionPrefix, captioned.value,
                 face.captionOwnDecimals ? captioned.displayDecimals : 1, face.captionSuffix);
    panel.label1[2].visible = true;

    if (face.hasSegment) panel.label1[4].caption = protocol::formatNumber(segment, 0, 2);

    if (face.hasOutput) {
        writeCaption(panel.label1[3], led::kPidOutput, percent, 1, led::kPercent);
        panel.label1[3].visible = true;
    }
}

} // namespace

void ShowSCQ(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
             protocol::Readings& readings) {
    showController(ntemp, panel, kManualOperator, readings);
}

void ShowPID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
             protocol::Readings& readings) {
    showController(ntemp, panel, kPidController, readings);
}

void Show32PID(const QByteArray& ntemp, panel::PanelModel& panel, qint16& /*tn*/,
               protocol::Readings& readings) {
    showController(ntemp, panel, kProgramController, readings);
}

} // namespace views
