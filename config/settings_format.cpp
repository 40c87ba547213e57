#include "config/settings_format.h"

#include "config/config_texts.h"

#include <QStringDecoder>
#include <functional>
#include <map>
#include <optional>

namespace config {

namespace {

// A value's text: quoted with escapes, or bare. Nothing when the quotes are broken.
std::optional<QString> unquoted(const QString& raw) {
    if (!raw.startsWith(QLatin1Char('"'))) return raw;
    QString out;
    for (int i = 1; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('"')) {
            if (!raw.mid(i + 1).trimmed().isEmpty()) return std::nullopt;
            return out;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= raw.size()) return std::nullopt;
        switch (raw[i].unicode()) {
        case '\\': out += QLatin1Char('\\'); break;
        case '"': out += QLatin1Char('"'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: return std::nullopt;
        }
    }
    return std::nullopt; // no closing quote
}

QByteArray quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

// Reads one value into `values`; returns the problem, or empty text when it was used.
using Reader = std::function<QString(const QString& name, const QString& raw, AppValues& values)>;

Reader number(int AppValues::*field, int low, int high) {
    return [=](const QString& name, const QString& raw, AppValues& values) {
        bool ok = false;
        const qlonglong value = raw.toLongLong(&ok, 10);
        if (!ok) return texts::kNotANumber.arg(name, raw);
        if (value < low || value > high) return texts::kOutOfRange.arg(name).arg(value).arg(low).arg(high);
        values.*field = static_cast<int>(value);
        return QString();
    };
}

Reader yesNo(bool AppValues::*field) {
    return [=](const QString& name, const QString& raw, AppValues& values) {
        const QString v = raw.toLower();
        if (v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes"))
            values.*field = true;
        else if (v == QLatin1String("0") || v == QLatin1String("false") || v == QLatin1String("no"))
            values.*field = false;
        else
            return texts::kNotAYesNo.arg(name, raw);
        return QString();
    };
}

// A text value; `accept` says whether the unquoted text can be used.
Reader text(std::function<QString&(AppValues&)> field, std::function<bool(const QString&)> accept) {
    return [=](const QString& name, const QString& raw, AppValues& values) {
        const std::optional<QString> value = unquoted(raw);
        if (!value || !accept(*value)) return texts::kBadText.arg(name, raw);
        field(values) = *value;
        return QString();
    };
}

const std::map<QString, Reader>& readers() {
    static const std::map<QString, Reader> table = [] {
        const auto any = [](const QString&) { return true; };
        std::map<QString, Reader> t;
        t[QStringLiteral("scan/fast")] = yesNo(&AppValues::fastScan);
        t[QStringLiteral("scan/reply_timeout_ms")] =
            number(&AppValues::replyTimeoutMs, kReplyTimeoutMinMs, kReplyTimeoutMaxMs);
        t[QStringLiteral("diagnosis/poll_interval_ms")] =
            number(&AppValues::pollIntervalMs, kPollIntervalMinMs, kPollIntervalMaxMs);
        for (int i = 0; i < serial::kMappedPorts; ++i) {
            const QString section = QStringLiteral("port%1/").arg(i + 1);
            t[section + QStringLiteral("serial_number")] =
                text([i](AppValues& v) -> QString& { return v.portMapping[i].serialNumber; }, any);
            t[section + QStringLiteral("device")] =
                text([i](AppValues& v) -> QString& { return v.portMapping[i].portName; }, any);
        }
        t[QStringLiteral("history/folder")] =
            text([](AppValues& v) -> QString& { return v.historyFolder; }, any);
        t[QStringLiteral("interface/language")] =
            text([](AppValues& v) -> QString& { return v.language; }, isLanguageName);
        return t;
    }();
    return table;
}

} // namespace

ParsedValues parseAppSettings(const QByteArray& bytes) {
    ParsedValues out;
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString content = decode(bytes);
    if (decode.hasError()) {
        out.problems << texts::kNotUtf8;
        return out;
    }
    const QStringList lines = content.split(QLatin1Char('\n'));
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (i == 0 && line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            out.problems << texts::kAtLine.arg(i + 1).arg(texts::kNotASetting.arg(line));
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const auto reader = readers().find(section + QLatin1Char('/') + key);
        if (reader == readers().end()) continue;
        const QString name = QStringLiteral("[%1] %2").arg(section, key);
        AppValues candidate = out.values;
        const QString problem = reader->second(name, line.mid(equals + 1).trimmed(), candidate);
        if (problem.isEmpty())
            out.values = candidate;
        else
            out.problems << texts::kAtLine.arg(i + 1).arg(problem);
    }
    return out;
}

QByteArray formatAppSettings(const AppValues& v) {
    QByteArray out = "# commtest 的应用程序设置（UTF-8）。通讯口与波特率保存在 Communicate.txt 中。\n";
    out += "\n[scan]\n";
    out += "fast=" + QByteArray(v.fastScan ? "1" : "0") + '\n';
    out += "reply_timeout_ms=" + QByteArray::number(v.replyTimeoutMs) + '\n';
    out += "\n[diagnosis]\n";
    out += "poll_interval_ms=" + QByteArray::number(v.pollIntervalMs) + '\n';
    for (int i = 0; i < serial::kMappedPorts; ++i) {
        out += "\n[port" + QByteArray::number(i + 1) + "]\n# 两项都为空：自动\n";
        out += "serial_number=" + quoted(v.portMapping[i].serialNumber) + '\n';
        out += "device=" + quoted(v.portMapping[i].portName) + '\n';
    }
    out += "\n[history]\n# 空：程序的 data 文件夹\n";
    out += "folder=" + quoted(v.historyFolder) + '\n';
    out += "\n[interface]\n# 空：跟随系统\n";
    out += "language=" + quoted(v.language) + '\n';
    return out;
}

} // namespace config
