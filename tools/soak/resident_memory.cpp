#include "tools/soak/resident_memory.h"

#include <QFile>
#include <QList>

#include <unistd.h>

namespace soak {

qint64 residentFromStatm(const QByteArray& statm, qint64 pageSize) {
    const QList<QByteArray> fields = statm.simplified().split(' ');
    if (fields.size() < 2) return -1;
    bool ok = false;
    const qint64 pages = fields[1].toLongLong(&ok);
    return ok && pages >= 0 ? pages * pageSize : -1;
}

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    return residentFromStatm(statm.readAll(), sysconf(_SC_PAGESIZE));
}

} // namespace soak
