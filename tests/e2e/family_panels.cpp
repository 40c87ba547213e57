#include "family_panels.h"

namespace {

const QColor kBlack(0, 0, 0);

// The port, rate and model lines for port 1 at 9600 baud.
PanelExpectation headed(const QString& model) {
    PanelExpectation page;
    page.label3 = {QStringLiteral("通讯口： COM1"), QStringLiteral("波特率： 9600"),
                   QStringLiteral("仪表类型：") + model};
    return page;
}

} // namespace

FamilyPanel singleDisplayMeter() {
    FamilyPanel family{QStringLiteral("LED系列——四位双报警单显表"), QStringLiteral("C80.BMP"), {}};
    PanelExpectation page = headed(family.model);
    // 123.4 with its one decimal; alarm states 00 01 02 03: only 1 and 2 light a lamp.
    page.label1 = {{0, QStringLiteral("123.4")}};
    page.lamps = {1, 2};
    family.pages = {page};
    return family;
}

FamilyPanel ledPidController() {
    FamilyPanel family{QStringLiteral("LED系列——PID显示控制仪"), QStringLiteral("D80.BMP"), {}};
    PanelExpectation page = headed(family.model);
    // Values 123.4 and 118.0 with one decimal each; the set value 120.0 always with one; the output
    // float 127.5 is 127.5 / 2.55 = 50.0 percent.
    page.label1 = {{0, QStringLiteral("123.4")},
                   {1, QStringLiteral("118.0")},
                   {2, QStringLiteral("SV设定值:120.0")},
                   {3, QStringLiteral("PID输出:50.0%")}};
    // Alarm states 00 01 02 03 on lamps 0 to 3; the status byte 01 lights lamp 4.
    page.lamps = {1, 2, 4};
    family.pages = {page};
    return family;
}

FamilyPanel threePhaseMeter() {
    FamilyPanel family{QStringLiteral("LED系列——三相电量表"), QStringLiteral("AC80.BMP"), {}};
    PanelExpectation page = headed(family.model);
    // Phase lines: voltage "0.0", current "0.00", power factor "0.000"; frequency 50 as "0.00";
    // active and reactive power as "0.0".
    page.label1 = {{0, QStringLiteral("3135.0")},
                   {1, QStringLiteral("1030.0")},
                   {2, QStringLiteral("UA:220.0，AA:5.00，CosA:0.950")},
                   {3, QStringLiteral("UB:221.0，AB:5.10，CosB:0.960")},
                   {4, QStringLiteral("50.00")},
                   {8, QStringLiteral("UC:219.0，AC:4.90，CosC:0.940")}};
    // The five alarm characters are the first five of the frequency field: 50 = 2^6 x 0.78125
    // encodes as "06C80000", so "0", "6", "C", "8", "0"; every nonzero one lights its lamp.
    page.lamps = {1, 2, 3};
    family.pages = {page};
    return family;
}

FamilyPanel lcdRecorder() {
    FamilyPanel family{QStringLiteral("LCD系列——3路无纸记录仪表"), QStringLiteral("LCD80.BMP"), {}};
    PanelExpectation page = headed(family.model);
    page.label1 = {{0, QStringLiteral("1路    23.5")},
                   {1, QStringLiteral("2路    -12.5")},
                   {4, QStringLiteral("3路    100.0")}};
    // Alarm states 00 01 02: the LCD lamps always show, lit for 1 and 2.
    page.lamps = {5, 6, 7};
    page.litLamps = {6, 7};
    page.textColor = kBlack;
    family.pages = {page};
    return family;
}

FamilyPanel lcdPidController() {
    FamilyPanel family{QStringLiteral("LCD系列——PID控制仪"), QStringLiteral("LCD80.BMP"), {}};
    PanelExpectation inputs = headed(family.model);
    inputs.lamps = {5, 6, 7};
    inputs.litLamps = {6, 7}; // alarm states 00 01 02
    inputs.textColor = kBlack;
    PanelExpectation output = inputs;
    inputs.label1 = {{0, QStringLiteral("1路    123.4")}, {1, QStringLiteral("2路    118.0")}};
    // Set value 120, number byte 02 shown plus one as "03", suffix byte 00 gives "/R"; mode 00 is
    // automatic, so the output line is black.
    output.label1 = {{0, QStringLiteral("设定   120.0/03/R")}, {1, QStringLiteral("自动输出   45.5%")}};
    family.pages = {inputs, output};
    return family;
}
