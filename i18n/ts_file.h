#pragma once
// The translation source file (Qt's .ts format) of the one context "commtest": read, refreshed
// from the texts found in the sources, checked, and written back.
#include "i18n/source_texts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace i18n {

struct TsMessage {
    enum class State { Finished, Unfinished, Vanished };
    QString source;
    QString translation;
    State state = State::Unfinished;
    QStringList files; // where the text is used
};

struct TsFile {
    QString language = QStringLiteral("en");
    QString sourceLanguage = QStringLiteral("zh_CN");
    QVector<TsMessage> messages; // of the context "commtest"; other contexts are not ours
    QString error;               // why the file could not be read; empty when it was
};

TsFile readTs(const QByteArray& xml);
QByteArray writeTs(const TsFile& ts);

struct RefreshCount {
    int added = 0;
    int vanished = 0;
};

// The messages of `found` in order of first use; existing translations are kept, new texts come
// in unfinished, and texts no longer used stay behind as vanished when they had a translation.
// Locations are the files of `found` behind `locationPrefix` (the way from the .ts file to them).
TsFile refreshed(const TsFile& ts, const QVector<SourceText>& found, RefreshCount* count = nullptr,
                 const QString& locationPrefix = {});

// What keeps a text from being shown in the translation, one line each ("file:line: problem").
// `exempt`: files and folders whose texts are kept Chinese on purpose, and such texts themselves
// in double quotes.
QStringList translationGaps(const TsFile& ts, const QVector<SourceText>& found,
                            const QStringList& exempt = {});

// A Chinese literal in a texts header (*_texts.h) that is not written as QT_TRANSLATE_NOOP, or one
// given to a QObject's tr() anywhere, would never be translated: one line each.
QStringList unmarkedTexts(const QVector<SourceText>& found);

// Reads the list of exemptions: one a line, a path or a text in double quotes; '#' starts a
// comment outside the quotes.
QStringList readExemptions(const QByteArray& text);

} // namespace i18n
