#pragma once
// A message seam that records what would have been shown instead of showing it.
#include "link/message_sink.h"

#include <QList>
#include <QStringList>

class RecordingSink : public serial::MessageSink {
public:
    struct Message {
        QString text;
        QString title;
    };
    void show(QWidget*, const QString& text, const QString& title) override { shown.append({text, title}); }

    // "title|text" per message, for comparing all of them in one go.
    QStringList lines() const {
        QStringList out;
        for (const Message& m : shown)
            out << m.title + QLatin1Char('|') + m.text;
        return out;
    }

    QList<Message> shown;
};
