#pragma once
// The visible time range of a trend: its span within limits, zoom about a point, pan, and following
// the newest sample. A following range keeps the newest sample in its last tenth and moves on a
// tenth of its span at a time, like paper through a recorder: between moves the axis stands
// still, so a chart only draws what the new sample added.
#include <QtGlobal>

namespace trends {

class TimeWindow {
public:
    static constexpr qint64 kMinute = 60 * 1000;
    static constexpr qint64 kDay = 24 * 60 * kMinute;
    static constexpr int kLeadShare = 10; // a following range runs a span / kLeadShare ahead

    TimeWindow() = default;
    TimeWindow(qint64 minSpan, qint64 maxSpan) { setSpanLimits(minSpan, maxSpan); }

    qint64 from() const { return m_to - m_span; }
    qint64 to() const { return m_to; }
    qint64 span() const { return m_span; }
    bool following() const { return m_following; }
    qint64 minSpan() const { return m_minSpan; }
    qint64 maxSpan() const { return m_maxSpan; }

    void setSpanLimits(qint64 minSpan, qint64 maxSpan);
    // A new span, within the limits, ending where the range ends now.
    void setSpan(qint64 span);
    // Puts the newest sample into the range's last tenth and keeps it there.
    void follow(qint64 newest);
    // A sample at `newest` arrived; returns whether the range moved (it moves while following,
    // when the sample falls outside it).
    bool newestAt(qint64 newest);
    // Span times factor (within the limits), keeping `anchor` at the same place on screen; while
    // following, the newest sample stays in the last tenth.
    void zoomAt(qint64 anchor, double factor);
    // Moves the range by ms (later when positive) and stops following.
    void panBy(qint64 ms);
    // Shows from..to (the span within the limits, from kept) and stops following.
    void setRange(qint64 from, qint64 to);

private:
    qint64 clampSpan(qint64 span) const;
    qint64 lead() const { return m_span / kLeadShare; }

    qint64 m_minSpan = kMinute;
    qint64 m_maxSpan = kDay;
    qint64 m_span = 10 * kMinute;
    qint64 m_to = 0;
    qint64 m_newest = 0;
    bool m_following = true;
};

} // namespace trends
