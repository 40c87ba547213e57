#include "i18n/ts_file.h"

#include "i18n/text.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace i18n {

namespace {

// An exemption is a file, a folder, or a text in double quotes.
bool exempted(const SourceText& text, const QStringList& exempt) {
    return std::any_of(exempt.cbegin(), exempt.cend(), [&text](const QString& entry) {
        if (entry.size() >= 2 && entry.startsWith(QLatin1Char('"')) && entry.endsWith(QLatin1Char('"')))
            return text.text == entry.mid(1, entry.size() - 2);
        const QString folder = entry.endsWith(QLatin1Char('/')) ? entry : entry + QLatin1Char('/');
        return text.file == entry || text.file.startsWith(folder);
    });
}

// The numbered place markers of a text (%1, %2, ...), sorted; each counted once.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d+)"));
    QStringList out;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QString m = it.next().captured(0);
        if (!out.contains(m)) out << m;
    }
    out.sort();
    return out;
}

// A menu caption marks its access key with '&'; a translation should keep one.
bool hasAccessKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("&[^&\\s]"));
    return key.match(text).hasMatch();
}

QString oneLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

} // namespace

TsFile readTs(const QByteArray& xml) {
    TsFile ts;
    QXmlStreamReader r(xml);
    QString context;
    TsMessage message;
    bool sawTs = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const auto name = r.name();
            if (name == QLatin1String("TS")) {
                sawTs = true;
                ts.language = r.attributes().value(QLatin1String("language")).toString();
                ts.sourceLanguage = r.attributes().value(QLatin1String("sourcelanguage")).toString();
            } else if (name == QLatin1String("name")) {
                context = r.readElementText();
            } else if (name == QLatin1String("message")) {
                message = TsMessage{};
            } else if (name == QLatin1String("location")) {
                const QString file = r.attributes().value(QLatin1String("filename")).toString();
                if (!file.isEmpty()) message.files << file;
            } else if (name == QLatin1String("source")) {
                message.source = r.readElementText();
            } else if (name == QLatin1String("translation")) {
                const QStringView type = r.attributes().value(QLatin1String("type"));
                message.state = type.isEmpty()                        ? TsMessage::State::Finished
                                : type == QLatin1String("unfinished") ? TsMessage::State::Unfinished
                                                                      : TsMessage::State::Vanished;
                message.translation = r.readElementText();
            }
        } else if (r.isEndElement() && r.name() == QLatin1String("message")) {
            if (context == QLatin1String(kContext)) ts.messages << message;
        }
    }
    if (r.hasError())
        ts.error = QStringLiteral("line %1: %2").arg(r.lineNumber()).arg(r.errorString());
    else if (!sawTs)
        ts.error = QStringLiteral("not a translation file (no <TS> element)");
    return ts;
}

QByteArray writeTs(const TsFile& ts) {
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(4);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    w.writeStartElement(QStringLiteral("TS"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    w.writeAttribute(QStringLiteral("language"), ts.language);
    w.writeAttribute(QStringLiteral("sourcelanguage"), ts.sourceLanguage);
    w.writeStartElement(QStringLiteral("context"));
    w.writeTextElement(QStringLiteral("name"), QLatin1String(kContext));
    for (const TsMessage& m : ts.messages) {
        w.writeStartElement(QStringLiteral("message"));
        for (const QString& file : m.files) {
            w.writeEmptyElement(QStringLiteral("location"));
            w.writeAttribute(QStringLiteral("filename"), file);
        }
        w.writeTextElement(QStringLiteral("source"), m.source);
        w.writeStartElement(QStringLiteral("translation"));
        if (m.state == TsMessage::State::Unfinished)
            w.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
        if (m.state == TsMessage::State::Vanished)
            w.writeAttribute(QStringLiteral("type"), QStringLiteral("vanished"));
        w.writeCharacters(m.translation);
        w.writeEndElement();
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

TsFile refreshed(const TsFile& ts, const QVector<SourceText>& found, RefreshCount* count,
                 const QString& locationPrefix) {
    QHash<QString, TsMessage> old;
    for (const TsMessage& m : ts.messages)
        old.insert(m.source, m);

    TsFile out = ts;
    out.messages.clear();
    out.error.clear();
    RefreshCount counted;
    QHash<QString, int> index;
    for (const SourceText& text : found) {
        const auto at = index.constFind(text.text);
        if (at != index.constEnd()) {
            QStringList& files = out.messages[*at].files;
            if (!files.contains(locationPrefix + text.file)) files << locationPrefix + text.file;
            continue;
        }
        TsMessage m;
        m.source = text.text;
        const auto was = old.constFind(text.text);
        if (was != old.constEnd()) {
            m.translation = was->translation;
            // A text used again gets its translation back, to be looked at.
            m.state = was->state == TsMessage::State::Vanished ? TsMessage::State::Unfinished : was->state;
        } else {
            ++counted.added;
        }
        m.files = {locationPrefix + text.file};
        index.insert(m.source, int(out.messages.size()));
        out.messages << m;
    }
    for (const TsMessage& m : ts.messages) {
        if (index.contains(m.source) || m.translation.isEmpty()) continue;
        TsMessage gone = m;
        if (gone.state != TsMessage::State::Vanished) ++counted.vanished;
        gone.state = TsMessage::State::Vanished;
        gone.files.clear();
        index.insert(gone.source, int(out.messages.size()));
        out.messages << gone;
    }
    if (count) *count = counted;
    return out;
}

QStringList translationGaps(const TsFile& ts, const QVector<SourceText>& found, const QStringList& exempt) {
    QHash<QString, const TsMessage*> bySource;
    for (const TsMessage& m : ts.messages)
        bySource.insert(m.source, &m);
    QStringList gaps;
    QSet<QString> seen;
    for (const SourceText& text : found) {
        if (exempted(text, exempt) || seen.contains(text.text)) continue;
        seen.insert(text.text);
        const QString where =
            QStringLiteral("%1:%2: \"%3\"").arg(text.file).arg(text.line).arg(oneLine(text.text));
        const TsMessage* m = bySource.value(text.text);
        if (!m) {
            gaps << where + QStringLiteral(" has no entry in the translation file");
        } else if (m->state != TsMessage::State::Finished || m->translation.trimmed().isEmpty()) {
            gaps << where + QStringLiteral(" has no finished translation");
        } else if (placeholders(m->source) != placeholders(m->translation)) {
            gaps << where + QStringLiteral(" is translated with the place markers %1 instead of %2")
                                .arg(placeholders(m->translation).join(QLatin1Char(' ')),
                                     placeholders(m->source).join(QLatin1Char(' ')));
        } else if (hasAccessKey(m->source) && !hasAccessKey(m->translation)) {
            gaps << where +
                        QStringLiteral(" loses its access key in the translation \"%1\"").arg(m->translation);
        } else if (containsChinese(m->translation)) {
            gaps << where +
                        QStringLiteral(" is translated with Chinese left in it: \"%1\"").arg(m->translation);
        }
    }
    return gaps;
}

QStringList unmarkedTexts(const QVector<SourceText>& found) {
    QStringList out;
    for (const SourceText& text : found) {
        if (text.inClassContext)
            out << QStringLiteral("%1:%2: \"%3\" is given to a QObject's tr(); use i18n::tr()")
                       .arg(text.file)
                       .arg(text.line)
                       .arg(oneLine(text.text));
        else if (text.file.endsWith(QLatin1String("_texts.h")) && !text.marked)
            out << QStringLiteral("%1:%2: \"%3\" is not marked with QT_TRANSLATE_NOOP(\"commtest\", ...)")
                       .arg(text.file)
                       .arg(text.line)
                       .arg(oneLine(text.text));
    }
    return out;
}

QStringList readExemptions(const QByteArray& text) {
    QStringList out;
    for (const QByteArray& raw : text.split('\n')) {
        QString line = QString::fromUtf8(raw).trimmed();
        if (!line.startsWith(QLatin1Char('"'))) line = line.left(line.indexOf(QLatin1Char('#'))).trimmed();
        if (!line.isEmpty()) out << line;
    }
    return out;
}

} // namespace i18n
