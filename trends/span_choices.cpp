#include "trends/span_choices.h"

#include <QtGlobal>

namespace trends {

const QVector<SpanChoice>& spanChoices() {
    constexpr qint64 kMinute = 60 * 1000;
    constexpr qint64 kHour = 60 * kMinute;
    static const QVector<SpanChoice> choices{
        {kMinute, QT_TRANSLATE_NOOP("commtest", "1 分钟")},
        {5 * kMinute, QT_TRANSLATE_NOOP("commtest", "5 分钟")},
        {10 * kMinute, QT_TRANSLATE_NOOP("commtest", "10 分钟")},
        {30 * kMinute, QT_TRANSLATE_NOOP("commtest", "30 分钟")},
        {kHour, QT_TRANSLATE_NOOP("commtest", "1 小时")},
        {2 * kHour, QT_TRANSLATE_NOOP("commtest", "2 小时")},
        {6 * kHour, QT_TRANSLATE_NOOP("commtest", "6 小时")},
        {12 * kHour, QT_TRANSLATE_NOOP("commtest", "12 小时")},
        {24 * kHour, QT_TRANSLATE_NOOP("commtest", "24 小时")},
    };
    return choices;
}

} // namespace trends
