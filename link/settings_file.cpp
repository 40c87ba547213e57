#include "link/settings_file.h"

#include "i18n/text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cctype>

namespace serial {

const QList<int>& supportedRates() {
    static const QList<int> rates = {600, 1200, 2400, 4800, 9600, 19200};
    return rates;
}

const QList<int>& acceptedRates() {
    static const QList<int> rates = {110, 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return rates;
}

int rateOf(const QString& settingsText) {
    int i = 0;
    while (i < settingsText.size() &&
           (settingsText[i] == QLatin1Char(' ') || settingsText[i] == QLatin1Char('\t')))
        ++i;
    qint64 rate = 0;
    for (; i < settingsText.size() && settingsText[i].isDigit() && settingsText[i].unicode() < 128; ++i) {
        rate = rate * 10 + (settingsText[i].unicode() - '0');
        if (rate > 100000000) return 0;
    }
    return static_cast<int>(rate);
}

QString settingsFilePath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("data/Communicate.txt"));
}

namespace {

// Reads one field by the file's rules: blanks before it skipped; a quoted field runs to the next
// quote (commas and blanks kept) and whatever follows up to the next comma is dropped; a bare
// field runs to the next comma and loses trailing blanks. A line end ends a field.
QByteArray readField(const QByteArray& line, int& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    QByteArray value;
    if (pos < line.size() && line[pos] == '"') {
        const int close = line.indexOf('"', pos + 1);
        const int end = close < 0 ? line.size() : close;
        value = line.mid(pos + 1, end - pos - 1);
        pos = end;
        while (pos < line.size() && line[pos] != ',')
            ++pos;
    } else {
        const int comma = line.indexOf(',', pos);
        const int end = comma < 0 ? line.size() : comma;
        value = line.mid(pos, end - pos);
        while (!value.isEmpty() && (value.endsWith(' ') || value.endsWith('\t')))
            value.chop(1);
        pos = end;
    }
    if (pos < line.size() && line[pos] == ',') ++pos;
    return value;
}

} // namespace

ReadResult parseSettings(const QByteArray& content) {
    QByteArray line = content;
    const int lineEnd = line.indexOf('\n');
    if (lineEnd >= 0) line.truncate(lineEnd);
    while (line.endsWith('\r'))
        line.chop(1);
    if (line.trimmed().isEmpty()) return {std::nullopt, i18n::tr("文件为空")};

    int pos = 0;
    const QByteArray portText = readField(line, pos);
    const bool hasSecond = pos <= line.size() && line.left(pos).contains(',');
    const QByteArray rateText = hasSecond ? readField(line, pos) : QByteArray();

    if (!portText.startsWith("COM") || portText.size() < 4)
        return {std::nullopt, i18n::tr("通讯口“%1”无法识别").arg(QString::fromLatin1(portText))};
    // The whole number after "COM" counts: COM12 is port 12.
    bool ok = false;
    const int number = portText.mid(3).toInt(&ok);
    if (!ok || number < 1 || number > 32767 || !std::all_of(portText.begin() + 3, portText.end(), ::isdigit))
        return {std::nullopt, i18n::tr("通讯口“%1”无法识别").arg(QString::fromLatin1(portText))};

    // A good port is kept even when the rate is not: the operator then only has to fix the rate.
    LinkSettings kept;
    kept.portNumber = static_cast<qint16>(number);
    if (!hasSecond) return {kept, i18n::tr("缺少波特率")};
    const QString settings = QString::fromLatin1(rateText) + QStringLiteral(",n,8,1");
    const int rate = rateOf(settings);
    const QString afterDigits = QString::fromLatin1(rateText).trimmed().mid(QString::number(rate).size());
    if (!acceptedRates().contains(rate) || !afterDigits.isEmpty())
        return {kept, i18n::tr("波特率“%1”无法使用").arg(QString::fromLatin1(rateText))};

    kept.settings = settings;
    return {kept, QString()};
}

ReadResult readSettingsFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return {std::nullopt, i18n::tr("找不到文件")};
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, file.errorString()};
    // The file is one short line; anything much longer is not ours.
    return parseSettings(file.read(4096));
}

QByteArray formatSettings(const LinkSettings& s) {
    const int rate = rateOf(s.settings);
    QByteArray rateText = QByteArray::number(rate);
    if (rate < 19200) rateText.prepend(' ');
    return "\"COM" + QByteArray::number(s.portNumber) + "\",\"" + rateText + "\"\r\n";
}

bool writeSettingsFile(const QString& path, const LinkSettings& settings, QString* error) {
    return replaceFile(
        path, formatSettings(settings),
        [](QIODevice& file, const QByteArray& bytes) { return file.write(bytes); }, error);
}

bool replaceFile(const QString& path, const QByteArray& bytes, const ByteWriter& write, QString* error) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error) *error = i18n::tr("无法创建文件夹 %1").arg(info.absolutePath());
        return false;
    }
    // QSaveFile writes beside the target and renames over it only on commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (write(file, bytes) != bytes.size()) {
        if (error) *error = file.errorString().isEmpty() ? i18n::tr("写入失败") : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace serial
