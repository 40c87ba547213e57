#pragma once
// The whole program on the simulated bus: the real main window (offscreen) with its list, search
// dialog, scan window and diagnosis window, the real serial link, and commtest-sim on a
// pseudo-terminal as port 1. Messages are recorded instead of shown.
#include "family_panels.h"
#include "program_dir.h"
#include "recording_sink.h"
#include "sim_process.h"

#include "engine/intervals.h"
#include "link/qt_serial_link.h"

#include <QVector>
#include <functional>
#include <memory>

namespace app {
class MainWindow;
}

// Slots short enough for a quick run, long enough for the longest reply at 9600 baud (about
// 100 ms of line time) on a busy machine.
constexpr engine::Intervals kQuickScan{400, 20};
constexpr engine::Intervals kQuickDiagnosis{400, 20};

class Bench {
public:
    // The scan and diagnosis windows run at the given intervals.
    explicit Bench(engine::Intervals scan = kQuickScan, engine::Intervals diagnosis = kQuickDiagnosis);
    ~Bench();

    engine::Intervals scanIntervals() const { return m_scanIntervals; }
    engine::Intervals diagnosisIntervals() const { return m_diagnosisIntervals; }

    // False, with the reason, when the program directory could not be laid out.
    bool isReady(QString* why) const;

    SimProcess& sim() { return m_sim; }
    app::MainWindow& mainWindow() { return *m_main; }
    const QList<RecordingSink::Message>& messages() const { return m_messages.shown; }
    // The recorded messages as one text, for a failure report.
    QString messageText() const;

    struct ScanRun {
        bool dialogDriven = false;    // the search dialog came up and OK was pressed
        bool searchingShown = false;  // the scan window came up
        bool searchingForced = false; // it was still up long after its last address and was closed
        qint64 ms = -1;               // from OK until start-up returned
    };
    // Start-up: the list window, then the search dialog, where OK starts a scan of `first` to
    // `last`; returns when the scan window has closed by itself.
    ScanRun startUpScan(int first, int last);

    // The data rows as the list window's grid shows them, four cells each.
    QList<QStringList> listedRows() const;

    struct DiagnosisRun {
        bool shown = false;
        bool forced = false;             // still open at the deadline, closed by force
        QVector<bool> pagesSeen;         // per expected page
        qint64 firstPageMs = -1;         // from the command to the first expected page
        QString stray;                   // the first reading after that which matched no page
        QString lastMismatch;            // how the last reading differed from the first page
        QString front;                   // the picture Image1 showed
        QString exitCaption;             // of the button pressed to leave
        bool portBusyWhileShown = false; // a second link could not open the port meanwhile

        // Which pages never showed, and how the last look differed from the first page.
        QString unseenText() const;
    };
    // Keeps watching after every page was seen until this says enough.
    using Until = std::function<bool()>;
    // Opens the diagnosis window on list row `row` through the main window's command, watches the
    // rendered panel until every page of `family` was seen (and `until` holds), then presses "退出".
    DiagnosisRun diagnose(int row, const FamilyPanel& family, const Until& until = {});

    // Nothing holds port 1: a second link opens it (and closes it again).
    bool portIsFree(QString* why = nullptr) const;

private:
    engine::Intervals m_scanIntervals;
    engine::Intervals m_diagnosisIntervals;
    ProgramDir m_programDir;
    SimProcess m_sim;
    serial::QtSerialLink m_link;
    RecordingSink m_messages;
    std::unique_ptr<app::MainWindow> m_main;
};
