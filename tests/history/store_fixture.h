#pragma once
// Shared by the history tests: polls written in a short text form, read back as text, and a
// temporary folder per test.
#include "history/store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <cmath>

namespace historytest {

// "1000:PV=23.5,SV=50" an accepted reply of type 10 at t=1000 ms; "1000@12:PV=1" one of type 12;
// "3000!no reply" a poll without an accepted reply and its verdict.
inline protocol::Sample pollFromText(const QString& text) {
    protocol::Sample sample;
    sample.address = 1;
    const int bang = text.indexOf(QLatin1Char('!'));
    if (bang >= 0) {
        sample.epochMs = text.left(bang).toLongLong();
        sample.verdict = text.mid(bang + 1);
        return sample;
    }
    const QString head = text.section(QLatin1Char(':'), 0, 0);
    sample.epochMs = head.section(QLatin1Char('@'), 0, 0).toLongLong();
    sample.typeCode = head.contains(QLatin1Char('@')) ? head.section(QLatin1Char('@'), 1).toInt() : 10;
    sample.model = QStringLiteral("M%1").arg(sample.typeCode);
    const QString body = text.section(QLatin1Char(':'), 1);
    for (const QString& pair : body.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        protocol::Reading reading;
        reading.key = pair.section(QLatin1Char('='), 0, 0);
        reading.label = QStringLiteral("标签") + reading.key;
        reading.unit = QStringLiteral("℃");
        reading.value = pair.section(QLatin1Char('='), 1).toDouble();
        sample.readings.push_back(reading);
    }
    return sample;
}

// "1000|verdict|23.5;50", a value that is not there as "-".
inline QString sampleText(const history::StoredSample& sample) {
    QStringList values;
    for (double value : sample.values)
        values << (std::isnan(value) ? QStringLiteral("-") : QString::number(value));
    return QStringLiteral("%1|%2|%3").arg(sample.epochMs).arg(sample.verdict, values.join(QLatin1Char(';')));
}

inline QStringList readBack(history::Store& store, const history::Selection& selection) {
    QStringList out;
    store.forEachSample(selection, [&out](const history::StoredSample& sample) {
        out << sampleText(sample);
        return true;
    });
    return out;
}

// One value through the store's own connection, for checks of how the file is kept.
inline QVariant scalar(const history::Store& store, const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(store.connectionName(), false));
    if (!query.exec(sql) || !query.next()) return QVariant();
    return query.value(0);
}

} // namespace historytest
