#include "modal_driver.h"

#include <QApplication>
#include <QWidget>

ModalDriver::ModalDriver(QString name, Step step, int deadlineMs)
    : m_name(std::move(name)), m_step(std::move(step)), m_deadlineMs(deadlineMs) {
    m_clock.start();
    m_timer.setInterval(kPollMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { poll(); });
    m_timer.start();
}

void ModalDriver::poll() {
    QWidget* window = QApplication::activeModalWidget();
    const bool ours = window && window->objectName() == m_name;
    if (ours) {
        m_saw = true;
        // A step may press a button whose handler runs a nested modal loop; this timer must not
        // fire into the middle of it.
        m_timer.stop();
        m_done = m_step(*window);
        if (m_done) return;
        m_timer.start();
    }
    if (m_clock.elapsed() > m_deadlineMs) {
        m_timer.stop();
        m_timedOut = true;
        if (ours) window->close();
    }
}
