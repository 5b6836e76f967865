#pragma once

#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app_state/mod_object.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "picture/picture_origin.h"
#include "ui/common/history_actions.h"

class QWidget;

namespace pelorin {

class clsObject;

// The main window's keeper of the history: opens the history file, records
// each picture made and what the user does in its window as it happens, and
// brings pictures back (Reopen Closed Picture, Resume Last Run, the History
// window's actions). The program works the same without it: a history that
// cannot be used is named to the user once, and nothing else changes.
//
// Reopening this run's closed pictures needs no history: they are still in
// the registry. Everything else that brings a picture back reads the history.
class HistoryKeeper final : public HistoryActions {
  Q_OBJECT

 public:
  // The main window's rate and name boxes' texts.
  struct BoxTexts {
    QString rate;
    QString name;
  };

  // window: the parent of messages. boxTexts: the main window's boxes as
  // they stand, recorded with a picture the History window asks for.
  HistoryKeeper(QWidget* window, std::function<BoxTexts()> boxTexts);
  // Ends the run cleanly (the program is ending).
  ~HistoryKeeper() override;

  // Opens the history at DefaultHistoryFilePath(), unless "Keep history" is
  // off or a history is open already. Runs quick_check over the whole file:
  // call it once the main window shows.
  void openHistory();
  // The same at path, with options (tests).
  void openHistory(const QString& path, const history::HistoryOptions& options = {});
  // The program is quitting: the run ends; nothing later is recorded (the
  // windows that go with the program are not closed by the user).
  void endRun();

  // The history file this keeper opens or opened.
  QString path() const { return path_; }
  // True while pictures and events are recorded.
  bool recording() const { return recorder_ && recorder_->recording(); }

  // The recorded picture whose last save wrote exactly fileBytes, as a
  // picture read from them names it, and its record: its id, or for a save
  // of this run, whose record may still be queued, its number.
  struct Lineage {
    RecordedPictureName name;
    std::optional<history::PictureId> id;
    std::optional<PictureNumber> number;
  };
  // Never waits for the records queued nor on another program's write
  // lock: this program's own saves are known here, earlier ones are read
  // as committed (HistoryStore::ReadSavedBy).
  std::optional<Lineage> lineageOf(const QByteArray& fileBytes);

  // A picture made by Open or the clipboard, after it was registered, with
  // the boxes' texts it was made from. savedFrom: what lineageOf() found
  // for the file it was read from.
  void recordMade(clsObject& picture, const BoxTexts& boxes, const std::optional<Lineage>& savedFrom = std::nullopt);

  // Reopen Closed Picture: the picture of this run closed most recently,
  // as itself; false when there is none.
  bool canReopenClosed() const;
  void reopenClosed();
  // Resume Last Run: the newest earlier run that no other program is
  // recording (asked anew each time), while this run has made no picture.
  std::optional<history::RunId> lastEarlierRun() const;
  bool canResumeLast() {
    const auto last = lastEarlierRun();
    return last && canResume(*last);
  }
  void resumeLast();
  // Why Resume Last Run passes over the newest earlier run (another
  // Pelorin still records it); empty when it does not.
  QString resumeLastNote() const;
  // run is being recorded by another program now.
  bool liveElsewhere(history::RunId run) const { return recorder_ && recorder_->liveElsewhere(run); }

  // HistoryActions.
  history::HistoryStore* store() override;
  bool waitingForFile() const override { return recorder_ && recorder_->waiting(); }
  void openRecorded(const history::RecordedPicture& picture) override;
  bool canResume(history::RunId run) override;
  void resume(history::RunId run) override;
  void forgetRun(history::RunId run) override;
  bool keepHistory() const override;
  void setKeepHistory(bool keep) override;

 signals:
  // What Reopen Closed Picture and Resume Last Run may do has changed.
  void actionsChanged();
  // Resume brought back the boxes' texts of the run it continues.
  void boxesResumed(const pelorin::HistoryKeeper::BoxTexts& boxes);

 private:
  // Opens the history at path_ and records into it from now on.
  void startRecording();
  // The store once everything recorded so far is written: to read.
  history::HistoryStore& settled() { return recorder_->settled(); }
  void showProblem(const QString& text);
  // Names once the pictures whose records cannot be read.
  void showUnreadable(const std::vector<history::RecordedPicture>& damaged);
  // Picture number wrote a file carrying code (Save: the file itself; Export:
  // an image): record it with record, and know the code as the picture's.
  void wroteCode(PictureNumber number, const QString& path, const QByteArray& code,
                 void (history::HistoryRecorder::*record)(PictureNumber, const QString&, const QByteArray&));
  void closedByUser(PictureNumber number, QPoint position);
  void moved(PictureNumber number, QPoint position);
  void recorded();
  // Reopens picture number of this run: from the registry, or from its record.
  void reopen(PictureNumber number, const history::RecordedPicture* record);
  // Makes a picture of this run from record (its own number, or the next
  // when number is none) at position, registers it and tells the board.
  std::shared_ptr<clsObject> recreate(const history::RecordedPicture& record, std::optional<PictureNumber> number,
                                      PictureOrigin origin, std::optional<QPoint> position);
  // The origin as the record holds it, naming the picture it was read from
  // or copied from.
  PictureOrigin originOf(const history::RecordedPicture& record);
  RecordedPictureName nameOf(const history::PictureRef& ref) const;
  bool inThisRun(history::RunId run) const;
  void findEarlierRun();
  QDateTime runStart(history::RunId run);

  QPointer<QWidget> window_;
  std::function<BoxTexts()> boxTexts_;
  QString path_;
  history::HistoryOptions options_;
  std::unique_ptr<history::HistoryRecorder> recorder_;
  std::optional<history::RunId> ownRun_;  // the run this program started first
  std::vector<history::RunId> chain_;     // this run and the runs it continues
  std::map<history::RunId, QDateTime> runStarts_;
  std::vector<history::RunId> earlierRuns_;   // not of this run's chain, newest first
  QSet<QString> shown_;                       // problem messages already shown
  bool restoring_ = false;                    // re-creating pictures: nothing to record
  bool opened_ = false;                       // openHistory() ran
  bool ended_ = false;                        // endRun() ran: nothing more opens
  bool resumed_ = false;                      // this run continues another
  std::optional<history::RunId> stoppedRun_;  // recorded until "Keep history" went off
  // Numbers of this run's closed pictures, the most recently closed last;
  // the records of those that are not in the registry (of resumed runs).
  std::vector<PictureNumber> closed_;
  std::map<PictureNumber, history::RecordedPicture> closedRecords_;
  std::map<PictureNumber, QPoint> positions_;  // where each window last rested
  // The SHA-256 of each file this program saved while recording, with the
  // number of the picture that saved it last.
  std::map<QByteArray, PictureNumber> saves_;
};

}  // namespace pelorin
