#pragma once
// The diagnosis panel model as short text, so that a test compares a whole panel in one line.
#include "diagnosis/panel/panel_model.h"

#include <QStringList>
#include <initializer_list>

namespace panel_text {

// What changed on one control, naming only the properties that differ:
// "L0 shown 36pt #000000 centre @3280,2100 '123.4'".
inline QString labelChange(const QString& name, const panel::Label& was, const panel::Label& now) {
    QString out = name;
    if (now.visible != was.visible) out += now.visible ? " shown" : " hidden";
    if (now.fontPoints != was.fontPoints) out += QStringLiteral(" %1pt").arg(now.fontPoints);
    if (now.color != was.color) out += QStringLiteral(" #%1").arg(now.color, 6, 16, QLatin1Char('0'));
    if (now.align != was.align) out += QStringList{" left", " centre", " right"}.at(int(now.align));
    if (now.left != was.left || now.top != was.top)
        out += QStringLiteral(" @%1,%2").arg(now.left).arg(now.top);
    if (now.caption != was.caption) out += " '" + now.caption + "'";
    return out;
}

inline QString imageChange(const QString& name, const panel::Image& was, const panel::Image& now) {
    QString out = name;
    if (now.visible != was.visible) out += now.visible ? " shown" : " hidden";
    if (now.left != was.left || now.top != was.top)
        out += QStringLiteral(" @%1,%2").arg(now.left).arg(now.top);
    if (now.picture != was.picture)
        out += " " + (now.picture.isEmpty() ? QStringLiteral("(design)") : now.picture);
    return out;
}

// Every control that differs, in the order P (Image1), L0-L8 (Label1), I0-I7 (Image2),
// T0-T2 (Label3), joined by "; ".
inline QString changes(const panel::PanelModel& was, const panel::PanelModel& now) {
    QStringList out;
    if (!(now.image1 == was.image1)) out << imageChange(QStringLiteral("P"), was.image1, now.image1);
    for (int i = 0; i < 9; ++i)
        if (!(now.label1[i] == was.label1[i]))
            out << labelChange(QStringLiteral("L%1").arg(i), was.label1[i], now.label1[i]);
    for (int i = 0; i < 8; ++i)
        if (!(now.image2[i] == was.image2[i]))
            out << imageChange(QStringLiteral("I%1").arg(i), was.image2[i], now.image2[i]);
    for (int i = 0; i < 3; ++i)
        if (!(now.label3[i] == was.label3[i]))
            out << labelChange(QStringLiteral("T%1").arg(i), was.label3[i], now.label3[i]);
    return out.join(QStringLiteral("; "));
}

// The captions of the given Label1 controls, joined by "|".
inline QString captions(const panel::PanelModel& panel, std::initializer_list<int> labels) {
    QStringList out;
    for (int i : labels)
        out << panel.label1[i].caption;
    return out.join(QLatin1Char('|'));
}

} // namespace panel_text
