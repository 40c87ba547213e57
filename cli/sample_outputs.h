#pragma once
// Where each sample of a poll goes: a line on standard output, the history database, the MQTT
// gateway, and a line on standard error when an instrument stops or starts answering again.
#include "cli/answer_report.h"
#include "cli/cli_args.h"
#include "cli/sample_lines.h"
#include "history/store.h"

#include <cstdio>
#include <map>
#include <memory>

namespace mqtt {
class Gateway;
}

namespace cli {

class SampleOutputs {
public:
    SampleOutputs(Format format, std::FILE* out, std::FILE* err,
                  QTimeZone zone = QTimeZone::systemTimeZone());
    ~SampleOutputs();

    // One recording per address in the history file; false with `error` when the file cannot be
    // used (it is then left as it was).
    bool startRecording(const QString& path, const history::RecordingInfo& line, const QList<int>& addresses,
                        QString* error);
    void stopRecording();
    void setGateway(mqtt::Gateway* gateway) { m_gateway = gateway; }

    void take(const protocol::Sample& sample);

private:
    Format m_format;
    std::FILE* m_out;
    std::FILE* m_err;
    QTimeZone m_zone;
    CsvLines m_csv;
    AnswerReport m_report;
    std::map<int, std::unique_ptr<history::Store>> m_stores; // by address
    bool m_recordFailed = false;
    mqtt::Gateway* m_gateway = nullptr;
};

} // namespace cli
