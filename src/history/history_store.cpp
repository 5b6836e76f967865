#include "history/history_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <limits>
#include <system_error>
#include <thread>
#include <unordered_set>

#include "history/checkpointer.h"
#include "history/history_path.h"
#include "history/run_locks.h"
#include "history/schema.h"
#include "history/sqlite_db.h"
#include "platform/file_access.h"

namespace pelorin::history {

namespace {

// The history's messages and the reasons a record is damaged, shown to the
// user in the program's language (the command-line programs' stay English).
struct StoreText {
  Q_DECLARE_TR_FUNCTIONS(pelorin::history::HistoryStore)
};

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }

// As SQLite's own automatic checkpoint: about 4 MiB of log.
constexpr int kFramesPerCheckpoint = 1000;

// A database file's marks as its first 100 bytes (the header) hold them:
// PRAGMA application_id at offset 68, user_version at 60, big-endian. Zero
// for a file too short to hold them or not an SQLite database (SQLite's own
// check names what is wrong with it).
struct HeaderMarks {
  std::int64_t applicationId = 0;
  std::int64_t version = 0;
};

HeaderMarks MarksInHeader(const QString& path) {
  HeaderMarks marks;
  const int fd = ::open(EncodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return marks;
  char header[100];
  ssize_t got = 0;
  for (ssize_t n = 0; got < static_cast<ssize_t>(sizeof header); got += n) {
    n = ::read(fd, header + got, sizeof header - static_cast<std::size_t>(got));
    if (n < 0 && errno == EINTR) n = 0;
    else if (n <= 0) break;
  }
  ::close(fd);
  if (got == static_cast<ssize_t>(sizeof header) && std::memcmp(header, "SQLite format 3", 16) == 0) {
    marks.version = qFromBigEndian<std::int32_t>(header + 60);
    marks.applicationId = qFromBigEndian<std::int32_t>(header + 68);
  }
  return marks;
}

bool IsDiskFull(const std::error_code& error) {
  return error == std::errc::no_space_on_device || error.value() == EDQUOT;
}

QString ReasonOf(const std::error_code& error) { return QString::fromLocal8Bit(error.message().c_str()); }

QDateTime fromMs(std::int64_t ms) { return QDateTime::fromMSecsSinceEpoch(ms); }

// A RecordedPicture's columns (p), with the picture that saved the file it
// was read from (s) and that picture's run (sr).
constexpr const char* kPictureColumns =
    "p.id, p.run, p.number, p.made_ms, p.code, p.how, p.rate_bits, p.rate_text, p.file_name, p.sources, "
    "p.rate_box, p.name_box, p.open, p.ticked, p.x, p.y, "
    "s.id, s.run, sr.started_ms, s.number "
    "FROM picture p LEFT JOIN picture s ON s.id = p.saved_from LEFT JOIN run sr ON sr.id = s.run ";

// A recorded picture number as the program numbers pictures; none when the
// column holds anything else (text, a real, a number out of range).
std::optional<PictureNumber> numberAt(const Statement& row, int column) {
  if (!row.isInteger(column)) return std::nullopt;
  const std::int64_t number = row.integer(column);
  if (number < 0 || number > std::numeric_limits<PictureNumber>::max()) return std::nullopt;
  return static_cast<PictureNumber>(number);
}

std::optional<PictureRef> refAt(const Statement& row, int column) {
  if (row.isNull(column)) return std::nullopt;
  const std::optional<PictureNumber> number = numberAt(row, column + 3);
  if (!number) return std::nullopt;  // a damaged record names no picture
  return PictureRef{row.integer(column), row.integer(column + 1), fromMs(row.integer(column + 2)), *number};
}

// What a record that cannot be read keeps: its id, run, number (when
// readable), times, place and open and ticked flags.
void markDamaged(RecordedPicture& picture, const QString& why) {
  picture.code = {};
  picture.origin = PictureOrigin{};
  picture.parentRecords.clear();
  picture.savedFrom.reset();
  picture.damage = why;
}

// The record as read; one that cannot be read keeps only its id, run, number
// (when readable), times and place, with its damage named.
RecordedPicture pictureAt(const Statement& row) {
  RecordedPicture picture;
  picture.id = row.integer(0);
  picture.run = row.integer(1);
  picture.made = fromMs(row.integer(3));
  picture.rateBoxText = row.text(10);
  picture.nameBoxText = row.text(11);
  picture.open = row.integer(12) != 0;
  picture.ticked = row.integer(13) != 0;
  if (row.isInteger(14) && row.isInteger(15)) {
    picture.position = QPoint(static_cast<int>(std::clamp<std::int64_t>(row.integer(14), INT_MIN / 2, INT_MAX / 2)),
                              static_cast<int>(std::clamp<std::int64_t>(row.integer(15), INT_MIN / 2, INT_MAX / 2)));
  }
  const std::optional<PictureNumber> number = numberAt(row, 2);
  if (!number) {
    picture.number = -1;
    markDamaged(picture, StoreText::tr("its number is not a picture number"));
    return picture;
  }
  picture.number = *number;
  const std::int64_t how = row.integer(5);
  if (!row.isInteger(5) || how <= static_cast<int>(PictureOrigin::How::NotMade) ||
      how > static_cast<int>(PictureOrigin::How::Copied)) {
    markDamaged(picture, StoreText::tr("how it was made is unreadable"));
    return picture;
  }
  try {
    picture.code = DecodeCode(row.blob(4));
  } catch (const Failure&) {
    markDamaged(picture, StoreText::tr("its genetic code is unreadable"));
    return picture;
  }
  try {
    picture.origin.sources = DecodeSources(row.blob(9));
  } catch (const Failure&) {
    markDamaged(picture, StoreText::tr("the sources of its traits are unreadable"));
    return picture;
  }
  picture.origin.how = static_cast<PictureOrigin::How>(how);
  picture.origin.rate = DoubleFromBits(row.integer(6));
  picture.origin.rateText = row.text(7);
  picture.origin.fileName = row.text(8);
  picture.savedFrom = refAt(row, 16);
  return picture;
}

// Marks damaged every picture whose number an earlier record (by id) of
// pictures has already: two windows may not share a number.
void markRepeatedNumbers(std::vector<RecordedPicture>& pictures) {
  std::vector<RecordedPicture*> byId;
  for (RecordedPicture& picture : pictures) byId.push_back(&picture);
  std::sort(byId.begin(), byId.end(), [](const auto* a, const auto* b) { return a->id < b->id; });
  std::unordered_set<PictureNumber> seen;
  for (RecordedPicture* picture : byId) {
    if (!picture->damage && !seen.insert(picture->number).second) {
      markDamaged(*picture, StoreText::tr("its number was given to an earlier picture"));
    }
  }
}

// One parent of child from a row of (child, number, then a PictureRef's
// columns): a number out of range makes the child's record damaged.
void addParent(RecordedPicture& child, const Statement& row) {
  if (child.damage) return;
  const std::optional<PictureNumber> number = numberAt(row, 1);
  if (!number) {
    markDamaged(child, StoreText::tr("a parent's number is not a picture number"));
    return;
  }
  child.origin.parents.push_back(*number);
  child.parentRecords.push_back(refAt(row, 2));
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
    addParent(*byId.at(query.integer(0)), query);
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

int HistoryStore::onBusy(void* self, int count) {
  auto* store = static_cast<HistoryStore*>(self);
  const auto nowMs = [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
  // Another writer's own commits take milliseconds: only a wait longer than
  // that is another program holding the file.
  constexpr std::int64_t kHeldMs = 100;
  if (count == 0) {
    store->busySinceMs_ = nowMs();
    store->toldWaiting_ = false;
  }
  if (!store->toldWaiting_ && nowMs() - store->busySinceMs_ >= kHeldMs) {
    store->toldWaiting_ = true;
    if (store->waitHandler_) store->waitHandler_();
  }
  if (nowMs() - store->busySinceMs_ >= store->options_.busyTimeoutMs) return 0;
  // Short sleeps at first, as SQLite's own: most writers are quick.
  std::this_thread::sleep_for(std::chrono::milliseconds(std::min(1 << std::min(count, 5), 25)));
  return 1;
}

bool HistoryStore::liveElsewhere(RunId run) const { return locks_ != nullptr && locks_->heldElsewhere(run); }

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
  // One message per run; a full disk may pass, so what ends the recording
  // afterwards is told too.
  if (problem_ != Problem::None && problem_ != Problem::MovedAside && problem_ != Problem::DiskFull) return;
  message_ = problem_ == Problem::MovedAside ? message_ + QLatin1Char(' ') + message : message;
  problem_ = problem;
  if (handler_) handler_(message_);
}

void HistoryStore::failWith(const std::exception& failure) {
  const auto* sqlite = dynamic_cast<const SqliteFailure*>(&failure);
  const int code = sqlite ? sqlite->code() : SQLITE_ERROR;
  const QString reason = sqlite ? sqlite->reason() : QString::fromLocal8Bit(failure.what());
  if (sqlite && sqlite->diskFull()) {
    if (!recording()) {
      fail(Problem::DiskFull,
           StoreText::tr("The disk is full: the history %1 keeps what it holds but cannot record this run.")
               .arg(quoted(path_)));
      return;
    }
    // The run and the file stay: the next record tries again, and the first
    // that is written ends the problem (guarded). Told once a run: on a disk
    // that has room for small records only, the problem comes and goes.
    if (problem_ == Problem::DiskFull) return;
    message_ = StoreText::tr(
                   "The disk is full: the history %1 keeps what it holds; nothing is recorded until there "
                   "is room again.")
                   .arg(quoted(path_));
    problem_ = Problem::DiskFull;
    if (handler_ && !toldDiskFull_) handler_(message_);
    toldDiskFull_ = true;
    return;
  }
  switch (code) {
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      fail(
          Problem::Unwritable,
          StoreText::tr("The history %1 cannot be written (%2); this run is not recorded.").arg(quoted(path_), reason));
      break;
    default:
      fail(Problem::Failed, StoreText::tr("The history %1 failed (%2); nothing more of this run is recorded.")
                                .arg(quoted(path_), reason));
  }
}

template <typename F>
auto HistoryStore::guarded(F&& action, decltype(action()) fallback) -> decltype(action()) {
  if (!recording()) return fallback;
  try {
    const sqlite3_int64 changesBefore = sqlite3_total_changes64(db_->handle());
    auto result = action();
    // A change written (the action returned, so its transaction committed):
    // there is room again.
    if (problem_ == Problem::DiskFull && db_ && sqlite3_total_changes64(db_->handle()) != changesBefore) {
      problem_ = Problem::None;
      message_.clear();
    }
    return result;
  } catch (const SqliteFailure& failure) {
    // The transaction was rolled back: nothing of it stays.
    if (retryBusy_ && (failure.code() == SQLITE_BUSY || failure.code() == SQLITE_LOCKED)) {
      busy_ = true;
      return fallback;
    }
    failWith(failure);
  } catch (const std::exception& failure) {
    failWith(failure);
  }
  return fallback;
}

void HistoryStore::open(const QString& path) {
  if (path.isEmpty()) return;
  const QString folder = QFileInfo(path).absolutePath();
  if (const std::error_code error = MakeHistoryFolder(folder)) {
    fail(IsDiskFull(error) ? Problem::DiskFull : Problem::Unwritable,
         StoreText::tr("The folder of the history %1 cannot be made (%2); this run is not recorded.")
             .arg(quoted(path), ReasonOf(error)));
    return;
  }
  if (!openChecked()) return;
  // As busy_timeout, and tells of the wait as it begins.
  sqlite3_busy_handler(db_->handle(), &HistoryStore::onBusy, this);
  // Made only beside a file that is a history of ours.
  locks_ = std::make_unique<RunLocks>(LockPathOf(path_));
  if (const std::error_code error = locks_->error()) {
    fail(Problem::Unwritable, StoreText::tr("The history's lock file %1 cannot be made (%2); this run is not recorded.")
                                  .arg(quoted(LockPathOf(path_)), QString::fromLocal8Bit(error.message().c_str())));
    return;
  }
  Transaction transaction(*db_);
  const StatementLease insertLease = db_->prepared("INSERT INTO run(started_ms) VALUES (?)");
  Statement& insert = *insertLease;
  insert.bind(1, nowMs()).run();
  const RunId run = db_->lastInsertId();
  // Locked before any other store can see the run.
  locks_->hold(run);
  transaction.commit();
  run_ = run;
  chain_ = {run_};
}

bool HistoryStore::leftAsItIs(std::int64_t applicationId, std::int64_t version) {
  if (applicationId == kApplicationId && version > kSchemaVersion) {
    fail(Problem::Newer, StoreText::tr("The history %1 comes from a newer Pelorin (version %2); it is left as it "
                                       "is and this run is not recorded.")
                             .arg(quoted(path_))
                             .arg(version));
    return true;
  }
  if (applicationId != 0 && applicationId != kApplicationId) {
    fail(Problem::Foreign, StoreText::tr("The history %1 is another program's database; it is left as it is and "
                                         "this run is not recorded.")
                               .arg(quoted(path_)));
    return true;
  }
  return false;
}

// Opens the file and makes it a history of this version: a new file gets the
// schema; a file that is not a history or fails its check is moved aside and
// begun again; another program's or a newer Pelorin's keeps its bytes and
// those of its -wal and -shm. False when nothing is to be recorded (a problem
// is set).
bool HistoryStore::openChecked() {
  {
    // SQLite would write beside a device (/dev/null-journal) or fail on a
    // folder: only a regular file, or a link to one, or nothing.
    struct stat status {};
    if (::stat(EncodeFileName(path_).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
      fail(Problem::Unwritable,
           StoreText::tr("The history %1 is not a regular file; it is left as it is and this run is not recorded.")
               .arg(quoted(path_)));
      return false;
    }
  }
  for (int attempt = 0; attempt < 2; ++attempt) {
    // One that cannot be made is named by SQLite's own failure to open it.
    if (const std::error_code error = MakeHistoryFile(path_); IsDiskFull(error)) {
      fail(Problem::DiskFull,
           StoreText::tr("The disk is full: the history %1 cannot be made; this run is not recorded.")
               .arg(quoted(path_)));
      return false;
    }
    // The marks as the file itself holds them, read before SQLite may
    // replay or checkpoint a -wal into it (every history gets them before
    // its first -wal). Marks only a -wal holds are checked below.
    const HeaderMarks header = MarksInHeader(path_);
    if (leftAsItIs(header.applicationId, header.version)) return false;
    db_ = std::make_unique<Connection>(path_);
    db_->setCheckpointOnClose(false);
    db_->exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(options_.busyTimeoutMs).toUtf8().constData());
    QString broken;
    try {
      // The check reads every page once: through a cache of 16 pages, not
      // SQLite's 2 MiB, which it would otherwise fill for the rest of the run.
      db_->exec("PRAGMA cache_size = -128");
      std::int64_t applicationId = db_->queryInt("PRAGMA application_id").value_or(0);
      std::int64_t version = db_->queryInt("PRAGMA user_version").value_or(0);
      if (applicationId == 0 && version == 0 && db_->queryInt("SELECT count(*) FROM sqlite_schema").value_or(0) == 0) {
        // Marked in the file itself, before the -wal begins; another program
        // may have begun it meanwhile.
        db_->exec("PRAGMA page_size = 8192");
        Transaction transaction(*db_);
        if (db_->queryInt("SELECT count(*) FROM sqlite_schema").value_or(0) == 0) {
          db_->exec(kSchemaV1);
          db_->exec(QStringLiteral("PRAGMA application_id = %1; PRAGMA user_version = %2")
                        .arg(kApplicationId)
                        .arg(kSchemaVersion)
                        .toUtf8()
                        .constData());
        }
        transaction.commit();
        applicationId = db_->queryInt("PRAGMA application_id").value_or(0);
        version = db_->queryInt("PRAGMA user_version").value_or(0);
      }
      if (leftAsItIs(applicationId, version)) return false;
      if (applicationId != kApplicationId || version != kSchemaVersion) {
        broken = StoreText::tr("it is not a Pelorin history");
      } else {
        const QString check = db_->queryText("PRAGMA quick_check");
        if (check != QLatin1String("ok")) {
          // The first finding stands for all: "Page 3: btreeInitPage() returns error code 11".
          const QStringList findings =
              check.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^[^*]")));
          broken = StoreText::tr("it failed its check: %1").arg(findings.value(0, check));
        }
      }
    } catch (const SqliteFailure& failure) {
      if (failure.code() != SQLITE_NOTADB && failure.code() != SQLITE_CORRUPT) throw;
      broken = StoreText::tr("it is not a database: %1").arg(failure.reason());
    }
    if (broken.isEmpty()) {
      db_->setCheckpointOnClose(true);
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
  fail(Problem::Failed, StoreText::tr("The history %1 cannot be begun afresh.").arg(quoted(path_)));
  return false;
}

// Renames the file with its -wal and -shm, as they are (the -wal may hold
// runs the file does not), to history.sqlite.broken-YYYYMMDD-HHMMSS in local
// time, adding -2, -3, ... when that name is taken. Never overwrites or
// deletes.
void HistoryStore::moveAside(const QString& why) {
  closeFile();  // checking: closing leaves the -wal unmerged
  const QString base = path_ + QStringLiteral(".broken-") + options_.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const auto taken = [](const QString& name) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
      struct stat status {};
      if (::lstat(EncodeFileName(name + QLatin1String(suffix)).constData(), &status) == 0) return true;
    }
    return false;
  };
  QString target = base;
  for (int n = 2; taken(target); ++n) target = base + QStringLiteral("-%1").arg(n);
  if (::rename(EncodeFileName(path_).constData(), EncodeFileName(target).constData()) != 0) {
    fail(Problem::Unwritable, StoreText::tr("The history %1 cannot be used (%2) nor moved aside (%3); this run is not "
                                            "recorded.")
                                  .arg(quoted(path_), why, ReasonOf(std::error_code(errno, std::generic_category()))));
    return;
  }
  for (const char* suffix : {"-wal", "-shm"}) {
    ::rename(EncodeFileName(path_ + QLatin1String(suffix)).constData(),
             EncodeFileName(target + QLatin1String(suffix)).constData());
  }
  problem_ = Problem::MovedAside;
  message_ = StoreText::tr("The history %1 could not be used (%2); it was moved aside to %3 and a new history begins.")
                 .arg(quoted(path_), why, quoted(target));
  if (handler_) handler_(message_);
}

void HistoryStore::endRun() {
  guarded(
      [&] {
        Transaction transaction(*db_);
        {
          const StatementLease updateLease = db_->prepared("UPDATE run SET ended_ms = ? WHERE id = ?");
          Statement& update = *updateLease;
          update.bind(1, nowMs()).bind(2, run_).run();
        }
        // A run that made no picture and continued none leaves nothing to keep.
        Statement remove(*db_,
                         "DELETE FROM run WHERE id = ?1 AND continues IS NULL "
                         "AND NOT EXISTS (SELECT 1 FROM picture WHERE run = ?1)");
        remove.bind(1, run_).run();
        transaction.commit();
        return 0;
      },
      0);
  if (busy_) return;  // undone: to be called again
  if (locks_) locks_->releaseAll();
  closeFile();
  run_ = 0;
}

std::optional<PictureId> HistoryStore::recordPicture(const NewPicture& picture) {
  return guarded(
      [&]() -> std::optional<PictureId> {
        const PictureOrigin& origin = picture.origin;
        std::optional<PictureId> savedFrom = picture.savedFrom;
        if (picture.savedFromNumber) {
          const auto found = numbers_.find(*picture.savedFromNumber);
          if (found != numbers_.end()) savedFrom = found->second;
        }
        Transaction transaction(*db_);
        // A saver forgotten since it was looked up (by another program, or by
        // a Forget Run queued before) is left out.
        const StatementLease insertLease = db_->prepared(
            "INSERT INTO picture(run, number, made_ms, code, how, rate_bits, rate_text, file_name, sources, "
            "saved_from, rate_box, name_box, x, y) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "(SELECT id FROM picture WHERE id = ?), ?, ?, ?, ?)");
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
            .bind(10, savedFrom)
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
void HistoryStore::recordExported(PictureNumber number, const QString& path, const QByteArray& code) {
  recordEvent(number, kExported, std::nullopt, path, HashOf(code));
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
          run.live = !run.current && liveElsewhere(run.id);
          result.push_back(run);
        }
        // A run that made nothing, nor continued a run that did, has nothing
        // to show or bring back: a program killed at its start leaves one.
        std::unordered_map<RunId, int> made;
        for (const RunSummary& run : result) made[run.id] = run.pictures;
        std::unordered_set<RunId> shown;
        for (const RunSummary& run : result) {
          const std::vector<RunId> chain = ChainOf(result, run.id);
          if (run.current || std::any_of(chain.begin(), chain.end(), [&](RunId link) { return made[link] > 0; })) {
            shown.insert(run.id);
          }
        }
        std::erase_if(result, [&](const RunSummary& run) { return shown.count(run.id) == 0; });
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
    addParent(*found->second, query);
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
  return guarded(
      [&] {
        std::vector<RecordedPicture> pictures = readPictures("WHERE p.run = ?", "ORDER BY p.number, p.id", {run});
        markRepeatedNumbers(pictures);
        return pictures;
      },
      {});
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
  if (!FileExists(path)) return {};  // a connection would make the file
  Connection db(path);
  db.exec("PRAGMA busy_timeout = 5000; PRAGMA query_only = ON");
  if (db.queryInt("PRAGMA application_id").value_or(0) != kApplicationId) {
    throw Failure(FailureKind::TypeMismatch, path, StoreText::tr("not a Pelorin history"));
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
        std::vector<RecordedPicture> closed = readPictures(where.constData(), "ORDER BY p.closed_event DESC", {});
        for (RecordedPicture& picture : closed) {
          const auto owner = numbers_.find(picture.number);
          if (!picture.damage && (owner == numbers_.end() || owner->second != picture.id)) {
            markDamaged(picture, StoreText::tr("its number was given to an earlier picture"));
          }
        }
        return closed;
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
        const std::unordered_map<PictureNumber, PictureId> owners = numbersOf(chain);
        for (RecordedPicture& picture :
             readPictures(("WHERE " + in + " AND p.open = 1").constData(), "ORDER BY p.number, p.id", {})) {
          const auto owner = owners.find(picture.number);
          if (!picture.damage && (owner == owners.end() || owner->second != picture.id)) {
            markDamaged(picture, StoreText::tr("its number was given to an earlier picture"));
          }
          (picture.damage ? data.damagedPictures : data.openPictures).push_back(std::move(picture));
        }
        Statement last(
            *db_,
            ("SELECT p.rate_box, p.name_box FROM picture p WHERE " + in + " ORDER BY p.id DESC LIMIT 1").constData());
        if (last.step()) {
          data.rateBoxText = last.text(0);
          data.nameBoxText = last.text(1);
        }
        for (const auto& [number, id] : owners) {
          if (!data.highestNumber || number > *data.highestNumber) data.highestNumber = number;
        }
        return data;
      },
      std::nullopt);
}

std::unordered_map<PictureNumber, PictureId> HistoryStore::numbersOf(const std::vector<RunId>& chain) {
  std::unordered_map<PictureNumber, PictureId> numbers;
  if (chain.empty()) return numbers;
  Statement query(*db_,
                  ("SELECT number, id FROM picture WHERE run IN (" + idList(chain) + ") ORDER BY id").constData());
  while (query.step()) {
    if (const std::optional<PictureNumber> number = numberAt(query, 0)) numbers.emplace(*number, query.integer(1));
  }
  return numbers;
}

void HistoryStore::loadNumbers() { numbers_ = numbersOf(chain_); }

bool HistoryStore::continueRun(RunId run) {
  return guarded(
      [&] {
        if (run == run_ || !numbers_.empty()) return false;
        Transaction transaction(*db_);
        const std::vector<RunId> chain = chainOf(run);
        if (chain.empty() || std::find(chain.begin(), chain.end(), run_) != chain.end()) return false;
        // Taken under the write lock, in chain order: of two stores resuming
        // one run, the one that takes its lock first continues it.
        std::vector<RunId> taken;
        auto undo = qScopeGuard([&] {
          for (RunId link : taken) locks_->release(link);
        });
        for (RunId link : chain) {
          if (!locks_->hold(link)) return false;
          taken.push_back(link);
        }
        {
          const StatementLease updateLease = db_->prepared("UPDATE run SET continues = ? WHERE id = ?");
          Statement& update = *updateLease;
          update.bind(1, run).bind(2, run_).run();
        }
        std::vector<RunId> continued = chainOf(run_);
        transaction.commit();
        undo.dismiss();
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
        // Under the write lock: a store continuing run takes its lock there too.
        if (liveElsewhere(run)) return false;
        const StatementLease removeLease = db_->prepared("DELETE FROM run WHERE id = ?");
        Statement& remove = *removeLease;
        remove.bind(1, run).run();
        const bool removed = sqlite3_changes(db_->handle()) > 0;
        transaction.commit();
        return removed;
      },
      false);
}

namespace {

std::optional<PictureRef> saverIn(Connection& db, const QByteArray& fileBytes) {
  const StatementLease queryLease = db.prepared(
      "SELECT p.id, p.run, r.started_ms, p.number FROM event e JOIN picture p ON p.id = e.picture "
      "JOIN run r ON r.id = p.run WHERE e.hash = ? ORDER BY e.id DESC LIMIT 1");
  Statement& query = *queryLease;
  query.bind(1, HistoryStore::HashOf(fileBytes));
  if (!query.step()) return std::nullopt;
  return refAt(query, 0);
}

}  // namespace

std::optional<PictureRef> HistoryStore::savedBy(const QByteArray& fileBytes) {
  return guarded([&] { return saverIn(*db_, fileBytes); }, std::nullopt);
}

std::optional<PictureRef> HistoryStore::ReadSavedBy(const QString& path, const QByteArray& fileBytes) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return std::nullopt;
  try {
    Connection db(path);
    // A reader waits for no writer; only, rarely, for a log being rebuilt.
    db.exec("PRAGMA busy_timeout = 100; PRAGMA query_only = ON");
    if (db.queryInt("PRAGMA application_id").value_or(0) != kApplicationId) return std::nullopt;
    return saverIn(db, fileBytes);
  } catch (const std::exception&) {
    return std::nullopt;  // no lineage is no harm: the picture is made all the same
  }
}

}  // namespace pelorin::history
