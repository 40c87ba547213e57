#include "cli/sample_lines.h"

#include "mqtt/payloads.h"
#include "protocol/reading_number.h"
#include "tools/decode/panel_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace cli {

namespace {

QByteArray jsonString(const QString& text) {
    // A one-element array is the shortest way to QJson's string escaping.
    QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QByteArray jsonLine(const protocol::Sample& sample, const QTimeZone& zone) {
    QByteArray line = "{\"time\":" + jsonString(mqtt::isoTime(sample.epochMs, zone));
    line += ",\"address\":" + QByteArray::number(sample.address);
    line += ",\"type\":" + QByteArray::number(sample.typeCode);
    line += ",\"model\":" + jsonString(sample.model);
    line += ",\"readings\":" + decode::readingsJson(sample.readings);
    return line + "}\n";
}

QByteArray csvField(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    QByteArray quoted = utf8;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

QByteArray CsvLines::linesFor(const protocol::Sample& sample) {
    QByteArray out;
    if (!m_headed.contains(sample.typeCode)) {
        m_headed.insert(sample.typeCode);
        out += "time,address,type,model";
        for (const protocol::Reading& r : sample.readings)
            out += ',' + csvField(r.key);
        out += '\n';
    }
    out += mqtt::isoTime(sample.epochMs, m_zone).toUtf8();
    out += ',' + QByteArray::number(sample.address);
    out += ',' + QByteArray::number(sample.typeCode);
    out += ',' + csvField(sample.model);
    for (const protocol::Reading& r : sample.readings)
        out += ',' + protocol::readingNumber(r.value);
    return out + '\n';
}

} // namespace cli
