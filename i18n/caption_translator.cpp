#include "i18n/caption_translator.h"

#include "i18n/text.h"

#include <algorithm>

namespace i18n {

CaptionTranslator::CaptionTranslator(const QStringList& knownTexts) {
    for (const QString& source : knownTexts) {
        if (source.isEmpty()) continue;
        const QString translated = tr(source);
        if (translated == source) continue;
        auto& candidates = m_byFirstChar[source.front()];
        const bool known = std::any_of(candidates.cbegin(), candidates.cend(),
                                       [&source](const auto& c) { return c.first == source; });
        if (!known) candidates.append({source, translated});
    }
    for (auto& candidates : m_byFirstChar)
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

QString CaptionTranslator::translate(const QString& caption) const {
    if (m_byFirstChar.isEmpty()) return caption;
    QString out;
    out.reserve(caption.size() * 2);
    qsizetype i = 0;
    while (i < caption.size()) {
        const auto found = m_byFirstChar.constFind(caption.at(i));
        const std::pair<QString, QString>* match = nullptr;
        if (found != m_byFirstChar.constEnd()) {
            for (const auto& candidate : *found) {
                if (QStringView(caption).mid(i).startsWith(candidate.first)) {
                    match = &candidate;
                    break;
                }
            }
        }
        if (match) {
            out += match->second;
            i += match->first.size();
        } else {
            out += caption.at(i++);
        }
    }
    return out;
}

} // namespace i18n
