#include "trends/history_window.h"

#include "history/csv_export.h"
#include "link/message_sink.h"
#include "trends/chart_canvas.h"
#include "trends/file_chooser.h"
#include "trends/history_window_texts.h"
#include "trends/reading_list.h"
#include "trends/trend_chart.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace trends {

namespace {

constexpr int kInstrumentRole = Qt::UserRole;
constexpr int kRecordingRole = Qt::UserRole + 1;
constexpr int kProgressSteps = 1000;

QString timeText(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

HistoryWindow::HistoryWindow(const QString& historyFile, serial::MessageSink& messages, FileChooser& files,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), m_file(historyFile), m_messages(messages), m_files(files) {
    using namespace historywindowtext;
    setWindowTitle(kTitle);
    resize(1100, 700);

    m_tree = new QTreeWidget(this);
    m_tree->setHeaderLabel(kTreeHeader);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_reload = new QPushButton(kReload, this);
    m_readings = new QListWidget(this);
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_tree, 3);
    leftLayout->addWidget(m_reload);
    leftLayout->addWidget(new QLabel(kReadings, left));
    leftLayout->addWidget(m_readings, 2);

    const auto editor = [this] {
        auto* edit = new QDateTimeEdit(this);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        edit->setCalendarPopup(true);
        return edit;
    };
    m_from = editor();
    m_to = editor();
    m_show = new QPushButton(kShow, this);
    m_whole = new QPushButton(kWhole, this);
    m_csv = new QPushButton(kExportCsv, this);
    m_png = new QPushButton(kSavePng, this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(kFrom, this));
    bar->addWidget(m_from);
    bar->addWidget(new QLabel(kTo, this));
    bar->addWidget(m_to);
    bar->addWidget(m_show);
    bar->addWidget(m_whole);
    bar->addStretch();
    bar->addWidget(m_csv);
    bar->addWidget(m_png);

    m_chart = new TrendChart(this);
    m_status = new QLabel(this);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(bar);
    rightLayout->addWidget(m_chart, 1);
    rightLayout->addWidget(m_status);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 840});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
    setActionsEnabled(false);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { chosen(item); });
    connect(m_reload, &QPushButton::clicked, this, &HistoryWindow::reload);
    connect(m_show, &QPushButton::clicked, this, &HistoryWindow::showRange);
    connect(m_whole, &QPushButton::clicked, this, &HistoryWindow::showWhole);
    connect(m_csv, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    connect(m_png, &QPushButton::clicked, this, &HistoryWindow::savePng);
    connect(m_readings, &QListWidget::itemChanged, this, &HistoryWindow::showRange);
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_loaded) reload();
}

void HistoryWindow::say(const QString& text) {
    m_messages.show(this, text, historywindowtext::kTitle);
}

void HistoryWindow::setActionsEnabled(bool on) {
    for (QWidget* w :
         {static_cast<QWidget*>(m_show), static_cast<QWidget*>(m_whole), static_cast<QWidget*>(m_csv),
          static_cast<QWidget*>(m_png), static_cast<QWidget*>(m_from), static_cast<QWidget*>(m_to)})
        w->setEnabled(on);
}

bool HistoryWindow::reload() {
    m_loaded = true;
    m_store.close();
    m_instruments.clear();
    m_recordings.clear();
    m_instrument = m_recording = -1;
    {
        const QSignalBlocker quiet(m_tree);
        m_tree->clear();
    }
    m_readings->clear();
    m_table = SeriesTable();
    // Until something is chosen, an empty chart of the last minutes rather than of the epoch.
    const TimeWindow& shown = m_chart->window();
    const qint64 to = shown.to() > 0 ? shown.to() : QDateTime::currentMSecsSinceEpoch();
    m_chart->showSeries(&m_table, {}, to - shown.span(), to, 0);
    m_from->setDateTime(QDateTime::fromSecsSinceEpoch(shown.from() / 1000));
    m_to->setDateTime(QDateTime::fromSecsSinceEpoch(shown.to() / 1000));
    setActionsEnabled(false);

    if (!m_store.open(m_file, history::OpenMode::Browse)) {
        m_status->setText(m_store.errorString());
        if (m_store.status() == history::Status::Missing) return true;
        say(m_store.errorString());
        return false;
    }
    m_instruments = m_store.instruments();
    for (const history::Instrument& instrument : m_instruments) {
        std::vector<history::RecordingSummary> recordings;
        for (history::RecordingSummary& r : m_store.recordingsOf(instrument))
            if (r.sampleCount > 0) recordings.push_back(std::move(r));
        m_recordings.push_back(std::move(recordings));
    }
    if (m_store.status() != history::Status::Ok) {
        m_status->setText(m_store.errorString());
        say(m_store.errorString());
        return false;
    }
    for (int i = 0; i < int(m_instruments.size()); ++i) {
        const history::Instrument& instrument = m_instruments[std::size_t(i)];
        auto* top = new QTreeWidgetItem(
            m_tree, {historywindowtext::kInstrument.arg(instrument.address).arg(instrument.model)});
        top->setData(0, kInstrumentRole, i);
        top->setData(0, kRecordingRole, -1);
        const auto& recordings = m_recordings[std::size_t(i)];
        for (int r = 0; r < int(recordings.size()); ++r) {
            const history::RecordingSummary& rec = recordings[std::size_t(r)];
            auto* item = new QTreeWidgetItem(
                top, {historywindowtext::kRecording.arg(timeText(rec.firstMs), timeText(rec.lastMs))
                          .arg(rec.sampleCount)});
            item->setData(0, kInstrumentRole, i);
            item->setData(0, kRecordingRole, r);
        }
        top->setExpanded(true);
    }
    if (m_instruments.empty()) {
        m_status->setText(historywindowtext::kEmpty);
        return true;
    }
    m_tree->setCurrentItem(m_tree->topLevelItem(0)); // something to look at straight away
    return true;
}

void HistoryWindow::chosen(QTreeWidgetItem* item) {
    if (!item) return;
    const int instrument = item->data(0, kInstrumentRole).toInt();
    const bool otherInstrument = instrument != m_instrument;
    m_instrument = instrument;
    m_recording = item->data(0, kRecordingRole).toInt();
    if (otherInstrument) listReadings();
    setActionsEnabled(true);
    showWhole();
}

void HistoryWindow::listReadings() {
    m_curves.clear();
    for (const history::ReadingInfo& r : m_store.readingsOf(m_instruments[std::size_t(m_instrument)]))
        m_curves.append({r.key, r.label, r.unit, r.decimals, isFlagKey(r.key)});
    fillReadingList(m_readings, m_curves);
}

const history::RecordingSummary* HistoryWindow::chosenRecording() const {
    if (m_instrument < 0 || m_recording < 0) return nullptr;
    return &m_recordings[std::size_t(m_instrument)][std::size_t(m_recording)];
}

history::Selection HistoryWindow::selection() const {
    history::Selection s;
    s.instrument = m_instruments[std::size_t(m_instrument)];
    s.fromMs = m_from->dateTime().toMSecsSinceEpoch();
    s.toMs = m_to->dateTime().toMSecsSinceEpoch();
    s.keys = tickedKeys(m_readings);
    return s;
}

void HistoryWindow::showWhole() {
    if (m_instrument < 0) return;
    qint64 first = 0;
    qint64 last = 0;
    if (const history::RecordingSummary* r = chosenRecording()) {
        first = r->firstMs;
        last = r->lastMs;
    } else {
        const auto& recordings = m_recordings[std::size_t(m_instrument)];
        for (std::size_t i = 0; i < recordings.size(); ++i) {
            first = i == 0 ? recordings[i].firstMs : std::min(first, recordings[i].firstMs);
            last = i == 0 ? recordings[i].lastMs : std::max(last, recordings[i].lastMs);
        }
    }
    // The editors show whole seconds: the range reaches out to them.
    m_from->setDateTime(QDateTime::fromMSecsSinceEpoch(first - first % 1000));
    m_to->setDateTime(QDateTime::fromMSecsSinceEpoch(last - last % 1000 + 1000));
    showRange();
}

bool HistoryWindow::showRange() {
    if (m_instrument < 0) return false;
    const history::Selection chosen = selection();
    if (chosen.fromMs >= chosen.toMs) {
        say(historywindowtext::kBadRange);
        return false;
    }
    SeriesTable table;
    table.keys = chosen.keys;
    table.values.resize(std::size_t(chosen.keys.size()));
    qint64 failed = 0;
    const bool ok =
        chosen.keys.isEmpty() || m_store.forEachSample(chosen, [&](const history::StoredSample& s) {
            table.timesMs.push_back(s.epochMs);
            for (std::size_t k = 0; k < s.values.size(); ++k)
                table.values[k].push_back(s.values[k]);
            failed += !s.verdict.isEmpty();
            return true;
        });
    // With no reading ticked there is nothing to read, and the chart goes blank.
    if (!ok) {
        m_status->setText(m_store.errorString());
        say(m_store.errorString());
        return false;
    }
    m_table = std::move(table);

    // Polls further apart than two and a half intervals of their recording are a pause.
    int interval = 0;
    for (const history::RecordingSummary& r : m_recordings[std::size_t(m_instrument)])
        if (r.lastMs >= chosen.fromMs && r.firstMs <= chosen.toMs)
            interval = std::max(interval, r.info.intervalMs);
    QVector<Curve> curves;
    for (const Curve& curve : m_curves)
        if (chosen.keys.contains(curve.key)) curves.append(curve);
    m_chart->showSeries(&m_table, curves, chosen.fromMs, chosen.toMs, qint64(interval) * 5 / 2);
    m_status->setText(chosen.keys.isEmpty()
                          ? historywindowtext::kNoReadings
                          : historywindowtext::kShown.arg(m_table.timesMs.size()).arg(failed));
    return true;
}

QString HistoryWindow::suggestedName(const QString& suffix) const {
    const qint64 from = m_from->dateTime().toMSecsSinceEpoch();
    const history::RecordingSummary* r = chosenRecording();
    if (!r) {
        // The instrument as a whole: named after the recording the range starts in (or the first).
        const auto& recordings = m_recordings[std::size_t(m_instrument)];
        r = &recordings.front();
        for (const history::RecordingSummary& candidate : recordings)
            if (candidate.firstMs <= from) r = &candidate;
    }
    QString name = history::suggestedCsvFileName(r->info, from);
    name.chop(int(qstrlen(".csv")));
    return QDir::home().filePath(name + suffix);
}

bool HistoryWindow::exportCsv() {
    if (m_instrument < 0) return false;
    const history::Selection chosen = selection();
    if (chosen.fromMs >= chosen.toMs) {
        say(historywindowtext::kBadRange);
        return false;
    }
    if (chosen.keys.isEmpty()) {
        say(historywindowtext::kNoReadings);
        return false;
    }
    const QString path =
        m_files.saveFileName(this, historywindowtext::kExportCsv, suggestedName(QStringLiteral(".csv")),
                             historywindowtext::kCsvFilter);
    if (path.isEmpty()) return false;
    QProgressDialog progress(historywindowtext::kExporting, historywindowtext::kCancel, 0, kProgressSteps,
                             this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const history::ExportResult result =
        history::exportCsv(m_store, chosen, path, [&progress](qint64 written, qint64 total) {
            progress.setValue(total > 0 ? int(written * kProgressSteps / total) : 0);
            return !progress.wasCanceled();
        });
    progress.reset();
    if (result.cancelled) {
        m_status->setText(historywindowtext::kExportCancelled);
        return false;
    }
    if (!result.ok) {
        m_status->setText(result.error);
        say(result.error);
        return false;
    }
    m_status->setText(historywindowtext::kExported.arg(result.rows).arg(QDir::toNativeSeparators(path)));
    return true;
}

bool HistoryWindow::savePng() {
    if (m_instrument < 0) return false;
    const QString path =
        m_files.saveFileName(this, historywindowtext::kSavePng, suggestedName(QStringLiteral(".png")),
                             historywindowtext::kPngFilter);
    if (path.isEmpty()) return false;
    const QPixmap picture = m_chart->canvas() ? m_chart->canvas()->grab() : m_chart->grab();
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
    if (!written) {
        const QString text =
            historywindowtext::kPngFailed.arg(QDir::toNativeSeparators(path), file.errorString());
        m_status->setText(text);
        say(text);
        return false;
    }
    m_status->setText(historywindowtext::kSaved.arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace trends
