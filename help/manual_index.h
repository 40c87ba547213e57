#pragma once
// The user manual as the help window needs it: its contents (one page per HTML file, its <h2>
// headings with an id as sections) and a word search over the sections' text. No widgets.
#include <QString>
#include <QStringList>
#include <vector>

namespace help {

struct Section {
    QString title;
    QString target; // "page.html" or "page.html#id", for the browser
    QString text;   // plain text of the section, for searching
    int page = 0;   // index of its page in pages()
    bool isPage = false;
};

class ManualIndex {
public:
    // Reads the pages listed, one file name a line, in `folder`/contents.txt. Returns the problem,
    // empty when every page was read.
    QString load(const QString& folder);

    const QString& folder() const { return m_folder; }
    // Each page first, then its sections, in reading order.
    const std::vector<Section>& sections() const { return m_sections; }

    // The sections holding every word of `query` (case ignored), pages' own introductions
    // included; in reading order. An empty query finds nothing.
    std::vector<Section> search(const QString& query) const;

    // Parses one page's HTML into the page and its sections (for load() and tests).
    static std::vector<Section> parsePage(const QString& fileName, const QString& html, int page);
    // Text of HTML: tags dropped, the common entities decoded, blanks folded.
    static QString plainText(const QString& html);

private:
    QString m_folder;
    std::vector<Section> m_sections;
};

// The manual's folder for a language beside the program: <programDir>/manual/<language>.
QString manualFolder(const QString& programDir, const QString& language);

} // namespace help
