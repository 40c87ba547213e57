#pragma once
// The caption texts of the LCD-series views, in one place. Every blank is part of the caption: the
// LCD lines line their values up behind these prefixes.
#include <QString>
#include <array>

namespace views::captions {

// Channel lines of the recorders, the totalizers and the PID controller's first page.
inline const std::array<QString, 3> kChannel = {QStringLiteral("1路    "), QStringLiteral("2路    "),
                                                QStringLiteral("3路    ")};

// Power-failure line: count, one em dash, time in seconds.
inline const QString kPowerFailure = QStringLiteral("掉电   ");
inline const QString kPowerFailureDash = QStringLiteral("—");
inline const QString kSeconds = QStringLiteral("s");

// Single-channel totalizer, second page.
inline const QString kInstantFlow = QStringLiteral("瞬时    ");
inline const QString kInstantHeat = QStringLiteral("瞬热    ");
inline const QString kTotalFlow = QStringLiteral("累积流量   ");
inline const QString kTotalHeat = QStringLiteral("累积热量   ");

// Three-channel totalizer, second and third pages.
inline const std::array<QString, 3> kInstantFlowOf = {
    QStringLiteral("瞬时流量1   "), QStringLiteral("瞬时流量2   "), QStringLiteral("瞬时流量3   ")};
inline const std::array<QString, 3> kTotalFlowOf = {
    QStringLiteral("累积流量1   "), QStringLiteral("累积流量2   "), QStringLiteral("累积流量3   ")};

// PID controller, second page.
inline const QString kSetValue = QStringLiteral("设定   ");
inline const QString kManualOutput = QStringLiteral("手动输出   ");
inline const QString kAutomaticOutput = QStringLiteral("自动输出   ");
inline const QString kSuffixR = QStringLiteral("/R");
inline const QString kSuffixE = QStringLiteral("/E");
inline const QString kPercent = QStringLiteral("%");

// Scanner lines.
inline const QString kChannelTag = QStringLiteral("CH");
inline const QString kGap = QStringLiteral("  ");

} // namespace views::captions
