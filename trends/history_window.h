#pragma once
// The history browser: what the history file holds (instruments, and the recordings of each with
// their time ranges), the trend of a chosen instrument over any range, and that range exported to
// CSV or the chart saved as a picture. It opens the file read-only and never writes it.
#include "history/store.h"
#include "trends/curve.h"
#include "trends/series_table.h"

#include <QWidget>

class QDateTimeEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace serial {
class MessageSink;
}

namespace trends {

class FileChooser;
class TrendChart;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(const QString& historyFile, serial::MessageSink& messages, FileChooser& files,
                  QWidget* parent = nullptr);

    // (Re)opens the history file and lists what it holds. False, having said why, when it cannot
    // be read; a file that is not there yet is no fault, only empty.
    bool reload();

    // Shows the chosen instrument's chosen readings from the "from" to the "to" editor.
    bool showRange();
    // The instrument's whole time with data, or the chosen recording's, then shown.
    void showWhole();
    bool exportCsv();
    bool savePng();

    QTreeWidget* tree() const { return m_tree; }
    QListWidget* readingList() const { return m_readings; }
    QDateTimeEdit* fromEdit() const { return m_from; }
    QDateTimeEdit* toEdit() const { return m_to; }
    QPushButton* showButton() const { return m_show; }
    QPushButton* wholeButton() const { return m_whole; }
    QPushButton* csvButton() const { return m_csv; }
    QPushButton* pngButton() const { return m_png; }
    QLabel* statusLabel() const { return m_status; }
    TrendChart* chart() const { return m_chart; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chosen(QTreeWidgetItem* item);
    void listReadings();
    history::Selection selection() const;
    const history::RecordingSummary* chosenRecording() const;
    QString suggestedName(const QString& suffix) const;
    void say(const QString& text);
    void setActionsEnabled(bool on);

    QString m_file;
    serial::MessageSink& m_messages;
    FileChooser& m_files;
    history::Store m_store;
    bool m_loaded = false;
    std::vector<history::Instrument> m_instruments;
    std::vector<std::vector<history::RecordingSummary>> m_recordings; // per instrument
    int m_instrument = -1;
    int m_recording = -1; // within the instrument; -1: the instrument as a whole
    QVector<Curve> m_curves;
    SeriesTable m_table;

    QTreeWidget* m_tree = nullptr;
    QListWidget* m_readings = nullptr;
    QDateTimeEdit* m_from = nullptr;
    QDateTimeEdit* m_to = nullptr;
    QPushButton* m_show = nullptr;
    QPushButton* m_whole = nullptr;
    QPushButton* m_reload = nullptr;
    QPushButton* m_csv = nullptr;
    QPushButton* m_png = nullptr;
    QLabel* m_status = nullptr;
    TrendChart* m_chart = nullptr;
};

} // namespace trends
