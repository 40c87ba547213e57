#include "terminal/ui/terminal_window.h"

#include "engine/traffic_hub.h"
#include "link/message_sink.h"
#include "link/serial_link.h"
#include "protocol/frame.h"
#include "search/port_messages.h"
#include "terminal/byte_text.h"
#include "terminal/terminal_texts.h"
#include "terminal/traffic_save.h"
#include "terminal/ui/grid_table_view.h"
#include "terminal/ui/health_model.h"
#include "terminal/ui/plain_text_delegate.h"
#include "terminal/ui/status_line.h"
#include "terminal/ui/traffic_model.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace terminal {

namespace {
// The traffic table. New rows ask for a layout later, which brings the scroll bar's range up to
// date and repaints the whole table: done at once, before scrolling, the table is painted once
// instead of twice, and a row beyond the old range can be scrolled to.
class TrafficView final : public GridTableView {
public:
    // The row at the top, or the last row at the bottom when -1.
    void settle(int topRow) {
        executeDelayedItemsLayout();
        if (topRow < 0)
            scrollToBottom();
        else
            verticalScrollBar()->setValue(topRow);
    }
};
} // namespace

TerminalWindow::TerminalWindow(serial::SerialLink& link, engine::TrafficHub& hub,
                               serial::MessageSink& messages, QWidget* parent, int capacity)
    : QWidget(parent), m_link(link), m_hub(hub), m_messages(messages), m_log(capacity), m_engine(link),
      m_askFileName([](QWidget* parent, const QString& filter) {
          return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
      }),
      m_now([] {
          static QElapsedTimer clock;
          if (!clock.isValid()) clock.start();
          return clock.elapsed();
      }) {
    setWindowTitle(texts::kTitle);
    setObjectName(QStringLiteral("Terminal"));
    m_model = new TrafficModel(m_log, this);
    m_healthModel = new HealthModel(m_log.health(), this);
    buildControls();
    m_hub.attach(m_engine);
    m_hub.addListener(&m_log);
    connect(&m_engine, &engine::PollEngine::finished, this, &TerminalWindow::updateState);
    connect(&m_engine, &engine::PollEngine::lost, this, &TerminalWindow::onLost);
    m_refresh = new QTimer(this);
    m_refresh->setInterval(kLookMs);
    connect(m_refresh, &QTimer::timeout, this, &TerminalWindow::refresh);
    m_refresh->start();
    updateState();
}

TerminalWindow::~TerminalWindow() {
    m_engine.stop();
    m_hub.removeListener(&m_log);
    m_hub.detach(m_engine);
}

void TerminalWindow::buildControls() {
    auto* hex = new QCheckBox(texts::kHex);
    m_pause = new QCheckBox(texts::kPause);
    m_follow = new QCheckBox(texts::kFollow);
    m_follow->setChecked(true);
    m_filter = new QLineEdit;
    m_filter->setPlaceholderText(texts::kFilterAll);
    m_filter->setMaximumWidth(80);
    auto* clearButton = new QPushButton(texts::kClear);
    auto* copy = new QPushButton(texts::kCopy);
    auto* saveText = new QPushButton(texts::kSaveText);
    auto* saveCsv = new QPushButton(texts::kSaveCsv);
    hex->setObjectName(QStringLiteral("hex"));
    m_pause->setObjectName(QStringLiteral("pause"));
    m_follow->setObjectName(QStringLiteral("follow"));
    m_filter->setObjectName(QStringLiteral("filter"));
    clearButton->setObjectName(QStringLiteral("clear"));
    copy->setObjectName(QStringLiteral("copy"));
    saveText->setObjectName(QStringLiteral("saveText"));
    saveCsv->setObjectName(QStringLiteral("saveCsv"));
    auto* bar = new QHBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(hex), static_cast<QWidget*>(m_pause), static_cast<QWidget*>(m_follow)})
        bar->addWidget(w);
    bar->addWidget(new QLabel(texts::kFilter));
    bar->addWidget(m_filter);
    bar->addStretch();
    for (QPushButton* b : {clearButton, copy, saveText, saveCsv})
        bar->addWidget(b);

    m_view = new TrafficView;
    m_view->setObjectName(QStringLiteral("traffic"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new PlainTextDelegate(m_view));
    // Rows are what the view keeps in place when lines drop off the top.
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_view->verticalHeader()->hide();
    // Fixed row heights and column widths: the view never measures 100,000 rows.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setWordWrap(false);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {14, 4, 5, 40, 36};
    for (int c = 0; c < 5; ++c)
        m_view->setColumnWidth(c, widths[c] * digit);

    m_healthView = new GridTableView;
    m_healthView->setObjectName(QStringLiteral("health"));
    m_healthView->setModel(m_healthModel);
    m_healthView->setItemDelegate(new PlainTextDelegate(m_healthView));
    m_healthView->verticalHeader()->hide();
    auto* reset = new QPushButton(texts::kResetHealth);
    auto* healthBox = new QGroupBox(texts::kHealth);
    auto* healthLayout = new QVBoxLayout(healthBox);
    healthLayout->addWidget(m_healthView);
    healthLayout->addWidget(reset, 0, Qt::AlignRight);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(m_view);
    split->addWidget(healthBox);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto* sendBox = new QGroupBox(texts::kSendGroup);
    auto* grid = new QGridLayout(sendBox);
    m_readMode = new QRadioButton(texts::kReadRequest);
    m_readMode->setChecked(true);
    auto* textMode = new QRadioButton(texts::kFreeText);
    m_address = new QLineEdit(QStringLiteral("1"));
    m_text = new QLineEdit(QStringLiteral("@01RD"));
    m_appendCheck = new QCheckBox(texts::kAppendCheck);
    m_appendCheck->setChecked(true);
    m_repeat = new QCheckBox(texts::kRepeat);
    m_interval = new QSpinBox;
    m_interval->setRange(1, 600000);
    m_interval->setValue(1000);
    m_send = new QPushButton(texts::kSend);
    m_stop = new QPushButton(texts::kStop);
    m_listen = new QPushButton(texts::kListen);
    grid->addWidget(m_readMode, 0, 0);
    grid->addWidget(m_address, 0, 1);
    grid->addWidget(m_repeat, 0, 2);
    grid->addWidget(m_interval, 0, 3);
    grid->addWidget(m_send, 0, 4);
    grid->addWidget(m_listen, 0, 5);
    grid->addWidget(textMode, 1, 0);
    grid->addWidget(m_text, 1, 1);
    grid->addWidget(m_appendCheck, 1, 2, 1, 2);
    grid->addWidget(m_stop, 1, 4);

    m_status = new StatusLine;
    m_status->setObjectName(QStringLiteral("status"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    layout->addWidget(sendBox);
    layout->addWidget(m_status);

    connect(hex, &QCheckBox::toggled, m_model, &TrafficModel::setHex);
    connect(m_pause, &QCheckBox::toggled, this, [this](bool on) {
        changeRows([this, on] { m_model->setPaused(on); });
        catchUp();
    });
    connect(m_follow, &QCheckBox::toggled, this, &TerminalWindow::setFollow);
    connect(m_filter, &QLineEdit::editingFinished, this, [this] { setFilter(m_filter->text()); });
    connect(clearButton, &QPushButton::clicked, this, &TerminalWindow::clear);
    connect(copy, &QPushButton::clicked, this, [this] {
        catchUp();
        const QString text = selectedText();
        // Nothing chosen: what the clipboard held stays.
        if (!text.isEmpty()) QApplication::clipboard()->setText(text);
    });
    connect(saveText, &QPushButton::clicked, this, [this] { saveClicked(false); });
    connect(saveCsv, &QPushButton::clicked, this, [this] { saveClicked(true); });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_log.resetHealth();
        m_healthModel->sync();
    });
    connect(m_send, &QPushButton::clicked, this, &TerminalWindow::sendClicked);
    connect(m_stop, &QPushButton::clicked, this, &TerminalWindow::releasePort);
    connect(m_listen, &QPushButton::clicked, this, &TerminalWindow::listen);
    // The operator scrolling decides: away from the newest line stays there, back down follows.
    QScrollBar* scroll = m_view->verticalScrollBar();
    connect(scroll, &QScrollBar::actionTriggered, this, [this, scroll] {
        QTimer::singleShot(0, this,
                           [this, scroll] { m_follow->setChecked(scroll->value() == scroll->maximum()); });
    });
}

bool TerminalWindow::tableSeen() const {
    if (!m_view->isVisible()) return false;
    const QWidget* top = window();
    if (top->isMinimized()) return false;
    // A window the platform does not show (minimised, on another desktop, covered where the
    // platform tells) and a table wholly under other widgets of the window (the instrument list
    // or a maximised window in front of the terminal's frame) draw nothing.
    const QWindow* handle = top->windowHandle();
    if (handle && !handle->isExposed()) return false;
    return !m_view->viewport()->visibleRegion().isEmpty();
}

void TerminalWindow::refresh() {
    const qint64 fresh = m_log.endSeq() - m_drawnEnd;
    if (fresh == 0 || !tableSeen()) return;
    if (fresh > kFewLines && m_drawnAt >= 0 && m_now() - m_drawnAt < kBusyDrawMs) return;
    catchUp();
}

void TerminalWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Everything that came while hidden, once the window is on the screen.
    QTimer::singleShot(0, this, [this] {
        if (tableSeen()) catchUp();
    });
}

void TerminalWindow::changeRows(const std::function<void()>& change) {
    const bool follow = m_follow->isChecked();
    const int topRow = m_view->verticalScrollBar()->value();
    const qint64 topSeq = !follow && topRow < m_model->rowCount() ? m_model->seqAt(topRow) : -1;
    change();
    if (follow || topSeq >= 0)
        static_cast<TrafficView*>(m_view)->settle(follow ? -1 : std::max(0, m_model->rowAtOrAfter(topSeq)));
}

void TerminalWindow::catchUp() {
    changeRows([this] { m_model->sync(); });
    m_healthModel->sync();
    m_drawnEnd = m_log.endSeq();
    m_drawnAt = m_now();
    m_status->setText(m_model->paused() ? texts::kLines.arg(m_model->rowCount()).arg(m_model->waiting())
                                        : texts::kLinesShown.arg(m_model->rowCount()));
}

void TerminalWindow::setFollow(bool follow) {
    if (m_follow->isChecked() != follow) m_follow->setChecked(follow);
    if (follow) m_view->scrollToBottom();
}

bool TerminalWindow::setFilter(const QString& typed) {
    if (typed.trimmed().isEmpty()) {
        changeRows([this] { m_model->setAddressFilter(-1); });
        return true;
    }
    QString error;
    const std::optional<int> address = parseAddress(typed, &error);
    if (!address) {
        m_messages.show(this, error, texts::kErrorTitle);
        return false;
    }
    changeRows([this, address] { m_model->setAddressFilter(*address); });
    return true;
}

void TerminalWindow::clear() {
    m_log.clear();
    m_model->reload();
    catchUp();
}

QString TerminalWindow::selectedText() const {
    QList<int> rows;
    for (const QModelIndex& i : m_view->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int r : rows)
        lines << lineText(m_model->line(r), m_model->hex());
    return lines.join(QLatin1Char('\n'));
}

bool TerminalWindow::save(const QString& path, bool csv) {
    const int only = m_model->addressFilter();
    LineFilter keep;
    if (only >= 0) keep = [only](const TrafficLine& l) { return l.address == only; };
    QString error;
    const bool saved =
        csv ? saveCsv(path, m_log, keep, &error) : saveText(path, m_log, m_model->hex(), keep, &error);
    if (!saved) m_messages.show(this, error, texts::kErrorTitle);
    return saved;
}

void TerminalWindow::saveClicked(bool csv) {
    const QString path = m_askFileName(this, csv ? texts::kCsvFilter : texts::kTextFilter);
    if (!path.isEmpty()) save(path, csv);
}

void TerminalWindow::sendClicked() {
    if (m_readMode->isChecked())
        sendReadRequest(m_address->text(), m_repeat->isChecked(), m_interval->value());
    else
        sendText(m_text->text(), m_appendCheck->isChecked(), m_repeat->isChecked(), m_interval->value());
}

bool TerminalWindow::sendReadRequest(const QString& address, bool repeat, int intervalMs) {
    QString error;
    const std::optional<int> a = parseAddress(address, &error);
    if (!a) {
        m_messages.show(this, error, texts::kErrorTitle);
        return false;
    }
    return start(protocol::readRequest(protocol::addressField(*a)), repeat, intervalMs);
}

bool TerminalWindow::sendText(const QString& typed, bool appendCheck, bool repeat, int intervalMs) {
    QString error;
    const std::optional<QByteArray> bytes = parseEscapes(typed, &error);
    if (!bytes) {
        m_messages.show(this, error, texts::kErrorTitle);
        return false;
    }
    return start(appendCheck ? withCheckAndCr(*bytes) : *bytes, repeat, intervalMs);
}

bool TerminalWindow::start(const QByteArray& frame, bool repeat, int intervalMs) {
    QString error;
    if (repeat && !repeatIntervalValid(intervalMs, &error)) {
        m_messages.show(this, error, texts::kErrorTitle);
        return false;
    }
    releasePort();
    const serial::PortError opened = m_engine.open();
    if (opened != serial::NoError) {
        m_messages.show(this, portmsg::textFor(opened), portmsg::kTitle);
        return false;
    }
    m_log.setCharMicros(charMicros(m_link.settings()));
    m_sender.setFrame(frame, repeat);
    m_engine.start(m_sender, {repeat ? intervalMs : kOnceWindowMs, kReceiveMs});
    m_engine.sendNow();
    updateState();
    return true;
}

bool TerminalWindow::listen() {
    releasePort();
    const serial::PortError opened = m_engine.open();
    if (opened != serial::NoError) {
        m_messages.show(this, portmsg::textFor(opened), portmsg::kTitle);
        return false;
    }
    m_engine.listen(kReceiveMs);
    updateState();
    return true;
}

void TerminalWindow::releasePort() {
    if (usingPort()) m_engine.stop();
    updateState();
}

void TerminalWindow::onLost(const QString& reason) {
    updateState();
    m_messages.show(this, portmsg::lostText(reason), portmsg::kTitle);
}

void TerminalWindow::updateState() {
    const bool busy = usingPort();
    m_stop->setEnabled(busy);
    m_listen->setEnabled(!m_engine.isListening());
}

} // namespace terminal
