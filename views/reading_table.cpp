#include "views/reading_table.h"

#include <QtGlobal>

namespace views {

namespace {
constexpr int kMostReplyDecimals = 6; // a float carries about seven significant digits
} // namespace

ReadingTable::ReadingTable(std::vector<ReadingRow> rows) : m_rows(std::move(rows)) {
    m_blank.reserve(m_rows.size());
    for (const ReadingRow& s : m_rows)
        m_blank.push_back({s.key, s.label, s.unit, s.decimals == kDecimalsFromReply ? 0 : s.decimals, 0.0});
}

void ReadingTable::reset(protocol::Readings& readings) const {
    readings = m_blank;
}

std::vector<ReadingRow> joined(std::initializer_list<std::vector<ReadingRow>> parts) {
    std::vector<ReadingRow> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

std::vector<ReadingRow> alarmRows(int count, const QString& meaning) {
    std::vector<ReadingRow> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(
            {QStringLiteral("AL%1").arg(i), QStringLiteral("报警%1").arg(i), QString(), 0, meaning.arg(i)});
    return out;
}

std::vector<ReadingRow> channelRows(int count, const QString& labelPattern, int labelDigits, int decimals,
                                    const QString& meaning) {
    std::vector<ReadingRow> out;
    for (int c = 1; c <= count; ++c)
        out.push_back({QStringLiteral("CH%1").arg(c, 2, 10, QLatin1Char('0')),
                       labelPattern.arg(c, labelDigits, 10, QLatin1Char('0')), QString(), decimals,
                       meaning.arg(c)});
    return out;
}

int replyDecimals(int displayDecimals) {
    return qBound(0, displayDecimals, kMostReplyDecimals);
}

} // namespace views
