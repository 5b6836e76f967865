#pragma once

#include <QDateTime>
#include <set>
#include <vector>

#include "history/history_fixture.h"
#include "support/line_picture.h"
#include "ui/common/history_actions.h"

namespace pelorin::testing {

// The program's side of the windows that browse the history, as a test
// scripts it, over a real history.
class FakeHistoryActions final : public HistoryActions {
 public:
  history::HistoryStore* store() override { return available ? history : nullptr; }
  void openRecorded(const history::RecordedPicture& picture) override { opened.push_back(picture); }
  bool canResume(history::RunId run) override { return resumable.count(run) > 0; }
  void resume(history::RunId run) override { resumed.push_back(run); }
  void forgetRun(history::RunId run) override { history->forgetRun(run); }
  bool keepHistory() const override { return keep; }
  void setKeepHistory(bool on) override {
    keep = on;
    keeps.push_back(on);
  }

  std::vector<history::PictureId> openedIds() const {
    std::vector<history::PictureId> ids;
    for (const history::RecordedPicture& picture : opened) ids.push_back(picture.id);
    return ids;
  }

  history::HistoryStore* history = nullptr;
  bool available = true;
  std::set<history::RunId> resumable;
  bool keep = true;
  std::vector<history::RecordedPicture> opened;
  std::vector<history::RunId> resumed;
  std::vector<bool> keeps;
};

// A time in December 2026, local.
inline QDateTime at(int day, int hour, int minute) { return QDateTime(QDate(2026, 12, day), QTime(hour, minute)); }

// A picture made at random or bred from parents (history::testing::
// MadePicture) whose genetic code is LineCode(LineColour(number)).
inline history::NewPicture madePicture(std::int16_t number, std::vector<std::int16_t> parents = {}) {
  history::NewPicture picture = history::testing::MadePicture(number, std::move(parents));
  picture.code = LineCode(LineColour(number));
  return picture;
}

}  // namespace pelorin::testing
