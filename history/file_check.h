#pragma once
// Is a file one of our history databases? Answered from its first 100 bytes, read with plain file
// calls, before SQLite is let near it: SQLite is never handed a file that is not ours.
#include <QString>

namespace history {

inline constexpr quint32 kApplicationId = 0x436D5448; // "CmTH" in the SQLite header
inline constexpr int kSchemaVersion = 1;

enum class FileKind {
    Missing,
    Folder,
    Ours,
    NotSqlite,  // too short for a SQLite header, or another magic text
    OtherApp,   // SQLite, but another program's application id
    NewerOurs,  // ours, written by a later schema
    Truncated,  // ours, but shorter than its header says (and no write-ahead log to make up for it)
    BadHeader,  // ours by id, but the header is not one SQLite wrote
    Unreadable, // exists but cannot be read
};

FileKind checkHistoryFile(const QString& filePath, QString* reason = nullptr);

} // namespace history
