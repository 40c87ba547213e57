#pragma once
// Resident memory of this process.
#include <QByteArray>
#include <QtGlobal>

namespace soak {

// Resident bytes from the text of /proc/<pid>/statm (second field, in pages); -1 when the text
// does not hold it.
qint64 residentFromStatm(const QByteArray& statm, qint64 pageSize);

// This process's resident bytes now; -1 where the system does not tell.
qint64 residentBytes();

} // namespace soak
