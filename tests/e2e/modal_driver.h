#pragma once
// Drives a modal window from inside the event loop of the blocking call that shows it
// (MainWindow::startUp(), openDiagnosis()). Create it just before that call: it polls
// QApplication::activeModalWidget() and, while the window named `name` is the active one, runs
// `step` on it until the step says it is done. A window still up at the deadline is closed, so the
// blocking call returns and the test can fail instead of hanging.
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

class ModalDriver {
public:
    // Returns true when it has done what it came for (and has, say, pressed a button).
    using Step = std::function<bool(QWidget& window)>;

    ModalDriver(QString name, Step step, int deadlineMs);

    bool sawWindow() const { return m_saw; }
    bool done() const { return m_done; }
    // The window was still up at the deadline and was closed by force.
    bool timedOut() const { return m_timedOut; }

private:
    void poll();

    static constexpr int kPollMs = 40;
    QString m_name;
    Step m_step;
    int m_deadlineMs = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_saw = false;
    bool m_done = false;
    bool m_timedOut = false;
};
