#pragma once
// The visible time range of a trend: its span within limits, zoom about a point, pan, and following
// the newest sample (the range then ends at it and moves with it).
#include <QtGlobal>

namespace trends {

class TimeWindow {
  public:
    static constexpr qint64 kMinute = 60 * 1000;
    static constexpr qint64 kDay = 24 * 60 * kMinute;

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
    // Ends the range at the newest sample and keeps it there.
    void follow(qint64 newest);
    // A sample at `newest` arrived; returns whether the range moved.
    bool newestAt(qint64 newest);
    // Span times factor (within the limits), keeping `anchor` at the same place on screen; while
    // following, the range keeps ending at the newest sample.
    void zoomAt(qint64 anchor, double factor);
    // Moves the range by ms (later when positive) and stops following.
    void panBy(qint64 ms);
    // Shows from..to (the span within the limits, from kept) and stops following.
    void setRange(qint64 from, qint64 to);

  private:
    qint64 clampSpan(qint64 span) const;

    qint64 m_minSpan = kMinute;
    qint64 m_maxSpan = kDay;
    qint64 m_span = 10 * kMinute;
    qint64 m_to = 0;
    bool m_following = true;
};

} // namespace trends
