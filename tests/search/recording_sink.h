#pragma once
// A message seam that records what would have been shown, for the search and diagnosis tests.
#include "link/message_sink.h"

#include <QList>
#include <QString>

class RecordingSink : public serial::MessageSink {
public:
    struct Message {
        QString text;
        QString title;
    };
    void show(QWidget*, const QString& text, const QString& title) override { shown.append({text, title}); }

    QList<Message> shown;
};
