#pragma once
// The link settings file data/Communicate.txt: one line, the port ("COM3") and the rate (" 4800"),
// each in double quotes, comma-separated, CR LF.
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

namespace serial {

struct LinkSettings {
    qint16 portNumber = 1;
    QString settings = QStringLiteral("9600,n,8,1"); // as the port takes it, e.g. " 9600,n,8,1"
    bool operator==(const LinkSettings& o) const {
        return portNumber == o.portNumber && settings == o.settings;
    }
};

// The rates the port settings offer.
const QList<int>& supportedRates();

// The standard rates a serial port can be set to: those offered and the common ones beside them
// that a settings file may hold (38400 and up, 300 and below).
const QList<int>& acceptedRates();

// Leading digits of a settings text, blanks before them skipped (" 9600,n,8,1" gives 9600).
int rateOf(const QString& settingsText);

// Path of the settings file beside the program: <program dir>/data/Communicate.txt.
QString settingsFilePath(const QString& programDir);

struct ReadResult {
    // Nothing when the file is missing or names no port. With a port but a `problem`, the port is
    // the file's and the rate the default 9600, because the file's rate could not be used.
    std::optional<LinkSettings> settings;
    QString problem; // what could not be used and why, for the operator; empty when all of it was
};

// Parses the file's text. The port text is "COM" and a whole number from 1 to 32767; the rate
// text must name one of the accepted rates, or the port is kept with the default rate.
ReadResult parseSettings(const QByteArray& content);
ReadResult readSettingsFile(const QString& path);

// The file's line for these settings, CR LF included: rates below 19200 get one leading blank.
QByteArray formatSettings(const LinkSettings& settings);

// Writes the file through a temporary file in the same folder that replaces the old one only
// when complete, creating the folder if needed. On failure the old file is untouched and
// `error` says why.
bool writeSettingsFile(const QString& path, const LinkSettings& settings, QString* error = nullptr);

// The replace-when-complete write underneath, with the writing step open to tests that simulate a
// write failing half-way. `write` returns the number of bytes written or -1.
using ByteWriter = std::function<qint64(QIODevice& file, const QByteArray& bytes)>;
bool replaceFile(const QString& path, const QByteArray& bytes, const ByteWriter& write, QString* error);

} // namespace serial
