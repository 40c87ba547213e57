#include "config/app_values.h"

#include <QRegularExpression>
#include <algorithm>

namespace config {

AppValues bounded(AppValues values) {
    values.replyTimeoutMs = std::clamp(values.replyTimeoutMs, kReplyTimeoutMinMs, kReplyTimeoutMaxMs);
    values.pollIntervalMs = std::clamp(values.pollIntervalMs, kPollIntervalMinMs, kPollIntervalMaxMs);
    return values;
}

bool isLanguageName(const QString& text) {
    static const QRegularExpression name(QStringLiteral("^([A-Za-z]{2,3}([_-][A-Za-z0-9]{2,8})*)?$"));
    return name.match(text).hasMatch();
}

} // namespace config
