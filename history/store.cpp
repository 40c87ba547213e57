#include "history/store.h"

#include "history/file_check.h"
#include "history/history_texts.h"
#include "history/store_impl.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QVariant>
#include <QtEndian>
#include <atomic>
#include <cmath>
#include <functional>

namespace history {

namespace {

const char* const kSchema[] = {
    "CREATE TABLE recording(id INTEGER PRIMARY KEY, port TEXT NOT NULL, baud INTEGER NOT NULL, "
    "address INTEGER NOT NULL, type_code INTEGER NOT NULL, model TEXT NOT NULL, "
    "interval_ms INTEGER NOT NULL, started_ms INTEGER NOT NULL)",
    "CREATE INDEX recording_instrument ON recording(address, type_code)",
    // Reading metadata once per recording; position is the reading's place in each sample's blob.
    "CREATE TABLE reading(recording INTEGER NOT NULL, position INTEGER NOT NULL, key TEXT NOT NULL, "
    "label TEXT NOT NULL, unit TEXT NOT NULL, decimals INTEGER NOT NULL, "
    "PRIMARY KEY(recording, position)) WITHOUT ROWID",
    // One row per poll, clustered by recording and time so that a range is one walk along the key.
    // seq tells apart polls stamped with the same millisecond (a clock set back); it is 0, which
    // SQLite stores in no bytes, otherwise. verdict is NULL for an accepted reply, vals NULL without.
    "CREATE TABLE sample(recording INTEGER NOT NULL, t INTEGER NOT NULL, seq INTEGER NOT NULL, "
    "verdict TEXT, vals BLOB, PRIMARY KEY(recording, t, seq)) WITHOUT ROWID",
};

const char* const kTables[] = {"recording", "reading", "sample"};

constexpr int kBusyTimeoutMs = 5000;

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("commtest-history-%1").arg(++counter);
}

QString reasonOf(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// A connection that lives for one task and is removed with all its queries after it.
class ScopedConnection {
  public:
    ScopedConnection(const QString& path, const QString& options) : m_name(nextConnectionName()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        m_open = db.open();
        if (!m_open) m_error = db.lastError();
    }
    ~ScopedConnection() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;
    bool isOpen() const { return m_open; }
    QSqlError openError() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

  private:
    QString m_name;
    bool m_open = false;
    QSqlError m_error;
};

bool exec(QSqlDatabase db, const QString& statement, QSqlError* error) {
    QSqlQuery query(db);
    if (query.exec(statement)) return true;
    *error = query.lastError();
    return false;
}

// The schema, the marks that say the file is ours, and the write-ahead log, on a fresh file.
bool writeNewDatabase(const QString& path, QString* reason) {
    ScopedConnection connection(path, QString());
    QSqlError error;
    bool ok = connection.isOpen();
    if (!ok) error = connection.openError();
    QSqlDatabase db = connection.db();
    ok = ok && exec(db, QStringLiteral("BEGIN"), &error);
    for (const char* statement : kSchema)
        ok = ok && exec(db, QString::fromLatin1(statement), &error);
    ok = ok && exec(db, QStringLiteral("PRAGMA application_id = %1").arg(qint32(kApplicationId)), &error);
    ok = ok && exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), &error);
    ok = ok && exec(db, QStringLiteral("COMMIT"), &error);
    ok = ok && exec(db, QStringLiteral("PRAGMA journal_mode = WAL"), &error);
    if (!ok) *reason = reasonOf(error);
    return ok;
}

void removeWithCompanions(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

QByteArray packValues(const std::vector<double>& values) {
    QByteArray blob(int(values.size() * sizeof(double)), Qt::Uninitialized);
    char* out = blob.data();
    for (double value : values) {
        qToLittleEndian(value, out);
        out += sizeof(double);
    }
    return blob;
}

double unpackValue(const QByteArray& blob, int position) {
    if (position < 0 || qsizetype(position + 1) * qsizetype(sizeof(double)) > blob.size())
        return std::nan("");
    return qFromLittleEndian<double>(blob.constData() + position * sizeof(double));
}

void StoreState::failQuery(const QSqlError& sqlError, bool writing) {
    const int code = sqlError.nativeErrorCode().toInt() & 0xff; // primary SQLite result code
    constexpr int kCorrupt = 11, kFull = 13, kNotADatabase = 26;
    const QString reason = reasonOf(sqlError);
    if (code == kCorrupt || code == kNotADatabase)
        fail(Status::Damaged, historytext::kDamaged.arg(path, reason));
    else if (writing && code == kFull)
        fail(Status::DiskFull, historytext::kDiskFull.arg(path));
    else if (writing)
        fail(Status::WriteFailed, historytext::kWriteFailed.arg(path, reason));
    else
        fail(Status::ReadFailed, historytext::kReadFailed.arg(path, reason));
}

namespace {

// Creates the file whole or not at all: the schema is written under a temporary name and renamed
// into place, so a file by our name is always one that says it is ours.
bool createFile(StoreState& d) {
    const QFileInfo info(d.path);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder)) {
        d.fail(Status::CannotCreate,
               historytext::kCannotCreate.arg(d.path, historytext::kFolderFailed.arg(folder)));
        return false;
    }
    QTemporaryFile temporary(folder + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        d.fail(Status::CannotCreate, historytext::kCannotCreate.arg(d.path, temporary.errorString()));
        return false;
    }
    const QString temporaryPath = temporary.fileName();
    temporary.close();
    QString reason;
    if (!writeNewDatabase(temporaryPath, &reason)) {
        removeWithCompanions(temporaryPath);
        d.fail(Status::CannotCreate, historytext::kCannotCreate.arg(d.path, reason));
        return false;
    }
    QFile file(temporaryPath);
    if (!file.rename(d.path)) {
        removeWithCompanions(temporaryPath);
        // Another process may have made it meanwhile: then it is checked like any other file.
        if (!QFileInfo::exists(d.path)) {
            d.fail(Status::CannotCreate, historytext::kCannotCreate.arg(d.path, file.errorString()));
            return false;
        }
    }
    return true;
}

bool acceptKind(StoreState& d, FileKind kind, const QString& reason) {
    using namespace historytext;
    switch (kind) {
    case FileKind::Ours:
        return true;
    case FileKind::Missing:
        d.fail(Status::Missing, kMissing.arg(d.path));
        return false;
    case FileKind::Folder:
        d.fail(Status::CannotCreate, kCannotCreate.arg(d.path, kIsFolder));
        return false;
    case FileKind::NotSqlite:
    case FileKind::OtherApp:
        d.fail(Status::NotOurs, kNotOurs.arg(d.path));
        return false;
    case FileKind::NewerOurs:
        d.fail(Status::TooNew, kTooNew.arg(d.path));
        return false;
    case FileKind::Truncated:
        d.fail(Status::Damaged, kDamaged.arg(d.path, kTruncated));
        return false;
    case FileKind::BadHeader:
        d.fail(Status::Damaged, kDamaged.arg(d.path, kBadHeader));
        return false;
    case FileKind::Unreadable:
        d.fail(Status::ReadFailed, kReadFailed.arg(d.path, reason));
        return false;
    }
    return false;
}

// Looks inside through a read-only connection, which writes nothing into the file: the tables are
// there, and (before recording) SQLite's quick check passes.
bool verifyContents(StoreState& d, bool quickCheck) {
    ScopedConnection connection(
        d.path, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!connection.isOpen()) {
        d.failQuery(connection.openError(), false);
        return false;
    }
    QSqlQuery query(connection.db());
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        d.failQuery(query.lastError(), false);
        return false;
    }
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    for (const char* table : kTables) {
        if (!tables.contains(QLatin1String(table))) {
            d.fail(Status::Damaged, historytext::kDamaged.arg(d.path, historytext::kNoSchema));
            return false;
        }
    }
    if (!quickCheck) return true;
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
        d.failQuery(query.lastError(), false);
        return false;
    }
    const QString verdict = query.next() ? query.value(0).toString() : QString();
    if (verdict != QLatin1String("ok")) {
        d.fail(Status::Damaged, historytext::kDamaged.arg(d.path, verdict));
        return false;
    }
    return true;
}

bool openConnection(StoreState& d, Durability durability) {
    const QString name = nextConnectionName();
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(d.path);
        db.setConnectOptions(busy);
        d.writable = db.open();
        if (!d.writable && d.mode == OpenMode::Browse) {
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;") + busy);
            db.open();
        }
        QSqlError error = db.lastError();
        bool ok = db.isOpen();
        if (!ok) {
            d.fail(d.mode == OpenMode::Record ? Status::CannotCreate : Status::ReadFailed,
                   (d.mode == OpenMode::Record ? historytext::kCannotCreate : historytext::kReadFailed)
                       .arg(d.path, reasonOf(error)));
        } else {
            const QString pragma = d.mode == OpenMode::Browse ? QStringLiteral("PRAGMA query_only = 1")
                                   : durability == Durability::PowerSafe
                                       ? QStringLiteral("PRAGMA synchronous = FULL")
                                       : QStringLiteral("PRAGMA synchronous = NORMAL");
            ok = exec(db, pragma, &error);
            if (!ok) d.failQuery(error, d.mode == OpenMode::Record);
        }
        if (!ok) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            return false;
        }
    }
    d.connection = name;
    return true;
}

} // namespace

Store::Store() : m_impl(std::make_unique<StoreState>()) {}

Store::~Store() {
    close();
}

QString Store::filePathIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("history.db"));
}

bool Store::open(const QString& filePath, OpenMode mode, Durability durability) {
    close();
    StoreState& d = *m_impl;
    d.path = QDir::toNativeSeparators(filePath);
    d.mode = mode;
    QString reason;
    FileKind kind = checkHistoryFile(d.path, &reason);
    if (kind == FileKind::Missing && mode == OpenMode::Record) {
        if (!createFile(d)) return false;
        kind = checkHistoryFile(d.path, &reason);
    }
    if (!acceptKind(d, kind, reason) || !verifyContents(d, mode == OpenMode::Record) ||
        !openConnection(d, durability))
        return false;
    d.status = Status::Ok;
    d.error.clear();
    return true;
}

void Store::close() {
    StoreState& d = *m_impl;
    d.recording = false;
    d.insertSample.reset();
    if (!d.connection.isEmpty()) {
        d.db().close();
        QSqlDatabase::removeDatabase(d.connection);
        d.connection.clear();
    }
    d.writable = false;
    d.status = Status::NotOpen;
    d.error = historytext::kNotOpen;
}

bool Store::isOpen() const {
    return !m_impl->connection.isEmpty();
}
QString Store::filePath() const {
    return m_impl->path;
}
Status Store::status() const {
    return m_impl->status;
}
QString Store::errorString() const {
    return m_impl->error;
}
bool Store::isRecording() const {
    return m_impl->recording;
}
qint64 Store::recordingId() const {
    return m_impl->recording ? m_impl->active.id : 0;
}
QString Store::connectionName() const {
    return m_impl->connection;
}

namespace {

// Runs body in one write transaction; on any failure rolls back and records why.
bool inTransaction(StoreState& d, const std::function<bool(QSqlDatabase&, QSqlError&)>& body) {
    QSqlDatabase db = d.db();
    QSqlError error;
    if (exec(db, QStringLiteral("BEGIN IMMEDIATE"), &error)) {
        if (body(db, error) && exec(db, QStringLiteral("COMMIT"), &error)) {
            d.status = Status::Ok;
            d.error.clear();
            return true;
        }
        QSqlError ignored;
        exec(db, QStringLiteral("ROLLBACK"), &ignored);
    }
    d.failQuery(error, true);
    return false;
}

bool insertRecording(QSqlDatabase& db, const RecordingInfo& info, qint64* id, QSqlError& error) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO recording(port, baud, address, type_code, model, interval_ms, "
                                 "started_ms) VALUES(?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(info.port.isNull() ? QString(QLatin1String("")) : info.port);
    query.addBindValue(info.baudRate);
    query.addBindValue(info.address);
    query.addBindValue(info.typeCode);
    query.addBindValue(info.model.isNull() ? QString(QLatin1String("")) : info.model);
    query.addBindValue(info.intervalMs);
    query.addBindValue(info.startedMs);
    if (!query.exec()) {
        error = query.lastError();
        return false;
    }
    *id = query.lastInsertId().toLongLong();
    return true;
}

bool insertReading(QSqlDatabase& db, qint64 recording, int position, const protocol::Reading& reading,
                   QSqlError& error) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO reading(recording, position, key, label, unit, decimals) VALUES(?, ?, ?, ?, ?, ?)"));
    query.addBindValue(recording);
    query.addBindValue(position);
    query.addBindValue(reading.key);
    query.addBindValue(reading.label.isNull() ? QString(QLatin1String("")) : reading.label);
    query.addBindValue(reading.unit.isNull() ? QString(QLatin1String("")) : reading.unit);
    query.addBindValue(reading.decimals);
    if (query.exec()) return true;
    error = query.lastError();
    return false;
}

// The instrument answered with another type code than the recording's: the first accepted reply
// names the type of a recording that started without one; a later change starts a new recording.
bool followTypeCode(QSqlDatabase& db, ActiveRecording& next, const protocol::Sample& sample,
                    QSqlError& error) {
    if (next.info.typeCode < 0) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE recording SET type_code = ?, model = ? WHERE id = ?"));
        query.addBindValue(sample.typeCode);
        query.addBindValue(sample.model.isNull() ? QString(QLatin1String("")) : sample.model);
        query.addBindValue(next.id);
        if (!query.exec()) {
            error = query.lastError();
            return false;
        }
        next.info.typeCode = sample.typeCode;
        next.info.model = sample.model;
        return true;
    }
    ActiveRecording fresh;
    fresh.info = next.info;
    fresh.info.typeCode = sample.typeCode;
    fresh.info.model = sample.model;
    fresh.info.startedMs = sample.epochMs;
    if (!insertRecording(db, fresh.info, &fresh.id, error)) return false;
    next = fresh;
    return true;
}

// The values in the recording's key order; a reading seen for the first time gets the next place.
bool packReadings(QSqlDatabase& db, ActiveRecording& next, const protocol::Readings& readings,
                  QByteArray* blob, QSqlError& error) {
    std::vector<double> values(size_t(next.keyCount), std::nan(""));
    for (const protocol::Reading& reading : readings) {
        auto found = next.positions.constFind(reading.key);
        int position = 0;
        if (found == next.positions.constEnd()) {
            position = next.keyCount;
            if (!insertReading(db, next.id, position, reading, error)) return false;
            next.positions.insert(reading.key, position);
            ++next.keyCount;
            values.resize(size_t(next.keyCount), std::nan(""));
        } else {
            position = *found;
        }
        values[size_t(position)] = reading.value;
    }
    while (!values.empty() && std::isnan(values.back()))
        values.pop_back();
    *blob = packValues(values);
    return true;
}

// Polls stamped with a time already stored (the clock was set back) get the next free seq.
bool nextSeq(QSqlDatabase& db, ActiveRecording& next, qint64 t, int* seq, QSqlError& error) {
    if (t > next.lastMs) {
        *seq = 0;
        next.lastMs = t;
        next.lastSeq = 0;
        return true;
    }
    if (t == next.lastMs) {
        *seq = ++next.lastSeq;
        return true;
    }
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT coalesce(max(seq) + 1, 0) FROM sample WHERE recording = ? AND t = ?"));
    query.addBindValue(next.id);
    query.addBindValue(t);
    if (!query.exec() || !query.next()) {
        error = query.lastError();
        return false;
    }
    *seq = query.value(0).toInt();
    return true;
}

} // namespace

bool Store::startRecording(const RecordingInfo& info) {
    StoreState& d = *m_impl;
    if (!isOpen()) {
        d.fail(Status::NotOpen, historytext::kNotOpen);
        return false;
    }
    if (d.mode != OpenMode::Record) {
        d.fail(Status::NotOpen, historytext::kNotRecording.arg(d.path));
        return false;
    }
    stopRecording();
    ActiveRecording next;
    next.info = info;
    if (next.info.startedMs == 0) next.info.startedMs = QDateTime::currentMSecsSinceEpoch();
    const bool ok = inTransaction(d, [&](QSqlDatabase& db, QSqlError& error) {
        return insertRecording(db, next.info, &next.id, error);
    });
    if (!ok) return false;
    d.active = next;
    d.insertSample.emplace(d.db());
    d.insertSample->prepare(
        QStringLiteral("INSERT INTO sample(recording, t, seq, verdict, vals) VALUES(?, ?, ?, ?, ?)"));
    d.recording = true;
    return true;
}

AppendResult Store::append(const protocol::Sample& sample) {
    StoreState& d = *m_impl;
    if (!d.recording) return AppendResult::Stopped;
    ActiveRecording next = d.active;
    const bool ok = inTransaction(d, [&](QSqlDatabase& db, QSqlError& error) {
        const bool accepted = sample.accepted();
        if (accepted && sample.typeCode >= 0 && sample.typeCode != next.info.typeCode &&
            !followTypeCode(db, next, sample, error))
            return false;
        QByteArray blob;
        if (accepted && !packReadings(db, next, sample.readings, &blob, error)) return false;
        int seq = 0;
        if (!nextSeq(db, next, sample.epochMs, &seq, error)) return false;
        QSqlQuery& insert = *d.insertSample;
        insert.bindValue(0, next.id);
        insert.bindValue(1, sample.epochMs);
        insert.bindValue(2, seq);
        insert.bindValue(3, accepted ? QVariant(QMetaType::fromType<QString>()) : QVariant(sample.verdict));
        insert.bindValue(4, accepted ? QVariant(blob) : QVariant(QMetaType::fromType<QByteArray>()));
        if (!insert.exec()) {
            error = insert.lastError();
            return false;
        }
        return true;
    });
    if (!ok) {
        d.recording = false;
        d.insertSample.reset();
        return AppendResult::Failed;
    }
    d.active = next;
    return AppendResult::Stored;
}

void Store::stopRecording() {
    m_impl->recording = false;
    m_impl->insertSample.reset();
}

} // namespace history
