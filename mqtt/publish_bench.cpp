// What the gateway costs: CPU per 1,000 samples on the thread that polls (publishing, and the
// acknowledgements it handles there) and in the whole process (with the network thread), until the
// broker has acknowledged every readings message; with no broker, the cost of queueing alone.
//
//   commtest-mqtt-bench PORT [SAMPLES] [READINGS]      (a broker on 127.0.0.1:PORT, or none there)
#include "mqtt/gateway.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double processCpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

void processEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: commtest-mqtt-bench PORT [SAMPLES] [READINGS]\n");
        return 2;
    }
    const int samples = argc > 2 ? std::atoi(argv[2]) : 10000;
    const int readings = argc > 3 ? std::atoi(argv[3]) : 4;
    mqtt::GatewayOptions options;
    options.broker = mqtt::BrokerUrl{QStringLiteral("127.0.0.1"), std::atoi(argv[1]), false};
    options.line = QStringLiteral("bench");
    mqtt::Gateway gateway(options);
    QString error;
    if (!gateway.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    processEventsUntil([&] { return gateway.isConnected(); }, 3000);
    const bool broker = gateway.isConnected();

    QElapsedTimer wall;
    wall.start();
    const double thread0 = threadCpuMs();
    const double process0 = processCpuMs();
    const qint64 t0 = QDateTime::currentMSecsSinceEpoch();
    for (int i = 0; i < samples; ++i) {
        protocol::Sample s{t0 + i, 1 + i % 18, 0x02, QStringLiteral("LED系列——四位双报警单显表"), {}, {}};
        for (int k = 0; k < readings; ++k)
            s.readings.push_back({QStringLiteral("R%1").arg(k), {}, {}, 1, (i % 1000) / 10.0 + k});
        gateway.publishSample(s);
        // A poll loop returns to its event loop between samples; acknowledgements are handled there.
        QCoreApplication::processEvents();
    }
    if (broker) processEventsUntil([&] { return gateway.outbox().delivered() == samples; }, 120000);
    const double threadMs = threadCpuMs() - thread0;
    const double processMs = processCpuMs() - process0;
    const qint64 wallMs = wall.elapsed();

    std::printf("broker: %s\nsamples: %d, %d readings each; delivered %lld, queued %d, dropped %lld\n",
                broker ? "connected" : "away", samples, readings, gateway.outbox().delivered(),
                gateway.outbox().queued(), gateway.outbox().dropped());
    std::printf("wall %lld ms; CPU per 1,000 samples: polling thread %.1f ms, whole process %.1f ms\n",
                wallMs, threadMs * 1000 / samples, processMs * 1000 / samples);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory %ld KiB\n", usage.ru_maxrss);
    gateway.stop();
    return broker && gateway.outbox().delivered() != samples ? 1 : 0;
}
