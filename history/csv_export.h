#pragma once
// Export of recorded samples to CSV for spreadsheets: UTF-8 with a byte-order mark, CRLF line ends,
// a header row and one row per poll:
//
//   时间,毫秒时间戳,温度 (℃),输出 (%),…,判定
//   2026-12-08T14:03:05.120+08:00,1796709785120,23.4,50,…,
//   2026-12-08T14:03:07.120+08:00,1796709787120,,,…,no reply
//
// local time in ISO 8601 with milliseconds and the zone offset, milliseconds since the epoch, one
// column per chosen reading ("label (unit)", or "label" where it has no unit), and the verdict of a
// poll that got no accepted reply (its values then empty). Values are written exactly (the shortest
// text that reads back as the stored number). Nothing but the header and the rows: what describes the
// recording goes into the file name.
#include "history/store.h"

#include <QString>
#include <functional>

namespace history {

// Called now and then while rows are written; return false to cancel (nothing is written then).
using ExportProgress = std::function<bool(qint64 rowsWritten, qint64 rowsTotal)>;

struct ExportResult {
    bool ok = false;
    bool cancelled = false;
    qint64 rows = 0; // data rows written
    QString error;   // user-facing text when !ok && !cancelled
};

// Writes the selection to filePath through QSaveFile: the file appears whole or not at all.
ExportResult exportCsv(Store& store, const Selection& selection, const QString& filePath,
                       const ExportProgress& progress = {});

// A file name that says what the export holds, safe on common file systems, e.g.
// "COM1_9600bps_addr1_AI-708_2000ms_20261208-140305.csv" (the time is fromMs, local).
QString suggestedCsvFileName(const RecordingInfo& info, qint64 fromMs);

// The column caption of a reading: "label (unit)", or "label" where it has no unit.
QString csvColumnCaption(const ReadingInfo& reading);

} // namespace history
