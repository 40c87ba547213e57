#include "link/port_names.h"

#include "i18n/text.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
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
    if (name.startsWith(QLatin1String("ttyUSB")))
        key.group = 0;
    else if (name.startsWith(QLatin1String("ttyACM")))
        key.group = 1;
    return key;
}

const PortInfo* findByName(const QList<PortInfo>& present, const QString& name) {
    for (const PortInfo& p : present)
        if (p.portName == name) return &p;
    return nullptr;
}

// The present device a mapping means. Cheap adapters sometimes share one serial number; then the
// one under the remembered name wins, else the first in port order.
const PortInfo* findMapped(const QList<PortInfo>& present, const PortChoice& wanted) {
    if (wanted.serialNumber.isEmpty()) return findByName(present, wanted.portName);
    QStringList candidates;
    for (const PortInfo& p : present)
        if (p.serialNumber == wanted.serialNumber) candidates << p.portName;
    if (candidates.isEmpty()) return nullptr;
    if (candidates.contains(wanted.portName)) return findByName(present, wanted.portName);
    return findByName(present, orderedDeviceNames(candidates).first());
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

PortResolution resolvePort(int number, const QProcessEnvironment& environment, const PortMapping& mapping,
                           const QList<PortInfo>& present) {
    PortResolution out;
    if (number < 1) return out;

    const QString override = environment.value(QStringLiteral("COMMTEST_COM%1").arg(number));
    if (!override.isEmpty()) {
        out.source = PortResolution::Source::Environment;
        out.device = override;
        for (const PortInfo& p : present)
            if (p.portName == override || p.systemLocation == override) out.info = p;
        return out;
    }

    if (number <= kMappedPorts && !mapping[number - 1].isAutomatic()) {
        out.wanted = mapping[number - 1];
        if (const PortInfo* found = findMapped(present, out.wanted)) {
            out.source = PortResolution::Source::Mapped;
            out.device = found->portName;
            out.info = *found;
        }
        return out;
    }

#ifdef Q_OS_WIN
    out.device = QStringLiteral("COM%1").arg(number);
#else
    QStringList names;
    for (const PortInfo& p : present)
        names << p.portName;
    const QStringList ordered = orderedDeviceNames(names);
    if (number > ordered.size()) return out;
    out.device = ordered.at(number - 1);
#endif
    out.source = PortResolution::Source::Automatic;
    if (const PortInfo* info = findByName(present, out.device)) out.info = *info;
    return out;
}

QList<PortInfo> presentPorts() {
    QList<PortInfo> out;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& p : ports)
        out.append({p.portName(), p.description(), p.manufacturer(), p.serialNumber(), p.systemLocation()});
    return out;
}

QString describePort(const PortInfo& info) {
    QStringList parts;
    if (!info.portName.isEmpty()) parts << info.portName;
    if (!info.description.isEmpty()) parts << info.description;
    if (!info.manufacturer.isEmpty()) parts << info.manufacturer;
    if (!info.serialNumber.isEmpty()) parts << i18n::tr("序列号 %1").arg(info.serialNumber);
    return parts.join(QStringLiteral(" — "));
}

} // namespace serial
