#include "trends/value_text.h"

#include <cmath>

namespace trends {

namespace {
const QString kNoValue = QStringLiteral("—");
}

QString valueText(double value, int decimals) {
    if (!std::isfinite(value)) return kNoValue;
    QString text = QString::number(value, 'f', qBound(0, decimals, 9));
    // "-0.0" reads as a negative value that is not there.
    bool zero = text.startsWith(QLatin1Char('-'));
    for (int i = 1; zero && i < text.size(); ++i)
        zero = text.at(i) == QLatin1Char('0') || text.at(i) == QLatin1Char('.');
    if (zero) text.remove(0, 1);
    return text;
}

QString deltaText(double delta, int decimals) {
    const QString text = valueText(delta, decimals);
    if (text == kNoValue || text.startsWith(QLatin1Char('-'))) return text;
    return QLatin1Char('+') + text;
}

QString durationText(qint64 ms) {
    QString text = ms < 0 ? QStringLiteral("-") : QString();
    const quint64 total = ms < 0 ? quint64(-(ms + 1)) + 1 : quint64(ms);
    const quint64 days = total / 86400000;
    const quint64 rest = total % 86400000;
    if (days > 0) text += QString::number(days) + QStringLiteral("天 ");
    text += QStringLiteral("%1:%2:%3")
                .arg(rest / 3600000, 2, 10, QLatin1Char('0'))
                .arg(rest / 60000 % 60, 2, 10, QLatin1Char('0'))
                .arg(rest / 1000 % 60, 2, 10, QLatin1Char('0'));
    if (rest % 1000 != 0) text += QStringLiteral(".%1").arg(rest % 1000, 3, 10, QLatin1Char('0'));
    return text;
}

} // namespace trends
