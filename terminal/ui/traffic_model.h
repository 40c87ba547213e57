#pragma once
// The traffic as table rows: the log's lines that pass the address filter, brought up to date by
// sync(). While paused the rows stand still (the log goes on counting); on resume every line still
// in the ring comes in. Rows are taken and dropped in blocks, so 100,000 lines stay cheap.
#include "terminal/traffic_log.h"

#include <QAbstractTableModel>
#include <deque>

namespace terminal {

class TrafficModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        TimeColumn,
        DirectionColumn,
        AddressColumn,
        BytesColumn,
        VerdictColumn,
        RoundTripColumn,
        Columns
    };

    explicit TrafficModel(const TrafficLog& log, QObject* parent = nullptr);

    void setHex(bool hex);
    bool hex() const { return m_hex; }
    void setPaused(bool paused);
    bool paused() const { return m_paused; }
    // -1 shows every line.
    void setAddressFilter(int address);
    int addressFilter() const { return m_filter; }
    bool keeps(const TrafficLine& line) const { return m_filter < 0 || line.address == m_filter; }

    // Rows of lines gone from the ring removed; while not paused, new lines appended. Returns
    // whether rows were appended.
    bool sync();
    // After the log was cleared.
    void reload();
    // Lines in the log the rows do not show yet (paused).
    qint64 waiting() const;

    const TrafficLine& line(int row) const { return m_log.at(seqAt(row)); }
    qint64 seqAt(int row) const { return m_rows[static_cast<size_t>(row)]; }
    // The row of line `seq`, or of the first line after it that is shown (when it was dropped or
    // filtered out); the last row when none is; -1 when there are no rows.
    int rowAtOrAfter(qint64 seq) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TrafficLog& m_log;
    std::deque<qint64> m_rows; // log sequence numbers shown, oldest first
    qint64 m_taken = 0;        // lines before this were looked at
    int m_filter = -1;
    bool m_hex = false;
    bool m_paused = false;
};

} // namespace terminal
