#include "cli/answer_report.h"

namespace cli {

QString AnswerReport::update(const protocol::Sample& sample) {
    const std::optional<bool> online = m_availability.update(sample);
    const bool answeredBefore = m_answered.contains(sample.address);
    if (sample.accepted()) m_answered.insert(sample.address);
    if (!online) return {};
    if (*online) {
        // Told only after it was reported quiet: an instrument answering from the start is the rule.
        if (!m_toldQuiet.remove(sample.address)) return {};
        return QStringLiteral("Address %1 answers again").arg(sample.address);
    }
    m_toldQuiet.insert(sample.address);
    if (!answeredBefore)
        return QStringLiteral("Address %1 does not answer (%2)").arg(sample.address).arg(sample.verdict);
    return QStringLiteral("Address %1 stopped answering (%2)").arg(sample.address).arg(sample.verdict);
}

} // namespace cli
