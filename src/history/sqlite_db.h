#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/failure.h"

struct sqlite3;
struct sqlite3_stmt;

namespace pelorin::history {

class Statement;
class StatementLease;

// An SQLite call that did not succeed: a FileSystem failure naming the
// database file, with SQLite's own text as the reason and its result code.
class SqliteFailure : public Failure {
 public:
  // systemErrno: the system's error behind an I/O failure, 0 when none.
  SqliteFailure(int code, const QString& path, const QString& reason, int systemErrno = 0);
  // The primary result code (SQLITE_FULL, SQLITE_NOTADB, ...).
  int code() const noexcept { return code_; }
  // The errno of the failing system call for SQLITE_IOERR and
  // SQLITE_CANTOPEN (ENOSPC from an fsync, say), otherwise 0.
  int systemErrno() const noexcept { return systemErrno_; }
  // The disk (or the file's size limit) is full: SQLITE_FULL, or an I/O
  // failure for want of space or quota.
  bool diskFull() const noexcept;

 private:
  int code_;
  int systemErrno_;
};

// One open connection; closed by the destructor. Every failing call throws
// SqliteFailure.
class Connection {
 public:
  // Opens (creating) the file read-write; extended result codes on. path's
  // bytes are EncodeFileName's.
  explicit Connection(const QString& path);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // The statement for sql, prepared once and kept for the connection's life;
  // reset when the lease goes.
  StatementLease prepared(const char* sql);

  // Runs one or more statements that return nothing of interest.
  void exec(const char* sql);
  // The first column of the first row of a one-statement query; nullopt
  // when it returns no row.
  std::optional<std::int64_t> queryInt(const char* sql);
  QString queryText(const char* sql);

  std::int64_t lastInsertId() const;
  const QString& path() const { return path_; }
  sqlite3* handle() const { return db_; }

  // Throws SqliteFailure for rc unless it is one of the success codes.
  void check(int rc) const;
  // The failure for rc, the connection's latest result.
  SqliteFailure failure(int rc) const;

  // While off, closing neither checkpoints the -wal into the file nor
  // deletes it: a file under check keeps its bytes and its companions'.
  // On by default.
  void setCheckpointOnClose(bool on);

 private:
  sqlite3* db_ = nullptr;
  QString path_;
  std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
};

// A prepared statement; finalised by the destructor. Parameters count from 1,
// columns from 0.
class Statement {
 public:
  // persistent: kept for long and used often.
  Statement(Connection& db, const char* sql, bool persistent = false);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, const QString& text);
  Statement& bind(int index, const QByteArray& blob);
  Statement& bindNull(int index);
  template <typename T>
  Statement& bind(int index, const std::optional<T>& value) {
    return value ? bind(index, *value) : bindNull(index);
  }

  // Steps once: true while a row is there.
  bool step();
  // Steps to the end of a statement that returns no row.
  void run();
  // Ready for new bindings and steps.
  void reset();

  bool isNull(int column) const;
  std::int64_t integer(int column) const;
  // True when the column holds an integer (not text, a real, a blob or NULL).
  bool isInteger(int column) const;
  std::optional<std::int64_t> optionalInteger(int column) const;
  QString text(int column) const;
  QByteArray blob(int column) const;

 private:
  Connection& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// A kept statement in use: reset, its bindings cleared, when the lease goes,
// so that no read stays open between records.
class StatementLease {
 public:
  explicit StatementLease(Statement& statement) : statement_(statement) {}
  ~StatementLease() { statement_.reset(); }
  StatementLease(const StatementLease&) = delete;
  StatementLease& operator=(const StatementLease&) = delete;
  Statement* operator->() const { return &statement_; }
  Statement& operator*() const { return statement_; }

 private:
  Statement& statement_;
};

// BEGIN IMMEDIATE: the write lock from the start, so two writers wait for
// each other (up to the busy timeout) instead of failing on the upgrade. The
// destructor rolls back unless commit() ran.
class Transaction {
 public:
  explicit Transaction(Connection& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Connection& db_;
  bool open_ = true;
};

}  // namespace pelorin::history
