#pragma once
// The sizes of a label's last few captions. Paging views show the same few captions in turn while
// one reply lasts, and measuring a caption means laying its text out.
#include <QSize>
#include <QString>

#include <array>
#include <optional>

namespace panel {

class RecentSizes {
public:
    static constexpr int kCaptions = 4;

    std::optional<QSize> find(const QString& caption) const {
        for (const Entry& e : m_entries)
            if (e.used && e.caption == caption) return e.size;
        return std::nullopt;
    }

    // Replaces the oldest.
    void remember(const QString& caption, QSize size) {
        m_entries[m_next] = {caption, size, true};
        m_next = (m_next + 1) % kCaptions;
    }

    // The font or the alignment changed: every size is stale.
    void clear() { m_entries = {}; }

private:
    struct Entry {
        QString caption;
        QSize size;
        bool used = false;
    };
    std::array<Entry, kCaptions> m_entries{};
    int m_next = 0;
};

} // namespace panel
