#include "tools/soak/soak_run.h"

#include "diagnosis/dynamic_window.h"
#include "engine/intervals.h"
#include "link/message_sink.h"
#include "link/qt_serial_link.h"
#include "search/instrument_list.h"
#include "search/scan.h"
#include "search/searching_window.h"
#include "tools/soak/reply_tally.h"
#include "tools/soak/resident_memory.h"
#include "tools/soak/simulator_process.h"
#include "tools/soak/tapped_link.h"
#include "views/instrument_types.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace soak {

namespace {

constexpr qint16 kPort = 1;
const QString kSettings = QStringLiteral("19200,n,8,1");

// What the operator would have been told; the soak counts it instead of waiting for an OK.
class CountingSink final : public serial::MessageSink {
public:
    explicit CountingSink(QStringList& shown) : m_shown(shown) {}
    void show(QWidget*, const QString& text, const QString& title) override {
        m_shown << title + ": " + text;
    }

private:
    QStringList& m_shown;
};

// Every view call of the diagnosis window passes here on its way to the view table.
qint64 g_viewCalls = 0;
views::ViewRoutine countedView(int typeCode) {
    const views::ViewRoutine view = views::viewForCode(typeCode);
    if (view) ++g_viewCalls;
    return view;
}

void note(const char* format, const QString& text) {
    std::fprintf(stderr, format, qPrintable(text));
    std::fflush(stderr);
}

class Soak {
public:
    Soak(const SoakOptions& options, const QString& programDir)
        : m_options(options), m_programDir(programDir),
          m_simulator(options.simulator.isEmpty() ? QDir(programDir).filePath(QStringLiteral("commtest-sim"))
                                                  : options.simulator,
                      options.simulatorArguments),
          m_link(m_serial, m_tally), m_sink(m_report.messages),
          m_dynamic(m_link, m_sink, programDir, &m_mainArea) {
        m_mainArea.resize(1024, 768);
        m_link.setPortNumber(kPort);
        m_link.setSettings(kSettings);
        m_dynamic.pollCycle().setDispatch(&countedView);
        m_closeDiagnosis.setSingleShot(true);
        QObject::connect(&m_closeDiagnosis, &QTimer::timeout, m_dynamic.command1(), &QPushButton::click);
    }

    SoakReport run() {
        m_report.residentAtLaunch = residentBytes();
        QElapsedTimer clock;
        clock.start();
        const QDeadlineTimer deadline(static_cast<qint64>(m_options.minutes * 60'000));
        g_viewCalls = 0;
        while (!deadline.hasExpired()) {
            if (!m_simulator.isRunning() && !startSimulator()) break;
            ++m_report.rounds;
            const int found = scan();
            for (int row = 1; row <= found && !deadline.hasExpired(); ++row)
                diagnose(row);
            sampleMemory();
            if (m_report.rounds == 1) m_report.residentAfterFirstRound = m_report.residentAtEnd;
            note("%s\n", QStringLiteral("round %1 done at %2 min: %3 found, %4 requests, %5 accepted, %6 MB")
                             .arg(m_report.rounds)
                             .arg(clock.elapsed() / 60000.0, 0, 'f', 1)
                             .arg(found)
                             .arg(m_tally.requests())
                             .arg(m_tally.accepted())
                             .arg(m_report.residentAtEnd / 1048576.0, 0, 'f', 1));
        }
        m_simulator.stop();
        m_report.minutes = clock.elapsed() / 60000.0;
        m_report.requests = m_tally.requests();
        m_report.accepted = m_tally.accepted();
        m_report.rejected = m_tally.rejected();
        m_report.unanswered = m_tally.unanswered();
        m_report.bytesReceived = m_tally.bytesReceived();
        m_report.viewCalls = g_viewCalls;
        m_report.simulatorEnds = m_simulator.unexpectedEnds();
        m_report.portsLost = m_link.losses();
        return m_report;
    }

private:
    bool startSimulator() {
        const QString device = m_simulator.start();
        if (device.isEmpty()) {
            note("commtest-soak: cannot start the simulator: %s\n", m_simulator.error());
            ++m_report.failedOpens;
            return false;
        }
        // Port 1 is the simulator's pseudo-terminal.
        qputenv("COMMTEST_COM1", device.toLocal8Bit());
        return true;
    }

    bool openPort() {
        if (m_link.open() == serial::NoError) return true;
        ++m_report.failedOpens;
        note("commtest-soak: cannot open the port: %s\n", m_serial.lastErrorText());
        return false;
    }

    // As the search dialog's OK does it: a fresh list, the port open, the search window run to its end.
    int scan() {
        m_list.reset();
        if (!openPort()) return 0;
        ++m_report.scans;
        Scan scan(m_list, static_cast<qint16>(m_options.firstAddress),
                  static_cast<qint16>(m_options.lastAddress));
        SearchingWindow searching(scan, m_link, m_sink, &m_mainArea);
        searching.exec();
        m_report.foundPerScan << scan.foundCount();
        return scan.foundCount();
    }

    // As a double-click on the list row does it, closed by "退出" after the set number of requests.
    void diagnose(int row) {
        const Instrument* chosen = m_list.instrument(row);
        if (!chosen || m_list.typeCell(row).isEmpty()) return;
        m_list.setCurrentRow(row);
        const int sendMs = engine::kDiagnosisIntervals.sendMs;
        m_closeDiagnosis.start(sendMs * m_options.pollsPerInstrument + sendMs / 2);
        if (m_dynamic.showModal(*chosen)) ++m_report.diagnosisOpenings;
        m_closeDiagnosis.stop();
    }

    void sampleMemory() {
        m_report.residentAtEnd = residentBytes();
        m_report.residentPeak = std::max(m_report.residentPeak, m_report.residentAtEnd);
    }

    const SoakOptions& m_options;
    QString m_programDir;
    SoakReport m_report;
    SimulatorProcess m_simulator;
    ReplyTally m_tally;
    serial::QtSerialLink m_serial;
    TappedLink m_link;
    CountingSink m_sink;
    InstrumentList m_list;
    QWidget m_mainArea;
    DynamicWindow m_dynamic;
    QTimer m_closeDiagnosis;
};

} // namespace

SoakReport runSoak(const SoakOptions& options, const QString& programDir) {
    Soak soak(options, programDir);
    return soak.run();
}

} // namespace soak
