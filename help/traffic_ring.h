#pragma once
// The newest lines of traffic, kept as the engines tell them, for a support request.
#include "engine/traffic_event.h"

#include <QDateTime>
#include <QStringList>
#include <deque>
#include <functional>

namespace help {

class TrafficRing final : public engine::TrafficListener {
public:
    // `now` stamps each line with the wall-clock time (events carry monotonic time only).
    explicit TrafficRing(int capacity = 40, std::function<QDateTime()> now = &QDateTime::currentDateTime);

    void onTraffic(const engine::TrafficEvent& event) override;
    // Oldest first.
    QStringList lines() const { return QStringList(m_lines.begin(), m_lines.end()); }

    // One event as a line: "HH:mm:ss.zzz  发送  @1FRD61\r".
    static QString line(const engine::TrafficEvent& event, const QDateTime& at);

private:
    int m_capacity;
    std::function<QDateTime()> m_now;
    std::deque<QString> m_lines;
};

} // namespace help
