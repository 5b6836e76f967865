#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app_state/mod_object.h"
#include "history/code_blob.h"
#include "picture/picture_origin.h"

namespace pelorin::history {

class Checkpointer;
class Connection;
class RunLocks;

using RunId = std::int64_t;
using PictureId = std::int64_t;

// The history file's marks: PRAGMA application_id ("PlRn") and the schema
// version in PRAGMA user_version.
inline constexpr std::int32_t kApplicationId = 0x506C526E;
inline constexpr int kSchemaVersion = 1;

// Why the store is not, or no longer, recording as asked.
enum class Problem {
  None,
  Unwritable,  // the folder or the file cannot be made or written: nothing recorded
  DiskFull,    // the disk (or the size limit) is full: what was recorded stays; while the run
               // has begun, each record tries again and the first written ends the problem
  MovedAside,  // the file was not a history or failed its check: renamed, a new history begun
  Newer,       // a newer Pelorin's history: left untouched, nothing recorded
  Foreign,     // another program's database: left untouched, nothing recorded
  Failed,      // any other failure of the database: nothing more recorded
};

// A recorded picture as others name it: "picture 12 of the run of 8 Dec".
struct PictureRef {
  PictureId id = 0;
  RunId run = 0;
  QDateTime runStart;
  PictureNumber number = 0;
  bool operator==(const PictureRef&) const = default;
};

// A picture just made, as Open (or Reopen, Resume, History) made it.
struct NewPicture {
  PictureNumber number = 0;
  GeneticCodeValues code{};
  PictureOrigin origin;  // parents by number: resolved to this run's (and its continued runs') records
  // The picture that saved the file this one was read from (savedBy()); a
  // record since forgotten is left out.
  std::optional<PictureId> savedFrom;
  // Instead of savedFrom: the picture of this run (or of a run it
  // continues) with this number, found when the picture is written, as the
  // parents are; for a save whose record may not be written yet.
  std::optional<PictureNumber> savedFromNumber;
  QString rateBoxText;  // the main window's boxes at that moment
  QString nameBoxText;
  std::optional<QPoint> position;  // logical pixels, when already known
};

struct RecordedPicture {
  PictureId id = 0;
  RunId run = 0;
  PictureNumber number = 0;
  QDateTime made;
  GeneticCodeValues code{};
  PictureOrigin origin;
  // One per origin.parents entry: that parent's record, nullopt when it was
  // never recorded or has been forgotten.
  std::vector<std::optional<PictureRef>> parentRecords;
  std::optional<PictureRef> savedFrom;
  QString rateBoxText;
  QString nameBoxText;
  bool open = true;  // for an ended or killed run: open at its end
  bool ticked = false;
  std::optional<QPoint> position;
  // Why the record cannot be read ("its genetic code is unreadable"), when it
  // cannot: its code and origin are then empty (its number -1 when that is
  // what cannot be read), and nothing is made from it.
  std::optional<QString> damage;
};

struct RunSummary {
  RunId id = 0;
  QDateTime started;
  std::optional<QDateTime> ended;  // none: still running, or killed
  std::optional<RunId> continues;  // the run this one resumed
  int pictures = 0;                // made in this run
  int openPictures = 0;
  bool current = false;
  // Another program (or another store) is recording it, or a run that
  // continues it: it can be neither resumed nor forgotten.
  bool live = false;
};

// run, then the run it continues, and so on, as runs (HistoryStore::runs)
// record them; only their id and continues are read. The chain ends at a run
// not among runs, or at one it named already (a loop, should one ever be
// made). Empty when run is not among runs.
std::vector<RunId> ChainOf(const std::vector<RunSummary>& runs, RunId run);

// What a run continuing run R brings back.
struct ResumeData {
  RunId run = 0;
  std::vector<RecordedPicture> openPictures;  // of R and the runs R continues, in number order
  // The boxes as the last picture made there found them; none when no
  // picture was made there.
  std::optional<QString> rateBoxText;
  std::optional<QString> nameBoxText;
  std::optional<PictureNumber> highestNumber;  // none when R made no readable picture
  // Open pictures left out because their record cannot be read.
  std::vector<RecordedPicture> damagedPictures;
};

struct HistoryOptions {
  int busyTimeoutMs = 5000;  // how long one write waits for another writer
  // How long HistoryRecorder tries a write again while another program
  // holds the write lock, before the usual failure.
  int busyRetryMs = 60000;
  // Limits the file to this many pages (tests of a full disk).
  std::optional<std::int64_t> maxPageCount;
  // The clock for every time recorded and for the moved-aside name.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

// The history of every run and every picture made, in one SQLite file.
// Each record is one transaction, written when called. Nothing here but
// ReadFamily throws: on any failure the store sets one problem, stops
// recording (record calls do nothing, queries return empty) and the program
// goes on without it. A full disk only stops it while it lasts: the record
// that met it is lost, the next one tries again.
// Use from one thread at a time (HistoryRecorder writes on a thread of its
// own); two stores (two processes) may share one file. Each store holds the
// lock of its run (and of the runs it continues) in the file beside the
// history (LockPathOf) until the run ends or the store goes: such runs are
// live to every other store, which neither continues nor forgets them.
class HistoryStore {
 public:
  // Records nothing and has no problem: the history switched off.
  HistoryStore();
  // Opens path (making its folder, creating or checking the file) and
  // starts a run in it.
  explicit HistoryStore(const QString& path, HistoryOptions options = {});
  // Closes the file; the run stays without an end unless endRun() ran.
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  bool recording() const { return db_ != nullptr && run_ != 0; }
  const QString& path() const { return path_; }
  Problem problemKind() const { return problem_; }
  // The one message for the user, naming the file and what is wrong.
  std::optional<QString> problem() const;
  // Called once, when a problem first arises; with the problem at once if
  // it arose while opening.
  void setProblemHandler(std::function<void(const QString&)> handler);
  std::optional<RunId> currentRun() const;
  // run (or a run continuing it) is recorded by another store now. Safe from
  // any thread while the store records on another. False for this store's
  // own runs.
  bool liveElsewhere(RunId run) const;
  // The lock file of the history at path.
  static QString LockPathOf(const QString& path) { return path + QStringLiteral("-lock"); }

  // A write met another program's write lock past the busy timeout (SQLite's
  // BUSY or LOCKED). With setRetryBusy(true) such a write is undone and left
  // for the caller to call again, the store still recording; takeBusy()
  // says so once. Off (as made), it is a failure as any other.
  void setRetryBusy(bool retry) { retryBusy_ = retry; }
  bool takeBusy() { return std::exchange(busy_, false); }
  // Called on the writing thread as soon as a write finds another program's
  // write lock, before it waits for it.
  void setWaitHandler(std::function<void()> handler) { waitHandler_ = std::move(handler); }

  // The run ended cleanly (the program is quitting); records nothing more.
  void endRun();

  // The picture as made; nullopt when not recorded.
  std::optional<PictureId> recordPicture(const NewPicture& picture);
  // Later events on a picture of this run (or of a run it continues), by
  // number; a number never recorded is ignored.
  void recordClosed(PictureNumber number);
  void recordReopened(PictureNumber number);  // also clears the Parent tick
  void recordMoved(PictureNumber number, QPoint position);
  void recordParentBox(PictureNumber number, bool ticked);
  // bytes: exactly what was written to path.
  void recordSaved(PictureNumber number, const QString& path, const QByteArray& bytes);
  // code: the genetic code file's bytes the image carries; a file carrying
  // them leads back to the picture as a saved file does (savedBy).
  void recordExported(PictureNumber number, const QString& path, const QByteArray& code);

  // Newest first. Runs that made no picture, in themselves or in the runs
  // they continue, are left out, except this one.
  std::vector<RunSummary> runs();
  // Pictures made in run, in number order. A record that cannot be read
  // (its code, sources or number) comes with its damage set; so does a
  // number the run made before.
  std::vector<RecordedPicture> picturesOf(RunId run);
  std::optional<RecordedPicture> picture(PictureId id);
  // The picture recorded as id, every recorded ancestor (through its parents
  // and the picture that saved the file it was read from, back to pictures
  // with neither) and every recorded descendant, across runs, in id order.
  // Empty for an unknown id. A few queries, however large the family.
  std::vector<RecordedPicture> familyOf(PictureId id);
  // The same read from the history file at path through a connection of its
  // own, so that any one thread may call it while the store records on
  // another. Empty when path names no file (none is made). Unlike the rest of
  // the store it throws: Failure (FileSystem, naming path) when the file
  // cannot be read, TypeMismatch when it is no Pelorin history. A record
  // that cannot be read comes with its damage set.
  static std::vector<RecordedPicture> ReadFamily(const QString& path, PictureId id);
  // The record of picture number of this run (or of a run it continues);
  // nullopt when none was recorded.
  std::optional<PictureId> pictureNumbered(PictureNumber number) const;
  // This run's closed pictures (with those of the runs it continues), the
  // most recently closed first.
  std::vector<RecordedPicture> closedPictures();
  // What resuming run would bring back; nullopt for an unknown run.
  std::optional<ResumeData> resumeData(RunId run);
  // Makes this run the continuation of run: its numbers and events on run's
  // pictures go on, and this store holds the locks of run and the runs it
  // continues. Only while this run has recorded no picture and run is
  // another, known run that is not live; false otherwise.
  bool continueRun(RunId run);
  // Deletes run with its pictures and their events. Pictures elsewhere that
  // named them keep working with the reference gone. Not this run nor one
  // it continues, nor a live one; false then, or for an unknown run.
  bool forgetRun(RunId run);
  // The recorded picture whose last recorded save wrote exactly these bytes.
  std::optional<PictureRef> savedBy(const QByteArray& fileBytes);
  // The same read from the history file at path through a connection of its
  // own (as ReadFamily), which never waits for a writer: what is committed.
  // nullopt too when the file cannot be read.
  static std::optional<PictureRef> ReadSavedBy(const QString& path, const QByteArray& fileBytes);

  // SHA-256 of bytes, as recorded for a save.
  static QByteArray HashOf(const QByteArray& bytes);

  // The store's clock (HistoryOptions::now).
  QDateTime now() const { return options_.now(); }
  const HistoryOptions& options() const { return options_; }
  // Records that follow are timed at `at` instead of now() (none: by the
  // clock again), for a writer that writes them after they happened.
  void setRecordTime(std::optional<QDateTime> at) { recordTime_ = std::move(at); }

 private:
  void open(const QString& path);
  bool openChecked();
  // True, with the problem set, for marks of a newer Pelorin's history or of
  // another program's database.
  bool leftAsItIs(std::int64_t applicationId, std::int64_t version);
  void moveAside(const QString& why);
  void closeFile();
  void fail(Problem problem, const QString& message);
  void failWith(const std::exception& failure);
  template <typename F>
  auto guarded(F&& action, decltype(action()) fallback) -> decltype(action());
  void recordEvent(PictureNumber number, int kind, std::optional<QPoint> position, const QString& path,
                   const QByteArray& hash);
  // ChainOf(run) over the runs of the file.
  std::vector<RunId> chainOf(RunId run);
  // Each picture number of chain's runs with the first record (by id) that
  // took it; records whose number is unreadable or taken are left out.
  std::unordered_map<PictureNumber, PictureId> numbersOf(const std::vector<RunId>& chain);
  void loadNumbers();
  void readParents(std::vector<RecordedPicture>& pictures, const char* where, const std::vector<std::int64_t>& values);
  std::vector<RecordedPicture> readPictures(const char* where, const char* order,
                                            const std::vector<std::int64_t>& values);
  std::int64_t nowMs() const;
  // SQLite's busy handler: waits up to busyTimeoutMs, telling waitHandler_ first.
  static int onBusy(void* self, int count);

  QString path_;
  HistoryOptions options_;
  std::optional<QDateTime> recordTime_;
  std::unique_ptr<Connection> db_;
  std::unique_ptr<Checkpointer> checkpointer_;  // goes before db_
  std::unique_ptr<RunLocks> locks_;             // made once the file is a history; kept till the store goes
  bool retryBusy_ = false;
  bool busy_ = false;
  std::function<void()> waitHandler_;
  std::int64_t busySinceMs_ = 0;  // steady clock: when the present wait began
  bool toldWaiting_ = false;      // the wait handler ran for the present wait
  RunId run_ = 0;
  std::vector<RunId> chain_;                              // this run, then the runs it continues
  std::unordered_map<PictureNumber, PictureId> numbers_;  // picture numbers of the chain
  Problem problem_ = Problem::None;
  QString message_;
  std::function<void(const QString&)> handler_;
  bool toldDiskFull_ = false;
};

}  // namespace pelorin::history
