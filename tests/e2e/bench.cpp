#include "bench.h"

#include "app/main_window.h"
#include "modal_driver.h"
#include "search/index_window.h"
#include "search/instrument_list.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
constexpr int kDialogDeadlineMs = 10000;
// Beyond the scan's own (addresses + 1) send intervals.
constexpr int kScanMarginMs = 8000;
// Beyond the first request's send interval and the paging views' pages.
constexpr int kDiagnosisDeadlineMs = 15000;

// The page of `family` that the window shows now, or -1; how it differs from the first page then.
int matchingPage(QWidget& window, const FamilyPanel& family, const QString& programDir,
                 QString* againstFirst) {
    for (int p = 0; p < family.pages.size(); ++p) {
        const QString differences = panelDifferences(window, family.pages[p], programDir);
        if (differences.isEmpty()) return p;
        if (p == 0) *againstFirst = differences;
    }
    return -1;
}

} // namespace

Bench::Bench(engine::Intervals scan, engine::Intervals diagnosis)
    : m_scanIntervals(scan), m_diagnosisIntervals(diagnosis),
      m_main(std::make_unique<app::MainWindow>(m_link, m_messages, m_programDir.path())) {
    m_main->setPollIntervals(scan, diagnosis);
    m_main->show();
}

Bench::~Bench() = default;

bool Bench::isReady(QString* why) const {
    if (why) *why = m_programDir.error();
    return m_programDir.isValid();
}

QString Bench::messageText() const {
    QStringList out;
    for (const auto& m : m_messages.shown)
        out << m.title + QStringLiteral(": ") + m.text;
    return out.join(QLatin1Char('\n'));
}

Bench::ScanRun Bench::startUpScan(int first, int last) {
    ScanRun run;
    QElapsedTimer clock;
    ModalDriver search(
        QStringLiteral("Search"),
        [&](QWidget& dialog) {
            auto* text1 = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
            auto* text2 = dialog.findChild<QLineEdit*>(QStringLiteral("Text2"));
            auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Command1"));
            if (!text1 || !text2 || !ok) return false;
            text1->setText(QString::number(first));
            text2->setText(QString::number(last));
            run.dialogDriven = true;
            clock.start();
            QTest::mouseClick(ok, Qt::LeftButton);
            return true;
        },
        kDialogDeadlineMs);
    const int scanMs = (last - first + 2) * m_scanIntervals.sendMs;
    ModalDriver searching(
        QStringLiteral("Searching"), [](QWidget&) { return false; },
        kDialogDeadlineMs + scanMs + kScanMarginMs);
    m_main->startUp();
    run.ms = clock.isValid() ? clock.elapsed() : -1;
    run.searchingShown = searching.sawWindow();
    run.searchingForced = searching.timedOut();
    return run;
}

QList<QStringList> Bench::listedRows() const {
    QList<QStringList> rows;
    const QAbstractItemModel* grid = m_main->indexWindow() ? m_main->indexWindow()->grid()->model() : nullptr;
    if (!grid) return rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << grid->index(r, c).data().toString();
        rows << cells;
    }
    return rows;
}

Bench::DiagnosisRun Bench::diagnose(int row, const FamilyPanel& family, const Until& until) {
    DiagnosisRun run;
    run.pagesSeen.fill(false, family.pages.size());
    const QString programDir = m_programDir.path();
    QElapsedTimer opened; // from the command, which loads the window at once
    ModalDriver driver(
        QStringLiteral("Dynamic"),
        [&](QWidget& window) {
            QString againstFirst;
            const int match = matchingPage(window, family, programDir, &againstFirst);
            const bool anySeen = run.pagesSeen.contains(true);
            if (match >= 0) {
                if (!anySeen) {
                    run.firstPageMs = opened.elapsed();
                    run.portBusyWhileShown = !portIsFree();
                }
                run.pagesSeen[match] = true;
            } else {
                run.lastMismatch = againstFirst;
                if (anySeen && run.stray.isEmpty())
                    run.stray = QStringLiteral("after %1 ms:\n%2").arg(opened.elapsed()).arg(againstFirst);
            }
            if (run.pagesSeen.contains(false) || (until && !until())) return false;
            run.front = frontPicture(window, programDir);
            auto* exit = window.findChild<QPushButton*>(QStringLiteral("Command1"));
            if (!exit) return false;
            run.exitCaption = exit->text();
            QTest::mouseClick(exit, Qt::LeftButton);
            return true;
        },
        kDiagnosisDeadlineMs);
    m_main->instruments().setCurrentRow(row);
    opened.start();
    m_main->openDiagnosis();
    run.shown = driver.sawWindow();
    run.forced = driver.timedOut();
    return run;
}

QString Bench::DiagnosisRun::unseenText() const {
    QStringList unseen;
    for (int p = 0; p < pagesSeen.size(); ++p)
        if (!pagesSeen[p]) unseen << QString::number(p);
    return QStringLiteral("pages never shown: %1; last difference from page 0:\n%2")
        .arg(unseen.isEmpty() ? QStringLiteral("none") : unseen.join(QLatin1Char(' ')), lastMismatch);
}

bool Bench::portIsFree(QString* why) const {
    serial::QtSerialLink other;
    other.setPortNumber(m_link.portNumber());
    other.setSettings(m_link.settings());
    if (other.open() != serial::NoError) {
        if (why) *why = other.lastErrorText();
        return false;
    }
    other.close();
    return true;
}
