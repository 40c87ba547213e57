// Preloaded into a Qt program (LD_PRELOAD): when the top-level window titled $COMMTEST_PROBE_TITLE
// has been painted for the first time, prints the milliseconds since $COMMTEST_PROBE_T0 (seconds
// since the epoch with a fraction, as bash's EPOCHREALTIME gives it, taken just before the launch)
// and the resident memory, then ends the program. The program itself knows nothing of this.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double nowSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class Probe : public QObject {
public:
    Probe(QString title, double t0) : m_title(std::move(title)), m_t0(t0) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_reported && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->windowTitle() == m_title) {
                m_reported = true;
                // Report once the paint has reached the screen, that is after this event.
                QTimer::singleShot(0, [this] { report(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report() {
        std::printf("startup_ms=%.1f rss_kb=%ld\n", (nowSeconds() - m_t0) * 1000.0, residentKilobytes());
        std::fflush(stdout);
        std::_Exit(0);
    }

    QString m_title;
    double m_t0 = 0;
    bool m_reported = false;
};

void installProbe() {
    const QByteArray t0 = qgetenv("COMMTEST_PROBE_T0");
    const QString title = qEnvironmentVariable("COMMTEST_PROBE_TITLE");
    if (t0.isEmpty() || title.isEmpty() || !QCoreApplication::instance()) return;
    auto* probe = new Probe(title, t0.toDouble());
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

// Runs inside QCoreApplication's constructor, before the program creates any window.
Q_COREAPP_STARTUP_FUNCTION(installProbe)
