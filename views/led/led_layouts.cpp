// How the diagnosis window lays itself out for each LED-series family. Positions are twips from
// the window's top left corner; whatever a layout does not mention keeps its design state. The
// front picture is the type's, set with the layout by the table of instrument types.
#include "views/led/led_captions.h"
#include "views/led/led_views.h"

#include "views/view_helpers.h"

namespace views {

namespace {

void showLabel(panel::Label& label, int fontPoints, int left, int top) {
    label.visible = true;
    label.fontPoints = fontPoints;
    place(label, left, top);
}

// Lamps are placed hidden: the first reply decides which of them light.
void placeLamp(panel::Image& lamp, int left, int top) {
    lamp.visible = false;
    place(lamp, left, top);
}

constexpr int kLargePoints = 36;
constexpr int kMediumPoints = 26;
constexpr int kModulePoints = 20;
constexpr int kSmallPoints = 16;

// The three phase lines of both power instruments, one above the other at the lower left.
void showPhaseLines(panel::PanelModel& panel) {
    showLabel(panel.label1[2], kSmallPoints, 360, 4770);
    showLabel(panel.label1[3], kSmallPoints, 360, 5100);
    showLabel(panel.label1[8], kSmallPoints, 360, 5430);
}

} // namespace

void layoutSingleDisplay(panel::PanelModel& panel) {
    showLabel(panel.label1[0], kLargePoints, 3280, 2100);
    placeLamp(panel.image2[0], 1170, 1830);
    placeLamp(panel.image2[1], 1170, 2640);
    placeLamp(panel.image2[2], 5940, 2220);
    placeLamp(panel.image2[3], 5940, 2640);
}

void layoutTwoDisplay(panel::PanelModel& panel) {
    showLabel(panel.label1[0], kLargePoints, 3270, 1620);
    showLabel(panel.label1[1], kLargePoints, 3270, 2670);
    placeLamp(panel.image2[0], 1170, 1830);
    placeLamp(panel.image2[1], 1170, 2700);
    placeLamp(panel.image2[2], 5970, 1800);
    placeLamp(panel.image2[3], 5970, 2250);
    placeLamp(panel.image2[4], 5970, 2700);
    // Moved out of the way but left hidden; the controller views show Label1(2) themselves.
    place(panel.label1[2], 360, 4850);
    place(panel.label1[4], 360, 5180);
}

void layoutProgramController(panel::PanelModel& panel) {
    showLabel(panel.label1[0], kLargePoints, 3630, 1980);
    showLabel(panel.label1[4], kMediumPoints, 2700, 2970); // segment number
    showLabel(panel.label1[1], kMediumPoints, 4185, 2970);
    placeLamp(panel.image2[0], 1200, 1830);
    placeLamp(panel.image2[1], 1200, 2250);
    placeLamp(panel.image2[4], 5850, 2370);
    place(panel.label1[2], 360, 4950);
    place(panel.label1[3], 360, 5280);
}

void layoutFlowTotalizer(panel::PanelModel& panel) {
    showLabel(panel.label1[0], kLargePoints, 3390, 1980);
    showLabel(panel.label1[1], kMediumPoints, 3390, 2970);
    placeLamp(panel.image2[0], 1050, 2700);
    placeLamp(panel.image2[1], 1050, 3120);
}

void layoutPowerMeter(panel::PanelModel& panel) {
    showLabel(panel.label1[0], kLargePoints, 1530, 1830);
    showLabel(panel.label1[1], kLargePoints, 1530, 2850);
    showLabel(panel.label1[4], kLargePoints, 4200, 1830);
    showPhaseLines(panel);
    for (int i = 5; i <= 7; ++i)
        panel.label1[i].visible = false;
    // The meter's lamps stand lit until its first reply says otherwise.
    for (int i = 0; i < 5; ++i) {
        place(panel.image2[i], 2980 + 355 * i, 3900);
        panel.image2[i].visible = true;
    }
}

void layoutPowerModule(panel::PanelModel& panel) {
    // Each large value sits under its title, all in one column on the right.
    struct Titled {
        int title;
        const char* caption;
        int value;
    };
    const Titled column[] = {
        {5, led::kActivePowerTitle, 0},
        {6, led::kReactivePowerTitle, 1},
        {7, led::kFrequencyTitle, 4},
    };
    int top = 1500;
    for (const Titled& t : column) {
        panel.label1[t.title].caption = QString::fromUtf8(t.caption);
        showLabel(panel.label1[t.title], kSmallPoints, 6000, top);
        showLabel(panel.label1[t.value], kModulePoints, 6000, top + 500);
        top += 1000;
    }
    showPhaseLines(panel);
    for (int i = 0; i < 5; ++i)
        panel.image2[i].visible = false; // the module has no lamps
}

} // namespace views
