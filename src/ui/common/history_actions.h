#pragma once

#include <QObject>

#include "history/history_store.h"
#include "ui/common/owned_windows.h"

namespace pelorin {

// What the windows that browse the history ask of the running program. The
// main window's keeper of the history implements it; tests fake it.
class HistoryActions : public QObject {
  Q_OBJECT

 public:
  explicit HistoryActions(QObject* parent = nullptr) : QObject(parent), windows_(new OwnedWindows(*this)) {}

  // The windows that browse the history through these actions: they go
  // with them.
  OwnedWindows& windows() const { return *windows_; }

  // The history, or null while none is open (switched off, not yet opened,
  // or failed; the user has been told why) or while waitingForFile().
  virtual history::HistoryStore* store() = 0;
  // Another program is writing the history and what is recorded waits for
  // it: store() is null until changed() tells that it is free.
  virtual bool waitingForFile() const { return false; }

  // Enter or a double click on a recorded picture. A picture of this run (or
  // of a run it continues) whose window is open comes to the front; closed,
  // it is reopened as itself. A picture of an earlier run becomes a new
  // picture of this run with exactly its genetic code, its origin naming it.
  virtual void openRecorded(const history::RecordedPicture& picture) = 0;

  // True when run can be resumed now: an earlier run that no other program
  // is recording, while this run has made no picture.
  virtual bool canResume(history::RunId run) = 0;
  // Makes this run the continuation of run: its open pictures come back.
  virtual void resume(history::RunId run) = 0;

  // Forgets run with its pictures (HistoryStore::forgetRun: never this run
  // nor one it continues). Written in turn with what is recorded: the next
  // reading of store() no longer finds it.
  virtual void forgetRun(history::RunId run) = 0;

  // "Keep history", remembered between runs: off, nothing more is recorded.
  virtual bool keepHistory() const = 0;
  virtual void setKeepHistory(bool keep) = 0;

 signals:
  // Something was recorded, forgotten or resumed: what a history window
  // shows may have changed.
  void changed();

 private:
  OwnedWindows* windows_;  // a child
};

}  // namespace pelorin
