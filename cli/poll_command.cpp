#include "cli/poll_command.h"

#include "cli/round_poller.h"
#include "cli/sample_outputs.h"
#include "cli/signal_pipe.h"
#include "config/app_settings.h"
#include "engine/poll_engine.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"
#include "link/settings_file.h"
#include "mqtt/bus_health.h"
#include "mqtt/gateway.h"
#include "search/port_messages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <csignal>
#include <cstdio>

namespace cli {

namespace {

void say(const QString& text) {
    const QByteArray line = QStringLiteral("commtest-cli: %1\n").arg(text).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

// The settings file's problems go to standard error instead of a message box.
class StderrSink final : public serial::MessageSink {
public:
    void show(QWidget*, const QString& text, const QString&) override { say(text); }
};

// Port and rate: the options, else the link settings file, else port 1 at 9600.
void chooseLine(const PortChoice& port, std::optional<int> baud, const QString& programDir,
                serial::QtSerialLink& link) {
    const QString path = serial::settingsFilePath(programDir);
    const serial::ReadResult file = serial::readSettingsFile(path);
    // A missing file is the first run; a file that is there and wrong is worth a word.
    if (!file.problem.isEmpty() && QFile::exists(path) && (port == PortChoice{} || !baud)) say(file.problem);
    serial::LinkSettings settings = file.settings.value_or(serial::LinkSettings{});
    if (port.number > 0) settings.portNumber = qint16(port.number);
    if (!port.device.isEmpty()) {
        // A device named on the command line stands for port 1, as the environment may map it.
        settings.portNumber = 1;
        qputenv("COMMTEST_COM1", port.device.toLocal8Bit());
    }
    link.setPortNumber(settings.portNumber);
    const int rate = baud.value_or(serial::rateOf(settings.settings));
    link.setSettings(QStringLiteral("%1,n,8,1").arg(rate > 0 ? rate : 9600));
}

// The samples of the last rounds to the broker before the gateway stops, a connection still being
// made included; a broker away for longer costs them, as it would cost a service being stopped.
void deliverQueued(mqtt::Gateway& gateway) {
    QDeadlineTimer deadline(kDeliverAtEndMs);
    while ((gateway.outbox().queued() > 0 || gateway.outbox().inFlight() > 0) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int runPoll(const PollArgs& args, const QString& programDir) {
    std::signal(SIGPIPE, SIG_IGN); // a closed pipe shows as a failed write, not a dead gateway
    // First of all, so that a service stopped while it starts still ends cleanly.
    SignalPipe terminations;
    if (QString error; !terminations.install(&error)) say(error);
    StderrSink sink;
    config::AppSettings settings(programDir);
    settings.load(sink);

    serial::QtSerialLink link;
    link.setPortMapping(settings.values().portMapping);
    chooseLine(args.port, args.baud, programDir, link);
    const QString device = link.deviceName();

    std::unique_ptr<mqtt::Gateway> gateway;
    if (args.mqtt) {
        const mqtt::GatewayOptions options = gatewayOptions(
            *args.mqtt, device.isEmpty() ? QStringLiteral("COM%1").arg(link.portNumber()) : device,
            mqtt::processEnvironment());
        if (const QString problem = mqtt::optionsProblem(options); !problem.isEmpty()) {
            say(problem);
            return kUsageError;
        }
        gateway = std::make_unique<mqtt::Gateway>(options);
    }

    RoundPlan plan;
    plan.addresses = args.addresses;
    plan.intervalMs = args.intervalMs.value_or(settings.values().pollIntervalMs);
    plan.rounds = args.count.value_or(0);
    plan.replyTimeoutMs = settings.values().replyTimeoutMs;
    plan.baud = link.baudRate();

    SampleOutputs outputs(args.format, stdout, stderr);
    if (args.record) {
        const QString path = args.recordFile.isEmpty() ? settings.historyDatabasePath() : args.recordFile;
        history::RecordingInfo line;
        line.port = device.isEmpty() ? QStringLiteral("COM%1").arg(link.portNumber()) : device;
        line.baudRate = plan.baud;
        line.intervalMs = plan.intervalMs;
        QString error;
        if (!outputs.startRecording(path, line, plan.addresses, &error)) {
            say(error);
            return kRunError;
        }
    }

    engine::PollEngine engine(link);
    if (const serial::PortError error = engine.open(); error != serial::NoError) {
        say(QStringLiteral("%1 (%2: %3)")
                .arg(portmsg::textFor(error),
                     device.isEmpty() ? QStringLiteral("COM%1").arg(link.portNumber()) : device,
                     link.lastErrorText()));
        return kPortError;
    }

    mqtt::HealthTally tally;
    if (gateway) {
        QString error;
        QObject::connect(gateway.get(), &mqtt::Gateway::warning, gateway.get(),
                         [](const QString& text) { say(QStringLiteral("MQTT: %1").arg(text)); });
        if (!gateway->start(&error)) {
            engine.stop();
            say(error);
            return kRunError;
        }
        engine.addListener(&tally);
        gateway->setHealthSource([&tally] { return tally.take(); });
        outputs.setGateway(gateway.get());
    }

    int status = 0;
    bool ending = false;
    const auto end = [&](int code) {
        if (ending) return;
        ending = true;
        status = code;
        engine.stop();
        outputs.stopRecording();
        if (gateway) {
            if (code == 0) deliverQueued(*gateway);
            gateway->stop();
        }
        QCoreApplication::exit(code);
    };

    RoundPoller poller(engine, plan, [&outputs](const protocol::Sample& s) { outputs.take(s); });
    QObject::connect(&terminations, &SignalPipe::terminationRequested, &engine, [&](int) { end(0); });
    QObject::connect(&engine, &engine::PollEngine::finished, &engine, [&] { end(0); });
    QObject::connect(&engine, &engine::PollEngine::lost, &engine, [&](const QString& reason) {
        say(portmsg::lostText(reason));
        end(kPortError);
    });
    engine.start(poller, engine::Intervals{poller.backstopMs(), kPollReceiveMs});
    QCoreApplication::exec();
    return status;
}

} // namespace cli
