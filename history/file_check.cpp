#include "history/file_check.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace history {

namespace {
constexpr int kHeaderBytes = 100;
constexpr char kMagic[] = "SQLite format 3"; // followed by a NUL: 16 bytes

quint32 be32(const QByteArray& header, int offset) {
    return qFromBigEndian<quint32>(header.constData() + offset);
}
} // namespace

FileKind checkHistoryFile(const QString& filePath, QString* reason) {
    const QFileInfo info(filePath);
    if (!info.exists()) return FileKind::Missing;
    if (info.isDir()) return FileKind::Folder;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason) *reason = file.errorString();
        return FileKind::Unreadable;
    }
    const QByteArray header = file.read(kHeaderBytes);
    const qint64 fileSize = file.size();
    file.close();
    if (header.size() < kHeaderBytes || !header.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return FileKind::NotSqlite;
    if (be32(header, 68) != kApplicationId) return FileKind::OtherApp;
    const quint32 version = be32(header, 60);
    if (version > quint32(kSchemaVersion)) return FileKind::NewerOurs;
    // The page size is a power of two from 512 to 65536 (stored as 1); versions 1 or 2 (rollback or
    // write-ahead log) for reading and writing.
    const quint32 rawPageSize = qFromBigEndian<quint16>(header.constData() + 16);
    const quint32 pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
    const bool powerOfTwo = pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    const auto writeVersion = quint8(header[18]);
    const auto readVersion = quint8(header[19]);
    if (version == 0 || !powerOfTwo || writeVersion < 1 || writeVersion > 2 || readVersion < 1 ||
        readVersion > 2)
        return FileKind::BadHeader;
    // The page count in the header holds when the change counter beside it agrees. Pages still in
    // the write-ahead log of a session that did not close may lie beyond the main file's end.
    const quint32 pageCount = be32(header, 28);
    const bool countValid = pageCount != 0 && be32(header, 92) == be32(header, 24);
    const QFileInfo wal(filePath + QStringLiteral("-wal"));
    if (countValid && !(wal.exists() && wal.size() > 0) && fileSize < qint64(pageCount) * pageSize)
        return FileKind::Truncated;
    return FileKind::Ours;
}

} // namespace history
