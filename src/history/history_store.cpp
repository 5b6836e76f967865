#include "history/history_store.h"

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <system_error>
#include <unordered_set>

#include "history/checkpointer.h"
#include "history/history_path.h"
#include "history/schema.h"
#include "history/sqlite_db.h"

namespace pelorin::history {

namespace {

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }

// As SQLite's own automatic checkpoint: about 4 MiB of log.
constexpr int kFramesPerCheckpoint = 1000;

QDateTime fromMs(std::int64_t ms) { return QDateTime::fromMSecsSinceEpoch(ms); }

// A RecordedPicture's columns (p), with the picture that saved the file it
// was read from (s) and that picture's run (sr).
constexpr const char* kPictureColumns =
    "p.id, p.run, p.number, p.made_ms, p.code, p.how, p.rate_bits, p.rate_text, p.file_name, p.sources, "
    "p.rate_box, p.name_box, p.open, p.ticked, p.x, p.y, "
    "s.id, s.run, sr.started_ms, s.number "
    "FROM picture p LEFT JOIN picture s ON s.id = p.saved_from LEFT JOIN run sr ON sr.id = s.run ";

std::optional<PictureRef> refAt(const Statement& row, int column) {
  if (row.isNull(column)) return std::nullopt;
  return PictureRef{row.integer(column), row.integer(column + 1), fromMs(row.integer(column + 2)),
                    static_cast<std::int16_t>(row.integer(column + 3))};
}

RecordedPicture pictureAt(const Statement& row) {
  RecordedPicture picture;
  picture.id = row.integer(0);
  picture.run = row.integer(1);
  picture.number = static_cast<std::int16_t>(row.integer(2));
  picture.made = fromMs(row.integer(3));
  picture.code = DecodeCode(row.blob(4));
  picture.origin.how = static_cast<PictureOrigin::How>(row.integer(5));
  picture.origin.rate = DoubleFromBits(row.integer(6));
  picture.origin.rateText = row.text(7);
  picture.origin.fileName = row.text(8);
  picture.origin.sources = DecodeSources(row.blob(9));
  picture.rateBoxText = row.text(10);
  picture.nameBoxText = row.text(11);
  picture.open = row.integer(12) != 0;
  picture.ticked = row.integer(13) != 0;
  if (!row.isNull(14) && !row.isNull(15)) {
    picture.position = QPoint(static_cast<int>(row.integer(14)), static_cast<int>(row.integer(15)));
  }
  picture.savedFrom = refAt(row, 16);
  return picture;
}

// "1, 4, 9" for an IN list of ids the store itself holds.
QByteArray idList(const std::vector<RunId>& ids) {
  QByteArray list;
  for (RunId id : ids) {
    if (!list.isEmpty()) list += ", ";
    list += QByteArray::number(id);
  }
  return list;
}

// Each picture's parents as readParents reads them, for all at once.
void readParentsOf(Connection& db, std::vector<RecordedPicture>& pictures) {
  if (pictures.empty()) return;
  std::vector<std::int64_t> ids;
  std::unordered_map<PictureId, RecordedPicture*> byId;
  for (RecordedPicture& picture : pictures) {
    ids.push_back(picture.id);
    byId[picture.id] = &picture;
  }
  const QByteArray sql =
      "SELECT a.child, a.number, p.id, p.run, r.started_ms, p.number FROM parent a "
      "LEFT JOIN picture p ON p.id = a.picture LEFT JOIN run r ON r.id = p.run "
      "WHERE a.child IN (" +
      idList(ids) + ") ORDER BY a.child, a.position";
  Statement query(db, sql.constData());
  while (query.step()) {
    RecordedPicture& child = *byId.at(query.integer(0));
    child.origin.parents.push_back(static_cast<std::int16_t>(query.integer(1)));
    child.parentRecords.push_back(refAt(query, 2));
  }
}

std::vector<RecordedPicture> familyIn(Connection& db, PictureId id) {
  // Up through parents and savers, down through children and readers,
  // each by its index; UNION drops what is reached twice.
  Statement members(db,
                    "WITH RECURSIVE "
                    "up(id) AS (SELECT id FROM picture WHERE id = ?1 "
                    "  UNION SELECT a.picture FROM parent a JOIN up ON a.child = up.id "
                    "    WHERE a.picture IS NOT NULL "
                    "  UNION SELECT p.saved_from FROM picture p JOIN up ON p.id = up.id "
                    "    WHERE p.saved_from IS NOT NULL), "
                    "down(id) AS (SELECT id FROM picture WHERE id = ?1 "
                    "  UNION SELECT a.child FROM parent a JOIN down ON a.picture = down.id "
                    "  UNION SELECT p.id FROM picture p JOIN down ON p.saved_from = down.id) "
                    "SELECT id FROM up UNION SELECT id FROM down ORDER BY 1");
  members.bind(1, id);
  std::vector<std::int64_t> ids;
  while (members.step()) ids.push_back(members.integer(0));
  std::vector<RecordedPicture> family;
  if (ids.empty()) return family;
  const QByteArray where = "WHERE p.id IN (" + idList(ids) + ") ORDER BY p.id";
  Statement query(db, (QByteArray("SELECT ") + kPictureColumns + where).constData());
  while (query.step()) family.push_back(pictureAt(query));
  readParentsOf(db, family);
  return family;
}

}  // namespace

std::vector<RunId> ChainOf(const std::vector<RunSummary>& runs, RunId run) {
  std::unordered_map<RunId, std::optional<RunId>> continues;
  for (const RunSummary& summary : runs) continues.emplace(summary.id, summary.continues);
  std::vector<RunId> chain;
  std::unordered_set<RunId> seen;
  for (std::optional<RunId> next = run; next && seen.insert(*next).second;) {
    const auto found = continues.find(*next);
    if (found == continues.end()) break;
    chain.push_back(*next);
    next = found->second;
  }
  return chain;
}

HistoryStore::HistoryStore() = default;

HistoryStore::HistoryStore(const QString& path, HistoryOptions options) : path_(path), options_(std::move(options)) {
  try {
    open(path);
  } catch (const std::exception& failure) {
    failWith(failure);
  }
}

HistoryStore::~HistoryStore() = default;

std::optional<QString> HistoryStore::problem() const {
  if (problem_ == Problem::None) return std::nullopt;
  return message_;
}

void HistoryStore::setProblemHandler(std::function<void(const QString&)> handler) {
  handler_ = std::move(handler);
  if (handler_ && problem_ != Problem::None) handler_(message_);
}

std::optional<RunId> HistoryStore::currentRun() const {
  if (!recording()) return std::nullopt;
  return run_;
}

void HistoryStore::closeFile() {
  checkpointer_.reset();
  db_.reset();
}

std::int64_t HistoryStore::nowMs() const { return (recordTime_ ? *recordTime_ : options_.now()).toMSecsSinceEpoch(); }

void HistoryStore::fail(Problem problem, const QString& message) {
  closeFile();
  run_ = 0;
  chain_.clear();
  numbers_.clear();
  if (problem_ != Problem::None && problem_ != Problem::MovedAside) return;  // one message per run
  const bool first = problem_ == Problem::None;
  problem_ = problem;
  message_ = first ? message : message_ + QLatin1Char(' ') + message;
  if (handler_) handler_(message_);
}

void HistoryStore::failWith(const std::exception& failure) {
  const auto* sqlite = dynamic_cast<const SqliteFailure*>(&failure);
  const int code = sqlite ? sqlite->code() : SQLITE_ERROR;
  const QString reason = sqlite ? sqlite->reason() : QString::fromLocal8Bit(failure.what());
  switch (code) {
    case SQLITE_FULL:
      fail(Problem::DiskFull,
           QStringLiteral("The disk is full: the history %1 keeps what it holds but records nothing more of this run.")
               .arg(quoted(path_)));
      break;
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      fail(Problem::Unwritable, QStringLiteral("The history %1 cannot be written (%2); this run is not recorded.")
                                    .arg(quoted(path_), reason));
      break;
    default:
      fail(Problem::Failed, QStringLiteral("The history %1 failed (%2); nothing more of this run is recorded.")
                                .arg(quoted(path_), reason));
  }
}

template <typename F>
auto HistoryStore::guarded(F&& action, decltype(action()) fallback) -> decltype(action()) {
  if (!recording()) return fallback;
  try {
    return action();
  } catch (const std::exception& failure) {
    failWith(failure);
  }
  return fallback;
}

void HistoryStore::open(const QString& path) {
  if (path.isEmpty()) return;
  const QString folder = QFileInfo(path).absolutePath();
  if (const std::error_code error = MakeHistoryFolder(folder)) {
    fail(Problem::Unwritable,
         QStringLiteral("The folder of the history %1 cannot be made (%2); this run is not recorded.")
             .arg(quoted(path), QString::fromLocal8Bit(error.message().c_str())));
    return;
  }
  if (!openChecked()) return;
  Transaction transaction(*db_);
  const StatementLease insertLease = db_->prepared("INSERT INTO run(started_ms) VALUES (?)");
  Statement& insert = *insertLease;
  insert.bind(1, nowMs()).run();
  run_ = db_->lastInsertId();
  transaction.commit();
  chain_ = {run_};
}

// Opens the file and makes it a history of this version: a new file gets the
// schema; a file that is not a history or fails its check is moved aside and
// begun again. False when nothing is to be recorded (a problem is set).
bool HistoryStore::openChecked() {
  for (int attempt = 0; attempt < 2; ++attempt) {
    // One that cannot be made is named by SQLite's own failure to open it.
    MakeHistoryFile(path_);
    db_ = std::make_unique<Connection>(path_);
    db_->exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(options_.busyTimeoutMs).toUtf8().constData());
    QString broken;
    try {
      // The check reads every page once: through a cache of 16 pages, not
      // SQLite's 2 MiB, which it would otherwise fill for the rest of the run.
      db_->exec("PRAGMA cache_size = -128");
      const std::int64_t applicationId = db_->queryInt("PRAGMA application_id").value_or(0);
      const std::int64_t version = db_->queryInt("PRAGMA user_version").value_or(0);
      const std::int64_t objects = db_->queryInt("SELECT count(*) FROM sqlite_schema").value_or(0);
      if (applicationId == kApplicationId && version > kSchemaVersion) {
        fail(Problem::Newer, QStringLiteral("The history %1 comes from a newer Pelorin (version %2); it is left as it "
                                            "is and this run is not recorded.")
                                 .arg(quoted(path_))
                                 .arg(version));
        return false;
      }
      if (applicationId == 0 && version == 0 && objects == 0) {
        db_->exec("PRAGMA page_size = 8192; PRAGMA journal_mode = WAL");
        Transaction transaction(*db_);
        db_->exec(kSchemaV1);
        db_->exec(QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2")
                      .arg(kApplicationId)
                      .arg(kSchemaVersion)
                      .toUtf8()
                      .constData());
        transaction.commit();
      } else if (applicationId != kApplicationId || version != kSchemaVersion) {
        broken = QStringLiteral("it is not a Pelorin history");
      } else {
        const QString check = db_->queryText("PRAGMA quick_check");
        if (check != QLatin1String("ok")) {
          // The first finding stands for all: "Page 3: btreeInitPage() returns error code 11".
          const QStringList findings =
              check.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^[^*]")));
          broken = QStringLiteral("it failed its check: %1").arg(findings.value(0, check));
        }
      }
    } catch (const SqliteFailure& failure) {
      if (failure.code() != SQLITE_NOTADB && failure.code() != SQLITE_CORRUPT) throw;
      broken = QStringLiteral("it is not a database: %1").arg(failure.reason());
    }
    if (broken.isEmpty()) {
      db_->exec(
          "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON; PRAGMA cache_size = "
          "-2000");
      if (options_.maxPageCount) {
        db_->exec(QStringLiteral("PRAGMA max_page_count = %1").arg(*options_.maxPageCount).toUtf8().constData());
      }
      checkpointer_ = std::make_unique<Checkpointer>(db_->handle(), path_, kFramesPerCheckpoint);
      return true;
    }
    if (attempt > 0) break;  // a file made afresh that still fails: give up below
    moveAside(broken);
    if (problem_ != Problem::MovedAside) return false;
  }
  fail(Problem::Failed, QStringLiteral("The history %1 cannot be begun afresh.").arg(quoted(path_)));
  return false;
}

// Renames the file (and its -wal and -shm files) to
// history.sqlite.broken-YYYYMMDD-HHMMSS in local time, adding -2, -3, ...
// when that name is taken. Never overwrites or deletes.
void HistoryStore::moveAside(const QString& why) {
  closeFile();
  const QString base = path_ + QStringLiteral(".broken-") + options_.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString target = base;
  for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal")); ++n) {
    target = base + QStringLiteral("-%1").arg(n);
  }
  QFile file(path_);
  if (!file.rename(target)) {
    fail(Problem::Unwritable, QStringLiteral("The history %1 cannot be used (%2) nor moved aside (%3); this run is not "
                                             "recorded.")
                                  .arg(quoted(path_), why, file.errorString()));
    return;
  }
  for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
    if (QFileInfo::exists(path_ + suffix)) QFile::rename(path_ + suffix, target + suffix);
  }
  problem_ = Problem::MovedAside;
  message_ = QStringLiteral("The history %1 could not be used (%2); it was moved aside to %3 and a new history begins.")
                 .arg(quoted(path_), why, quoted(target));
  if (handler_) handler_(message_);
}

void HistoryStore::endRun() {
  guarded(
      [&] {
        const StatementLease updateLease = db_->prepared("UPDATE run SET ended_ms = ? WHERE id = ?");
        Statement& update = *updateLease;
        update.bind(1, nowMs()).bind(2, run_).run();
        return 0;
      },
      0);
  closeFile();
  run_ = 0;
}

std::optional<PictureId> HistoryStore::recordPicture(const NewPicture& picture) {
  return guarded(
      [&]() -> std::optional<PictureId> {
        const PictureOrigin& origin = picture.origin;
        Transaction transaction(*db_);
        const StatementLease insertLease = db_->prepared(
            "INSERT INTO picture(run, number, made_ms, code, how, rate_bits, rate_text, file_name, sources, "
            "saved_from, rate_box, name_box, x, y) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Statement& insert = *insertLease;
        insert.bind(1, run_)
            .bind(2, std::int64_t{picture.number})
            .bind(3, nowMs())
            .bind(4, EncodeCode(picture.code))
            .bind(5, std::int64_t{static_cast<int>(origin.how)})
            .bind(6, DoubleBits(origin.rate))
            .bind(7, origin.rateText)
            .bind(8, origin.fileName)
            .bind(9, EncodeSources(origin.sources))
            .bind(10, picture.savedFrom)
            .bind(11, picture.rateBoxText)
            .bind(12, picture.nameBoxText);
        if (picture.position)
          insert.bind(13, std::int64_t{picture.position->x()}).bind(14, std::int64_t{picture.position->y()});
        insert.run();
        const PictureId id = db_->lastInsertId();
        if (!origin.parents.empty()) {
          const StatementLease parentLease =
              db_->prepared("INSERT INTO parent(child, position, number, picture) VALUES (?, ?, ?, ?)");
          Statement& parent = *parentLease;
          for (std::size_t i = 0; i < origin.parents.size(); ++i) {
            const auto found = numbers_.find(origin.parents[i]);
            parent.bind(1, id).bind(2, static_cast<std::int64_t>(i)).bind(3, std::int64_t{origin.parents[i]});
            parent.bind(4, found == numbers_.end() ? std::nullopt : std::optional<std::int64_t>(found->second));
            parent.run();
            parent.reset();
          }
        }
        transaction.commit();
        numbers_[picture.number] = id;
        return id;
      },
      std::nullopt);
}

void HistoryStore::recordEvent(PictureNumber number, int kind, std::optional<QPoint> position, const QString& path,
                               const QByteArray& hash) {
  guarded(
      [&] {
        const auto found = numbers_.find(number);
        if (found == numbers_.end()) return 0;
        const PictureId id = found->second;
        Transaction transaction(*db_);
        const StatementLease insertLease =
            db_->prepared("INSERT INTO event(picture, at_ms, kind, x, y, path, hash) VALUES (?, ?, ?, ?, ?, ?, ?)");
        Statement& insert = *insertLease;
        insert.bind(1, id).bind(2, nowMs()).bind(3, std::int64_t{kind});
        if (position) insert.bind(4, std::int64_t{position->x()}).bind(5, std::int64_t{position->y()});
        if (!path.isNull()) insert.bind(6, path);
        if (!hash.isNull()) insert.bind(7, hash);
        insert.run();
        const std::int64_t event = db_->lastInsertId();
        switch (kind) {
          case kClosed: {
            const StatementLease updateLease =
                db_->prepared("UPDATE picture SET open = 0, closed_event = ? WHERE id = ?");
            Statement& update = *updateLease;
            update.bind(1, event).bind(2, id).run();
            break;
          }
          case kReopened: {
            const StatementLease updateLease = db_->prepared("UPDATE picture SET open = 1, ticked = 0 WHERE id = ?");
            Statement& update = *updateLease;
            update.bind(1, id).run();
            break;
          }
          case kMoved: {
            const StatementLease updateLease = db_->prepared("UPDATE picture SET x = ?, y = ? WHERE id = ?");
            Statement& update = *updateLease;
            update.bind(1, std::int64_t{position->x()}).bind(2, std::int64_t{position->y()}).bind(3, id).run();
            break;
          }
          case kTicked:
          case kCleared: {
            const StatementLease updateLease = db_->prepared("UPDATE picture SET ticked = ? WHERE id = ?");
            Statement& update = *updateLease;
            update.bind(1, std::int64_t{kind == kTicked}).bind(2, id).run();
            break;
          }
          default: break;
        }
        transaction.commit();
        return 0;
      },
      0);
}

void HistoryStore::recordClosed(PictureNumber number) { recordEvent(number, kClosed, std::nullopt, {}, {}); }
void HistoryStore::recordReopened(PictureNumber number) { recordEvent(number, kReopened, std::nullopt, {}, {}); }
void HistoryStore::recordMoved(PictureNumber number, QPoint position) { recordEvent(number, kMoved, position, {}, {}); }
void HistoryStore::recordParentBox(PictureNumber number, bool ticked) {
  recordEvent(number, ticked ? kTicked : kCleared, std::nullopt, {}, {});
}
void HistoryStore::recordSaved(PictureNumber number, const QString& path, const QByteArray& bytes) {
  recordEvent(number, kSaved, std::nullopt, path, HashOf(bytes));
}
void HistoryStore::recordExported(PictureNumber number, const QString& path) {
  recordEvent(number, kExported, std::nullopt, path, {});
}

QByteArray HistoryStore::HashOf(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

std::vector<RunSummary> HistoryStore::runs() {
  return guarded(
      [&] {
        std::vector<RunSummary> result;
        const StatementLease queryLease = db_->prepared(
            "SELECT r.id, r.started_ms, r.ended_ms, r.continues, "
            "(SELECT count(*) FROM picture p WHERE p.run = r.id), "
            "(SELECT count(*) FROM picture p WHERE p.run = r.id AND p.open = 1) "
            "FROM run r ORDER BY r.started_ms DESC, r.id DESC");
        Statement& query = *queryLease;
        while (query.step()) {
          RunSummary run;
          run.id = query.integer(0);
          run.started = fromMs(query.integer(1));
          if (const auto ended = query.optionalInteger(2)) run.ended = fromMs(*ended);
          run.continues = query.optionalInteger(3);
          run.pictures = static_cast<int>(query.integer(4));
          run.openPictures = static_cast<int>(query.integer(5));
          run.current = run.id == run_;
          result.push_back(run);
        }
        return result;
      },
      {});
}

// The parents of every picture `where` selects, in one query: reading them
// picture by picture costs a query each.
void HistoryStore::readParents(std::vector<RecordedPicture>& pictures, const char* where,
                               const std::vector<std::int64_t>& values) {
  if (pictures.empty()) return;
  std::unordered_map<PictureId, RecordedPicture*> byId;
  for (RecordedPicture& picture : pictures) byId.emplace(picture.id, &picture);
  const QByteArray sql = QByteArray(
                             "SELECT a.child, a.number, q.id, q.run, qr.started_ms, q.number FROM picture p "
                             "JOIN parent a ON a.child = p.id LEFT JOIN picture q ON q.id = a.picture "
                             "LEFT JOIN run qr ON qr.id = q.run ") +
                         where + " ORDER BY a.child, a.position";
  const StatementLease queryLease = db_->prepared(sql.constData());
  Statement& query = *queryLease;
  for (std::size_t i = 0; i < values.size(); ++i) query.bind(static_cast<int>(i + 1), values[i]);
  while (query.step()) {
    const auto found = byId.find(query.integer(0));
    if (found == byId.end()) continue;
    found->second->origin.parents.push_back(static_cast<std::int16_t>(query.integer(1)));
    found->second->parentRecords.push_back(refAt(query, 2));
  }
}

// where: a condition on p, the pictures; order: how they come.
std::vector<RecordedPicture> HistoryStore::readPictures(const char* where, const char* order,
                                                        const std::vector<std::int64_t>& values) {
  std::vector<RecordedPicture> result;
  const QByteArray sql = QByteArray("SELECT ") + kPictureColumns + where + ' ' + order;
  {
    const StatementLease queryLease = db_->prepared(sql.constData());
    Statement& query = *queryLease;
    for (std::size_t i = 0; i < values.size(); ++i) query.bind(static_cast<int>(i + 1), values[i]);
    while (query.step()) result.push_back(pictureAt(query));
  }
  readParents(result, where, values);
  return result;
}

std::vector<RecordedPicture> HistoryStore::picturesOf(RunId run) {
  return guarded([&] { return readPictures("WHERE p.run = ?", "ORDER BY p.number, p.id", {run}); }, {});
}

std::optional<RecordedPicture> HistoryStore::picture(PictureId id) {
  return guarded(
      [&]() -> std::optional<RecordedPicture> {
        auto found = readPictures("WHERE p.id = ?", "", {id});
        if (found.empty()) return std::nullopt;
        return std::move(found.front());
      },
      std::nullopt);
}

std::vector<RecordedPicture> HistoryStore::familyOf(PictureId id) {
  return guarded([&] { return familyIn(*db_, id); }, {});
}

std::vector<RecordedPicture> HistoryStore::ReadFamily(const QString& path, PictureId id) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return {};  // a connection would make the file
  Connection db(path);
  db.exec("PRAGMA busy_timeout = 5000; PRAGMA query_only = ON");
  if (db.queryInt("PRAGMA application_id").value_or(0) != kApplicationId) {
    throw Failure(FailureKind::TypeMismatch, path, QStringLiteral("not a Pelorin history"));
  }
  try {
    return familyIn(db, id);
  } catch (Failure& failure) {
    failure.withPath(path);  // a record that cannot be decoded names no file
    throw;
  }
}

std::optional<PictureId> HistoryStore::pictureNumbered(PictureNumber number) const {
  if (!recording()) return std::nullopt;
  const auto found = numbers_.find(number);
  if (found == numbers_.end()) return std::nullopt;
  return found->second;
}

std::vector<RecordedPicture> HistoryStore::closedPictures() {
  return guarded(
      [&] {
        const QByteArray where = "WHERE p.run IN (" + idList(chain_) + ") AND p.open = 0";
        return readPictures(where.constData(), "ORDER BY p.closed_event DESC", {});
      },
      {});
}

std::vector<RunId> HistoryStore::chainOf(RunId run) {
  std::vector<RunSummary> links;
  const StatementLease queryLease = db_->prepared("SELECT id, continues FROM run");
  Statement& query = *queryLease;
  while (query.step()) {
    RunSummary link;
    link.id = query.integer(0);
    link.continues = query.optionalInteger(1);
    links.push_back(link);
  }
  return ChainOf(links, run);
}

std::optional<ResumeData> HistoryStore::resumeData(RunId run) {
  return guarded(
      [&]() -> std::optional<ResumeData> {
        const std::vector<RunId> chain = chainOf(run);
        if (chain.empty()) return std::nullopt;
        ResumeData data;
        data.run = run;
        const QByteArray in = "p.run IN (" + idList(chain) + ")";
        data.openPictures =
            readPictures(("WHERE " + in + " AND p.open = 1").constData(), "ORDER BY p.number, p.id", {});
        Statement last(
            *db_,
            ("SELECT p.rate_box, p.name_box FROM picture p WHERE " + in + " ORDER BY p.id DESC LIMIT 1").constData());
        if (last.step()) {
          data.rateBoxText = last.text(0);
          data.nameBoxText = last.text(1);
        }
        Statement highest(*db_, ("SELECT max(p.number) FROM picture p WHERE " + in).constData());
        if (highest.step() && !highest.isNull(0)) data.highestNumber = static_cast<std::int16_t>(highest.integer(0));
        return data;
      },
      std::nullopt);
}

void HistoryStore::loadNumbers() {
  numbers_.clear();
  // Older runs first, so that a number made again later maps to its newest picture.
  for (auto run = chain_.rbegin(); run != chain_.rend(); ++run) {
    const StatementLease queryLease = db_->prepared("SELECT number, id FROM picture WHERE run = ? ORDER BY id");
    Statement& query = *queryLease;
    query.bind(1, *run);
    while (query.step()) numbers_[static_cast<std::int16_t>(query.integer(0))] = query.integer(1);
  }
}

bool HistoryStore::continueRun(RunId run) {
  return guarded(
      [&] {
        if (run == run_ || !numbers_.empty()) return false;
        Transaction transaction(*db_);
        const std::vector<RunId> chain = chainOf(run);
        if (chain.empty() || std::find(chain.begin(), chain.end(), run_) != chain.end()) return false;
        {
          const StatementLease updateLease = db_->prepared("UPDATE run SET continues = ? WHERE id = ?");
          Statement& update = *updateLease;
          update.bind(1, run).bind(2, run_).run();
        }
        std::vector<RunId> continued = chainOf(run_);
        transaction.commit();
        chain_ = std::move(continued);
        loadNumbers();
        return true;
      },
      false);
}

bool HistoryStore::forgetRun(RunId run) {
  return guarded(
      [&] {
        if (std::find(chain_.begin(), chain_.end(), run) != chain_.end()) return false;
        Transaction transaction(*db_);
        const StatementLease removeLease = db_->prepared("DELETE FROM run WHERE id = ?");
        Statement& remove = *removeLease;
        remove.bind(1, run).run();
        const bool removed = sqlite3_changes(db_->handle()) > 0;
        transaction.commit();
        return removed;
      },
      false);
}

std::optional<PictureRef> HistoryStore::savedBy(const QByteArray& fileBytes) {
  return guarded(
      [&]() -> std::optional<PictureRef> {
        const StatementLease queryLease = db_->prepared(
            "SELECT p.id, p.run, r.started_ms, p.number FROM event e JOIN picture p ON p.id = e.picture "
            "JOIN run r ON r.id = p.run WHERE e.hash = ? ORDER BY e.id DESC LIMIT 1");
        Statement& query = *queryLease;
        query.bind(1, HashOf(fileBytes));
        if (!query.step()) return std::nullopt;
        return refAt(query, 0);
      },
      std::nullopt);
}

}  // namespace pelorin::history
