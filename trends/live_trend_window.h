#pragma once
// The live trend of one instrument: a modeless window fed one poll at a time through addSample().
// The operator picks which readings to draw, the span, and whether the poll is recorded; recording
// itself belongs to whoever listens to recordingToggled().
#include "protocol/reading.h"
#include "trends/curve.h"
#include "trends/trend_buffer.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace trends {

class TrendChart;

class LiveTrendWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultPollMs = 2000;
    static constexpr qint64 kDefaultSpanMs = 10 * 60 * 1000;

    explicit LiveTrendWindow(QWidget* parent = nullptr);

    // The readings to choose from. Without a call, the first accepted poll's readings are taken.
    void setReadingCurves(const QVector<Curve>& curves);
    QVector<Curve> readingCurves() const { return m_curves; }
    void setInstrument(int address, const QString& model);
    // Polls further apart than two and a half intervals are not joined by a line.
    void setPollIntervalMs(int ms);
    // Sets the 记录 box without telling recordingToggled(), for when recording stopped elsewhere.
    void setRecording(bool on);
    bool isRecording() const;

    TrendChart* chart() const { return m_chart; }
    const TrendBuffer& buffer() const { return m_buffer; }
    QListWidget* readingList() const { return m_readings; }
    QComboBox* spanBox() const { return m_span; }
    QPushButton* followButton() const { return m_follow; }
    QCheckBox* recordBox() const { return m_record; }
    QLabel* statusLabel() const { return m_status; }

public slots:
    void addSample(const protocol::Sample& sample);

signals:
    void recordingToggled(bool on);

private:
    void chosenChanged();
    void spanChosen(int index);
    void showSpan();
    void showStatus();

    QVector<Curve> m_curves;
    TrendBuffer m_buffer;
    qint64 m_polls = 0;
    qint64 m_failed = 0;

    TrendChart* m_chart = nullptr;
    QListWidget* m_readings = nullptr;
    QComboBox* m_span = nullptr;
    QPushButton* m_follow = nullptr;
    QPushButton* m_clear = nullptr;
    QCheckBox* m_record = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace trends
