#pragma once
// What the diagnosis window must show, read back from the rendered labels of its panel (QLabels
// named "Label1(0)", "Image2(5)", "Label3(2)", "Image1") rather than from the model behind them.
#include <QColor>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

struct PanelExpectation {
    QStringList label3;        // the port, rate and model lines
    QMap<int, QString> label1; // every shown Label1(i) with its caption; the others hidden
    QSet<int> lamps;           // every shown Image2(i); the others hidden
    QSet<int> litLamps;        // of the shown LCD lamps (5 to 7), those lit
    QColor textColor;          // of the shown Label1s, where the layout sets it
};
Q_DECLARE_METATYPE(PanelExpectation)

// Each difference between the window and `expected` on a line of its own; empty when it matches.
QString panelDifferences(QWidget& window, const PanelExpectation& expected, const QString& programDir);

// The picture file ("AC80.BMP") that the rendered Image1 is drawn from, out of the instrument
// fronts the program ships.
QString frontPicture(QWidget& window, const QString& programDir);
