#include "help/manual_index.h"

#include "help/help_texts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace help {

namespace {

QString readText(const QString& path, bool& ok) {
    QFile f(path);
    ok = f.open(QIODevice::ReadOnly);
    return ok ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

QString ManualIndex::plainText(const QString& html) {
    static const QRegularExpression dropped(QStringLiteral("<(script|style)[^>]*>.*?</\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString text = html;
    text.remove(dropped);
    text.replace(tag, QStringLiteral(" "));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&nbsp;"), QLatin1String(" "))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

std::vector<Section> ManualIndex::parsePage(const QString& fileName, const QString& html, int page) {
    static const QRegularExpression h1(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression h2(QStringLiteral("<h2[^>]*\\bid=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    std::vector<Section> out;
    const QRegularExpressionMatch title = h1.match(html);
    Section pageSection;
    pageSection.title = title.hasMatch() ? plainText(title.captured(1)) : fileName;
    pageSection.target = fileName;
    pageSection.page = page;
    pageSection.isPage = true;

    // The page's own text runs up to its first section; each section up to the next.
    qsizetype introEnd = html.size();
    std::vector<std::pair<qsizetype, Section>> found;
    for (auto it = h2.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (found.empty()) introEnd = m.capturedStart();
        Section s;
        s.title = plainText(m.captured(2));
        s.target = fileName + QLatin1Char('#') + m.captured(1);
        s.page = page;
        found.push_back({m.capturedStart(), s});
    }
    pageSection.text = plainText(html.left(introEnd));
    out.push_back(pageSection);
    for (size_t i = 0; i < found.size(); ++i) {
        const qsizetype from = found[i].first;
        const qsizetype to = i + 1 < found.size() ? found[i + 1].first : html.size();
        found[i].second.text = plainText(html.mid(from, to - from));
        out.push_back(found[i].second);
    }
    return out;
}

QString ManualIndex::load(const QString& folder) {
    m_folder = folder;
    m_sections.clear();
    bool ok = false;
    const QString contents = readText(QDir(folder).filePath(QStringLiteral("contents.txt")), ok);
    if (!ok) return texts::kNoManual.arg(QDir::toNativeSeparators(folder));
    QStringList missing;
    int page = 0;
    for (const QString& line : contents.split(QLatin1Char('\n'))) {
        const QString name = line.trimmed();
        if (name.isEmpty() || name.startsWith(QLatin1Char('#'))) continue;
        const QString html = readText(QDir(folder).filePath(name), ok);
        if (!ok) {
            missing << name;
            continue;
        }
        for (const Section& s : parsePage(name, html, page))
            m_sections.push_back(s);
        ++page;
    }
    return missing.isEmpty() ? QString() : texts::kPagesMissing.arg(missing.join(QStringLiteral("，")));
}

std::vector<Section> ManualIndex::search(const QString& query) const {
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<Section> out;
    if (words.isEmpty()) return out;
    for (const Section& s : m_sections) {
        const QString haystack = s.title + QLatin1Char(' ') + s.text;
        bool all = true;
        for (const QString& w : words)
            all = all && haystack.contains(w, Qt::CaseInsensitive);
        if (all) out.push_back(s);
    }
    return out;
}

QString manualFolder(const QString& programDir, const QString& language) {
    return QDir(programDir).filePath(QStringLiteral("manual/") + language);
}

} // namespace help
