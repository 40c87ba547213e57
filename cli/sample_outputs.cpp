#include "cli/sample_outputs.h"

#include "mqtt/gateway.h"
#include "mqtt/gateway_options.h"

namespace cli {

namespace {

void writeAll(std::FILE* file, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
    std::fflush(file); // a reader at the other end of a pipe gets each sample as it comes
}

} // namespace

SampleOutputs::SampleOutputs(Format format, std::FILE* out, std::FILE* err, QTimeZone zone)
    : m_format(format), m_out(out), m_err(err), m_zone(zone), m_csv(zone),
      m_report(mqtt::GatewayOptions{}.missesBeforeOffline) {}

SampleOutputs::~SampleOutputs() {
    stopRecording();
}

bool SampleOutputs::startRecording(const QString& path, const history::RecordingInfo& line,
                                   const QList<int>& addresses, QString* error) {
    for (int address : addresses) {
        auto store = std::make_unique<history::Store>();
        // Crash-safe: a flush of the disk per sample would hold up the poll of the next address.
        history::RecordingInfo info = line;
        info.address = address;
        if (!store->open(path, history::OpenMode::Record, history::Durability::CrashSafe) ||
            !store->startRecording(info)) {
            if (error) *error = store->errorString();
            stopRecording();
            return false;
        }
        m_stores[address] = std::move(store);
    }
    return true;
}

void SampleOutputs::stopRecording() {
    for (auto& [address, store] : m_stores) {
        store->stopRecording();
        store->close();
    }
    m_stores.clear();
}

void SampleOutputs::take(const protocol::Sample& sample) {
    if (sample.accepted())
        writeAll(m_out, m_format == Format::Csv ? m_csv.linesFor(sample) : jsonLine(sample, m_zone));
    const QString change = m_report.update(sample);
    if (!change.isEmpty()) writeAll(m_err, change.toUtf8() + '\n');
    if (const auto it = m_stores.find(sample.address); it != m_stores.end() && !m_recordFailed) {
        if (it->second->append(sample) == history::AppendResult::Failed) {
            // The polling goes on; what was stored so far stays readable.
            m_recordFailed = true;
            writeAll(m_err,
                     QStringLiteral("Recording stopped: %1\n").arg(it->second->errorString()).toUtf8());
            stopRecording();
        }
    }
    if (m_gateway) m_gateway->publishSample(sample);
}

} // namespace cli
