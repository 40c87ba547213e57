#include "cli/scan_command.h"

#include "config/app_settings.h"
#include "engine/poll_engine.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"
#include "link/settings_file.h"
#include "search/fast_scan.h"
#include "search/instrument_list.h"
#include "search/port_messages.h"
#include "search/scan.h"
#include "search/scan_progress.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace cli {
namespace {

// Messages meant for a box go to standard error.
class StreamSink final : public serial::MessageSink {
public:
    explicit StreamSink(QTextStream& err) : m_err(err) {}
    void show(QWidget*, const QString& text, const QString&) override { m_err << text << Qt::endl; }

private:
    QTextStream& m_err;
};

QString typeHex(int code) {
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

QString seconds(qint64 ms) {
    return QString::number(ms / 1000.0, 'f', 1);
}

QString csvField(QString text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))) return text;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QList<Instrument> listed(const InstrumentList& list) {
    QList<Instrument> out;
    for (int row = 1; row < list.rows(); ++row)
        if (const Instrument* instrument = list.instrument(row)) out << *instrument;
    return out;
}

} // namespace

QString formatScanResult(const QList<Instrument>& found, qint64 elapsedMs, Format format) {
    QString text;
    QTextStream out(&text);
    switch (format) {
    case Format::Json: {
        QJsonArray rows;
        for (const Instrument& i : found)
            rows.append(QJsonObject{{QStringLiteral("address"), i.address},
                                    {QStringLiteral("type"), typeHex(i.typeCode)},
                                    {QStringLiteral("model"), i.modelName()},
                                    {QStringLiteral("roundTripMs"),
                                     i.roundTripMs >= 0 ? QJsonValue(i.roundTripMs) : QJsonValue()}});
        const QJsonObject all{{QStringLiteral("instruments"), rows},
                              {QStringLiteral("elapsedMs"), elapsedMs}};
        out << QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Compact)) << '\n';
        break;
    }
    case Format::Csv:
        out << "address,type,model,round_trip_ms\n";
        for (const Instrument& i : found)
            out << i.address << ',' << typeHex(i.typeCode) << ',' << csvField(i.modelName()) << ','
                << (i.roundTripMs >= 0 ? QString::number(i.roundTripMs) : QString()) << '\n';
        break;
    case Format::Table:
        out << "Address  Type  Round trip  Model\n";
        for (const Instrument& i : found)
            out << QStringLiteral("%1  %2  %3  %4\n")
                       .arg(i.address, 7)
                       .arg(typeHex(i.typeCode), 4)
                       .arg(i.roundTripMs >= 0 ? QStringLiteral("%1 ms").arg(i.roundTripMs)
                                               : QStringLiteral("-"),
                            10)
                       .arg(i.modelName());
        out << QStringLiteral("%1 found in %2 s\n").arg(found.size()).arg(seconds(elapsedMs));
        break;
    }
    return text;
}

int runScan(const ScanArgs& args, const QString& programDir, ScanIo io) {
    StreamSink sink(io.err);
    config::AppSettings appSettings(programDir);
    appSettings.load(sink);
    // The link settings file counts only for what the command line leaves open.
    serial::LinkSettings fromFile;
    const bool portGiven = args.port.number > 0 || !args.port.device.isEmpty();
    if (!portGiven || !args.baud) {
        const QString path = serial::settingsFilePath(programDir);
        const serial::ReadResult file = serial::readSettingsFile(path);
        if (!file.problem.isEmpty()) io.err << path << ": " << file.problem << Qt::endl;
        fromFile = file.settings.value_or(serial::LinkSettings{});
    }

    serial::QtSerialLink link;
    link.setPortMapping(appSettings.values().portMapping);
    link.setPortNumber(fromFile.portNumber);
    if (args.port.number > 0) link.setPortNumber(static_cast<qint16>(args.port.number));
    link.setDevice(args.port.device);
    const int rate = args.baud.value_or(serial::rateOf(fromFile.settings));
    link.setSettings(QStringLiteral("%1,n,8,1").arg(rate > 0 ? rate : 9600));

    const serial::PortError opened = link.open();
    if (opened != serial::NoError) {
        io.err << portmsg::textFor(opened);
        if (!link.lastErrorText().isEmpty()) io.err << " (" << link.lastErrorText() << ')';
        io.err << Qt::endl;
        return kPortError;
    }

    InstrumentList list;
    Scan scan(list, static_cast<qint16>(args.from), static_cast<qint16>(args.to));
    engine::PollEngine engine(link);
    FastScan fast(scan, engine, args.timeoutMs.value_or(appSettings.values().replyTimeoutMs));
    QEventLoop loop;
    int status = kScanFoundNone;
    QObject::connect(&engine, &engine::PollEngine::finished, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &engine::PollEngine::lost, &loop, [&](const QString& reason) {
        io.err << portmsg::lostText(reason) << Qt::endl;
        status = kPortError;
        loop.quit();
    });

    const qint64 startMs = engine.clock().nowMs();
    int asked = 0;
    const auto showProgress = [&](int) {
        if (!io.progress) return;
        ++asked;
        scanprogress::Progress p;
        p.total = scan.rangeSize();
        p.done = args.fast ? (fast.inSecondLook() ? p.total : fast.askedCount() - 1) : asked - 1;
        p.found = scan.foundCount();
        p.elapsedMs = engine.clock().nowMs() - startMs;
        io.err << '\r' << scanprogress::lineText(p) << "\x1b[K" << Qt::flush;
    };
    if (args.fast) {
        QObject::connect(&fast, &FastScan::asking, &loop, showProgress);
        fast.start();
    } else {
        QObject::connect(&scan, &Scan::asking, &loop, showProgress);
        scan.setClock(&engine.clock(), link.baudRate());
        engine.start(scan, engine::kScanIntervals);
    }
    loop.exec();
    engine.stop();
    const qint64 elapsedMs = engine.clock().nowMs() - startMs;
    if (io.progress) io.err << "\r\x1b[K" << Qt::flush;
    if (status == kPortError) return status;

    const QList<Instrument> found = listed(list);
    io.out << formatScanResult(found, elapsedMs, args.format) << Qt::flush;
    if (args.format == Format::Csv)
        io.err << QStringLiteral("%1 found in %2 s").arg(found.size()).arg(seconds(elapsedMs)) << Qt::endl;
    if (args.fast) {
        // What the time-outs came to, so that a run can be set against the line's own time.
        io.err << QStringLiteral(
                      "fast scan: reply time-out %1 ms until the first answer, then %2 ms (slowest "
                      "turnaround %3 ms on the first pass); asked again at the end: %4; no reply to %5 "
                      "requests, %6 ms of time-outs in all")
                      .arg(args.timeoutMs.value_or(appSettings.values().replyTimeoutMs))
                      .arg(fast.adaptiveTimeoutMs())
                      .arg(fast.slowestTurnaroundMs())
                      .arg(fast.secondLook().size())
                      .arg(fast.silentCount())
                      .arg(fast.silentWaitMs())
               << Qt::endl;
    }
    return found.isEmpty() ? kScanFoundNone : kScanFoundSome;
}

} // namespace cli
