#include "history/recorder.h"

#include <QMetaObject>

namespace history {

// Owns the Store on the worker thread; everything it does runs there.
class RecorderWorker : public QObject {
    Q_OBJECT
public:
    explicit RecorderWorker(Durability durability) : m_durability(durability) {}

    void open(quint64 generation, const QString& filePath, const RecordingInfo& info) {
        close();
        m_generation = generation;
        m_count = 0;
        if (!m_store.open(filePath, OpenMode::Record, m_durability) || !m_store.startRecording(info)) {
            const QString message = m_store.errorString();
            m_store.close();
            emit failed(generation, message);
        }
    }

    void append(quint64 generation, const protocol::Sample& sample) {
        // Samples queued before a stop or a failure was seen on the other side are dropped here.
        if (generation != m_generation || !m_store.isRecording()) return;
        switch (m_store.append(sample)) {
        case AppendResult::Stored: emit stored(generation, ++m_count); break;
        case AppendResult::Failed: {
            const QString message = m_store.errorString();
            m_store.close();
            emit failed(generation, message);
            break;
        }
        case AppendResult::Stopped: break;
        }
    }

    void close() {
        if (m_store.isOpen()) {
            m_store.stopRecording();
            m_store.close();
        }
    }

signals:
    void failed(quint64 generation, const QString& message);
    void stored(quint64 generation, qint64 count);

private:
    Durability m_durability;
    Store m_store;
    quint64 m_generation = 0;
    qint64 m_count = 0;
};

Recorder::Recorder(Durability durability, QObject* parent) : QObject(parent) {
    m_worker = new RecorderWorker(durability);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &RecorderWorker::failed, this, &Recorder::onFailed);
    connect(m_worker, &RecorderWorker::stored, this, &Recorder::onStored);
    m_thread.setObjectName(QStringLiteral("history recorder"));
    m_thread.start();
}

Recorder::~Recorder() {
    stop();
    m_thread.quit();
    m_thread.wait();
}

void Recorder::start(const QString& filePath, const RecordingInfo& info) {
    stop();
    m_recording = true;
    m_stored = 0;
    const quint64 generation = ++m_generation;
    RecorderWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, generation, filePath, info] { worker->open(generation, filePath, info); });
}

void Recorder::record(const protocol::Sample& sample) {
    if (!m_recording) return;
    RecorderWorker* worker = m_worker;
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(worker, [worker, generation, sample] { worker->append(generation, sample); });
}

void Recorder::stop() {
    if (!m_recording) return;
    m_recording = false;
    ++m_generation; // whatever the worker still reports of that recording is old news
    RecorderWorker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker] { worker->close(); });
}

void Recorder::flush() {
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void Recorder::onFailed(quint64 generation, const QString& message) {
    if (generation != m_generation || !m_recording) return;
    m_recording = false;
    emit failed(message);
}

void Recorder::onStored(quint64 generation, qint64 count) {
    if (generation != m_generation) return;
    m_stored = count;
    emit stored(count);
}

} // namespace history

#include "recorder.moc"
