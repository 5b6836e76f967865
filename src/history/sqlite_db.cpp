#include "history/sqlite_db.h"

#include <sqlite3.h>

#include <cerrno>

#include "platform/file_access.h"

namespace pelorin::history {

SqliteFailure::SqliteFailure(int code, const QString& path, const QString& reason, int systemErrno)
    : Failure(FailureKind::FileSystem, path, reason), code_(code), systemErrno_(systemErrno) {}

bool SqliteFailure::diskFull() const noexcept {
  return code_ == SQLITE_FULL || systemErrno_ == ENOSPC || systemErrno_ == EDQUOT;
}

namespace {

// SQLite keeps the system's errno only for these; for any other result it
// may be a stale one.
int systemErrnoOf(sqlite3* db, int rc) {
  const int primary = rc & 0xff;
  return db && (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) ? sqlite3_system_errno(db) : 0;
}

}  // namespace

Connection::Connection(const QString& path) : path_(path) {
  const QByteArray name = EncodeFileName(path);
  const int rc = sqlite3_open_v2(name.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    const QString reason = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    const int systemErrno = systemErrnoOf(db_, rc);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    throw SqliteFailure(rc & 0xff, path_, reason, systemErrno);
  }
  sqlite3_extended_result_codes(db_, 1);
}

Connection::~Connection() {
  cache_.clear();
  sqlite3_close_v2(db_);
}

StatementLease Connection::prepared(const char* sql) {
  std::unique_ptr<Statement>& statement = cache_[sql];
  if (!statement) statement = std::make_unique<Statement>(*this, sql, true);
  return StatementLease(*statement);
}

void Connection::check(int rc) const {
  if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
  throw failure(rc);
}

SqliteFailure Connection::failure(int rc) const {
  return SqliteFailure(rc & 0xff, path_, QString::fromUtf8(sqlite3_errmsg(db_)), systemErrnoOf(db_, rc));
}

void Connection::setCheckpointOnClose(bool on) {
  int off = on ? 0 : 1;
  check(sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, off, nullptr));
  // Should a close still come to the -wal's end, it stays.
  check(sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &off));
}

void Connection::exec(const char* sql) { check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr)); }

std::optional<std::int64_t> Connection::queryInt(const char* sql) {
  Statement statement(*this, sql);
  if (!statement.step()) return std::nullopt;
  return statement.integer(0);
}

QString Connection::queryText(const char* sql) {
  Statement statement(*this, sql);
  return statement.step() ? statement.text(0) : QString();
}

std::int64_t Connection::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

Statement::Statement(Connection& db, const char* sql, bool persistent) : db_(db) {
  db_.check(sqlite3_prepare_v3(db_.handle(), sql, -1, persistent ? SQLITE_PREPARE_PERSISTENT : 0, &stmt_, nullptr));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, std::int64_t value) {
  db_.check(sqlite3_bind_int64(stmt_, index, value));
  return *this;
}

Statement& Statement::bind(int index, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  db_.check(sqlite3_bind_text64(stmt_, index, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                SQLITE_TRANSIENT, SQLITE_UTF8));
  return *this;
}

Statement& Statement::bind(int index, const QByteArray& blob) {
  db_.check(
      sqlite3_bind_blob64(stmt_, index, blob.constData(), static_cast<sqlite3_uint64>(blob.size()), SQLITE_TRANSIENT));
  return *this;
}

Statement& Statement::bindNull(int index) {
  db_.check(sqlite3_bind_null(stmt_, index));
  return *this;
}

bool Statement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  // The statement's error is also the connection's; reset so the statement
  // can be used again and does not hold a read lock.
  const SqliteFailure failure = db_.failure(rc);
  sqlite3_reset(stmt_);
  throw failure;
}

void Statement::run() {
  while (step()) {
  }
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

bool Statement::isInteger(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER; }

std::optional<std::int64_t> Statement::optionalInteger(int column) const {
  if (isNull(column)) return std::nullopt;
  return integer(column);
}

QString Statement::text(int column) const {
  const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

QByteArray Statement::blob(int column) const {
  const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
  return QByteArray(data, sqlite3_column_bytes(stmt_, column));
}

// Kept prepared, as every record begins and commits one.
Transaction::Transaction(Connection& db) : db_(db) { db_.prepared("BEGIN IMMEDIATE")->run(); }

Transaction::~Transaction() {
  // A failed COMMIT (a full disk) may have ended the transaction already.
  if (open_ && !sqlite3_get_autocommit(db_.handle())) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
  db_.prepared("COMMIT")->run();
  open_ = false;
}

}  // namespace pelorin::history
