#include "trends/span_choices.h"

namespace trends {

const QVector<SpanChoice>& spanChoices() {
    constexpr qint64 kMinute = 60 * 1000;
    constexpr qint64 kHour = 60 * kMinute;
    static const QVector<SpanChoice> choices{
        {kMinute, QStringLiteral("1 分钟")},       {5 * kMinute, QStringLiteral("5 分钟")},
        {10 * kMinute, QStringLiteral("10 分钟")}, {30 * kMinute, QStringLiteral("30 分钟")},
        {kHour, QStringLiteral("1 小时")},         {2 * kHour, QStringLiteral("2 小时")},
        {6 * kHour, QStringLiteral("6 小时")},     {12 * kHour, QStringLiteral("12 小时")},
        {24 * kHour, QStringLiteral("24 小时")},
    };
    return choices;
}

} // namespace trends
