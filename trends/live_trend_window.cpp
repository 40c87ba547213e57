#include "trends/live_trend_window.h"

#include "trends/live_trend_texts.h"
#include "trends/reading_list.h"
#include "trends/span_choices.h"
#include "trends/trend_chart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace trends {

LiveTrendWindow::LiveTrendWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(livetext::kTitle);
    resize(960, 640);

    m_span = new QComboBox(this);
    for (const SpanChoice& choice : spanChoices())
        m_span->addItem(choice.caption, choice.ms);
    m_follow = new QPushButton(livetext::kFollow, this);
    m_follow->setCheckable(true);
    m_follow->setChecked(true);
    m_clear = new QPushButton(livetext::kClearCursors, this);
    m_record = new QCheckBox(livetext::kRecord, this);
    m_status = new QLabel(livetext::kWaiting, this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(livetext::kSpan, this));
    bar->addWidget(m_span);
    bar->addWidget(m_follow);
    bar->addWidget(m_clear);
    bar->addSpacing(16);
    bar->addWidget(m_record);
    bar->addStretch();
    bar->addWidget(m_status);

    auto* readingsBox = new QWidget(this);
    auto* readingsLayout = new QVBoxLayout(readingsBox);
    readingsLayout->setContentsMargins(0, 0, 0, 0);
    readingsLayout->addWidget(new QLabel(livetext::kReadings, readingsBox));
    m_readings = new QListWidget(readingsBox);
    readingsLayout->addWidget(m_readings);

    m_chart = new TrendChart(this);
    m_chart->setSource(&m_buffer);
    m_chart->setSpanLimits(TimeWindow::kMinute, TrendBuffer::kKeepMs);
    m_chart->setSpan(kDefaultSpanMs);
    m_chart->setMaxGapMs(kDefaultPollMs * 5 / 2);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(readingsBox);
    split->addWidget(m_chart);
    split->setStretchFactor(1, 1);
    split->setSizes({180, 780});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    showSpan();
    connect(m_span, &QComboBox::activated, this, &LiveTrendWindow::spanChosen);
    connect(m_follow, &QPushButton::clicked, this, [this](bool on) {
        if (on) {
            m_chart->followNewest();
        } else {
            // Holding the view still: the range stays where it is.
            m_chart->setRange(m_chart->window().from(), m_chart->window().to());
        }
    });
    connect(m_chart, &TrendChart::followingChanged, m_follow, &QPushButton::setChecked);
    connect(m_chart, &TrendChart::rangeChanged, this, &LiveTrendWindow::showSpan);
    connect(m_clear, &QPushButton::clicked, m_chart, &TrendChart::clearCursors);
    connect(m_record, &QCheckBox::toggled, this, &LiveTrendWindow::recordingToggled);
    connect(m_readings, &QListWidget::itemChanged, this, &LiveTrendWindow::chosenChanged);
}

void LiveTrendWindow::setReadingCurves(const QVector<Curve>& curves) {
    m_curves = curves;
    fillReadingList(m_readings, curves);
    chosenChanged();
}

void LiveTrendWindow::setInstrument(int address, const QString& model) {
    QString title = livetext::kTitle + QStringLiteral(" — ") + livetext::kAddress + QString::number(address);
    if (!model.isEmpty()) title += QLatin1Char(' ') + model;
    setWindowTitle(title);
}

void LiveTrendWindow::setPollIntervalMs(int ms) {
    if (ms > 0) m_chart->setMaxGapMs(qint64(ms) * 5 / 2);
}

void LiveTrendWindow::setRecording(bool on) {
    const QSignalBlocker quiet(m_record);
    m_record->setChecked(on);
}

bool LiveTrendWindow::isRecording() const {
    return m_record->isChecked();
}

void LiveTrendWindow::chosenChanged() {
    const QStringList keys = tickedKeys(m_readings);
    QVector<Curve> chosen;
    for (const Curve& curve : m_curves)
        if (keys.contains(curve.key)) chosen.append(curve);
    m_chart->setSeries(chosen);
}

void LiveTrendWindow::spanChosen(int index) {
    m_chart->setSpan(m_span->itemData(index).toLongLong());
}

void LiveTrendWindow::showSpan() {
    const int index = m_span->findData(m_chart->window().span());
    if (index != m_span->currentIndex()) m_span->setCurrentIndex(index);
}

void LiveTrendWindow::addSample(const protocol::Sample& sample) {
    if (m_curves.isEmpty() && sample.accepted() && !sample.readings.empty())
        setReadingCurves(curvesOf(sample.readings));
    m_buffer.append(sample);
    ++m_polls;
    m_failed += !sample.accepted();
    showStatus();
    m_chart->sampleAdded(sample.epochMs);
}

void LiveTrendWindow::showStatus() {
    QString text = livetext::kPolls.arg(m_polls).arg(m_failed);
    if (!m_buffer.empty())
        text += livetext::kNewest.arg(
            QDateTime::fromMSecsSinceEpoch(m_buffer.lastTime()).toString(QStringLiteral("HH:mm:ss")));
    m_status->setText(text);
}

} // namespace trends
