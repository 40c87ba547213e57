#include "link/port_names.h"

#include <QRegularExpression>
#include <algorithm>

namespace serial {

namespace {

struct SortKey {
    int group;     // 0 ttyUSB, 1 ttyACM, 2 the rest
    QString stem;  // name without its trailing number
    qint64 number; // trailing number, -1 when there is none
};

SortKey keyOf(const QString& name) {
    static const QRegularExpression tail(QStringLiteral("^(.*?)(\\d+)$"));
    SortKey key{2, name, -1};
    const auto m = tail.match(name);
    if (m.hasMatch()) {
        key.stem = m.captured(1);
        key.number = m.captured(2).left(15).toLongLong();
    }
    if (name.startsWith(QLatin1String("ttyUSB"))) key.group = 0;
    else if (name.startsWith(QLatin1String("ttyACM"))) key.group = 1;
    return key;
}

} // namespace

QStringList orderedDeviceNames(QStringList names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const SortKey ka = keyOf(a), kb = keyOf(b);
        if (ka.group != kb.group) return ka.group < kb.group;
        if (ka.stem != kb.stem) return ka.stem < kb.stem;
        return ka.number < kb.number;
    });
    return names;
}

QString deviceForPort(int number, const QStringList& systemDevices) {
    if (number < 1) return {};
    const QByteArray override = qgetenv(("COMMTEST_COM" + QByteArray::number(number)).constData());
    if (!override.isEmpty()) return QString::fromLocal8Bit(override);
#ifdef Q_OS_WIN
    Q_UNUSED(systemDevices);
    return QStringLiteral("COM%1").arg(number);
#else
    const QStringList ordered = orderedDeviceNames(systemDevices);
    return number <= ordered.size() ? ordered.at(number - 1) : QString();
#endif
}

} // namespace serial
