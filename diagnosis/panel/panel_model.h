#pragma once
// The controls of the diagnosis window as plain data. Layouts and view routines write this model;
// the window's widget renders it after each tick. Positions are twips (1/1440 inch) from the
// window's top left corner, as the instrument layouts give them.
#include <QString>
#include <array>

namespace panel {

enum class Align { Left, Center, Right };

// 0xRRGGBB
using Rgb = quint32;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kRed = 0xFF0000;

struct Label {
    QString caption;
    bool visible = false;
    int fontPoints = 12;
    Rgb color = kRed;
    Align align = Align::Left;
    int left = 0;
    int top = 0;
};

struct Image {
    bool visible = false;
    // Relative to the program's directory ("picture/LCD-ALM2.BMP"). Empty means the design
    // picture: for Image2 the small round lamp (red for even, green for odd indexes).
    QString picture;
    int left = 0;
    int top = 0;
};

struct PanelModel {
    std::array<Label, 9> label1; // Label1(0) .. Label1(8): values
    std::array<Image, 8> image2; // Image2(0) .. Image2(7): alarm and state lamps
    Image image1;                // the instrument's front picture
    std::array<Label, 3> label3; // Label3(0) .. Label3(2): port, baud rate, model name

    // The window as designed, before any layout or reply.
    static PanelModel design();

    // What unloading the window does: value captions emptied, lamps hidden.
    void unload();

    bool operator==(const PanelModel& other) const;
    bool operator!=(const PanelModel& other) const { return !(*this == other); }
};

bool operator==(const Label& a, const Label& b);
bool operator==(const Image& a, const Image& b);

} // namespace panel
