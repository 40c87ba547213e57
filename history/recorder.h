#pragma once
// Recording off the poll's thread: a Store owned by a worker thread, samples queued to it. The
// poller pays for the queueing only; the worker commits each sample with the store's durability
// (by default flushed to disk) long before the next poll.
//
// The first failure (the file cannot be opened, is not ours, a write failed, the disk is full)
// stops the recording and is told once through failed(); the poll that feeds record() goes on,
// and what was committed before stays in the file.
//
// Widget-free; use a Recorder from one thread (the one that created it).
#include "history/store.h"

#include <QObject>
#include <QThread>

namespace history {

class RecorderWorker;

class Recorder : public QObject {
    Q_OBJECT
public:
    explicit Recorder(Durability durability = Durability::PowerSafe, QObject* parent = nullptr);
    ~Recorder() override;

    // Opens `filePath` for recording and starts a recording described by `info` (the open runs on
    // the worker; a failure comes back through failed()). A running recording is stopped first.
    void start(const QString& filePath, const RecordingInfo& info);
    // Queues one poll; nothing when no recording runs.
    void record(const protocol::Sample& sample);
    // Ends the recording after the samples queued so far, and closes the file.
    void stop();
    bool isRecording() const { return m_recording; }

    // Waits until the worker has handled everything queued so far (stopping, tests, benchmarks).
    void flush();
    // Samples committed so far in this recording, as the worker last told it.
    qint64 storedCount() const { return m_stored; }

signals:
    // The recording stopped by itself: the message names the file and the reason.
    void failed(const QString& message);
    // A sample was committed; `count` in this recording so far.
    void stored(qint64 count);

private:
    void onFailed(quint64 generation, const QString& message);
    void onStored(quint64 generation, qint64 count);

    QThread m_thread;
    RecorderWorker* m_worker = nullptr; // lives in m_thread
    bool m_recording = false;
    quint64 m_generation = 0; // which start() the worker's reports belong to
    qint64 m_stored = 0;
};

} // namespace history
