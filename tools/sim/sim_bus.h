#pragma once
// The simulated bus: reads requests from the line, lets the addressed instrument answer through
// the fault plan, and sends garbage on the idle line when asked to.
#include "tools/sim/line.h"
#include "tools/sim/request_reader.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/transmitter.h"

#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>

namespace sim {

class SimBus : public QObject {
    Q_OBJECT
public:
    SimBus(const SimOptions& options, Line& line, quint32 seed, QObject* parent = nullptr);

private:
    void onReceived(const QByteArray& bytes);
    void answer(const QByteArray& line);
    void sendGarbage();
    void scheduleGarbage();
    void logCollisions();
    void log(const char* direction, const QByteArray& bytes) const;

    SimOptions m_options;
    QRandomGenerator m_random;
    Transmitter m_transmitter;
    RequestReader m_reader;
    QElapsedTimer m_clock;
    QTimer m_garbageTimer;
    QHash<int, Instrument> m_instruments; // by address
    QSet<int> m_answered;                 // addresses that have replied
};

} // namespace sim
