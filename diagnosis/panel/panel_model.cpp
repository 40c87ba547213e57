#include "diagnosis/panel/panel_model.h"

namespace panel {

PanelModel PanelModel::design() {
    PanelModel m;
    for (int i = 0; i < 9; ++i) {
        Label& l = m.label1[i];
        l.caption = i == 4 ? QStringLiteral("0") : QStringLiteral("0.0");
        l.visible = false;
        l.fontPoints = 12;
        l.color = kRed;
        l.align = Align::Left;
    }
    // Places that layouts leave alone and the views rely on.
    m.label1[2].left = 360, m.label1[2].top = 4770;
    m.label1[3].left = 360, m.label1[3].top = 5100;
    for (int i = 0; i < 9; ++i) {
        if (i == 2 || i == 3) continue;
        m.label1[i].left = 360 + 1200 * (i % 4);
        m.label1[i].top = 1500 + 400 * (i / 4);
    }
    for (int i = 0; i < 8; ++i) {
        m.image2[i].left = 1170 + 400 * i;
        m.image2[i].top = 3900;
    }
    // The front picture fills the width below the link and model lines; the value lines that the
    // layouts put at the lower left (tops 4770 and below) stay just beneath it.
    m.image1.visible = true;
    m.image1.left = 0;
    m.image1.top = 720;
    // Port and baud rate share the first line; the model name, the longest caption, gets its own.
    for (int i = 0; i < 3; ++i) {
        Label& l = m.label3[i];
        l.visible = true;
        l.fontPoints = 10;
        l.color = kBlack;
    }
    m.label3[0].left = 360, m.label3[0].top = 120;
    m.label3[1].left = 2660, m.label3[1].top = 120;
    m.label3[2].left = 360, m.label3[2].top = 420;
    return m;
}

void PanelModel::unload() {
    for (int i = 0; i < 8; ++i)
        label1[i].caption.clear();
    for (auto& lamp : image2)
        lamp.visible = false;
}

bool operator==(const Label& a, const Label& b) {
    return a.caption == b.caption && a.visible == b.visible && a.fontPoints == b.fontPoints &&
           a.color == b.color && a.align == b.align && a.left == b.left && a.top == b.top;
}

bool operator==(const Image& a, const Image& b) {
    return a.visible == b.visible && a.picture == b.picture && a.left == b.left && a.top == b.top;
}

bool PanelModel::operator==(const PanelModel& o) const {
    return label1 == o.label1 && image2 == o.image2 && image1 == o.image1 && label3 == o.label3;
}

} // namespace panel
