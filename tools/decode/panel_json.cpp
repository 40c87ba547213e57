#include "panel_json.h"

#include "decode_session.h"
#include "protocol/reading_number.h"

#include <QJsonDocument>
#include <QJsonValue>

namespace decode {

namespace {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QJsonObject labelJson(const panel::Label& label) {
    return {
        {QStringLiteral("caption"), label.caption}, {QStringLiteral("visible"), label.visible},
        {QStringLiteral("font"), label.fontPoints}, {QStringLiteral("color"), colorText(label.color)},
        {QStringLiteral("left"), label.left},       {QStringLiteral("top"), label.top},
    };
}

QJsonObject lampJson(const panel::Image& lamp) {
    return {
        {QStringLiteral("visible"), lamp.visible},
        {QStringLiteral("picture"), lamp.picture},
        {QStringLiteral("left"), lamp.left},
        {QStringLiteral("top"), lamp.top},
    };
}

} // namespace

QString colorText(panel::Rgb color) {
    return QStringLiteral("#%1").arg(color & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QJsonObject controlsJson(const panel::PanelModel& panel) {
    QJsonObject controls;
    controls.insert(QStringLiteral("Image1"), QJsonObject{{QStringLiteral("picture"), panel.image1.picture}});
    for (int i = 0; i < int(panel.label1.size()); ++i)
        controls.insert(indexed("Label1", i), labelJson(panel.label1[i]));
    controls.insert(indexed("Label3", 2), labelJson(panel.label3[2]));
    for (int i = 0; i < int(panel.image2.size()); ++i)
        controls.insert(indexed("Image2", i), lampJson(panel.image2[i]));
    return controls;
}

QJsonObject frameJson(const FrameOutcome& outcome, qint16 tn, const panel::PanelModel& panel) {
    const QJsonValue null(QJsonValue::Null);
    return {
        {QStringLiteral("check"), outcome.check},
        {QStringLiteral("type"), outcome.type ? QJsonValue(*outcome.type) : null},
        {QStringLiteral("view"), outcome.view.isEmpty() ? null : QJsonValue(outcome.view)},
        {QStringLiteral("Tn"), int(tn)},
        {QStringLiteral("controls"), controlsJson(panel)},
    };
}

QByteArray readingsJson(const protocol::Readings& readings) {
    QByteArray out = "{";
    for (const protocol::Reading& r : readings) {
        if (out.size() > 1) out += ',';
        // Keys are plain ASCII names, so they need no escapes; QJsonDocument would sort them.
        const QByteArray number = protocol::readingNumber(r.value);
        out += '"' + r.key.toLatin1() + "\":" + (number.isEmpty() ? QByteArray("null") : number);
    }
    return out + '}';
}

QByteArray frameLine(const FrameOutcome& outcome, qint16 tn, const panel::PanelModel& panel) {
    QByteArray line = QJsonDocument(frameJson(outcome, tn, panel)).toJson(QJsonDocument::Compact);
    line.chop(1); // the closing brace
    return line + ",\"readings\":" + readingsJson(outcome.readings) + '}';
}

} // namespace decode
