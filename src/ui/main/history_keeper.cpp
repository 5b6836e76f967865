#include "ui/main/history_keeper.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "history/code_blob.h"
#include "history/history_path.h"
#include "history/recorded_origin.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "ui/common/controls.h"
#include "ui/common/front_window.h"
#include "ui/common/user_messages.h"
#include "ui/history/history_runs_model.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_events.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {

namespace {

// "Keep history" in the program's settings (QCoreApplication's names).
constexpr const char* kKeepHistoryKey = "history/keep";

std::shared_ptr<clsObject> registered(PictureNumber number) { return modObject::Registry().picture(number); }

}  // namespace

HistoryKeeper::HistoryKeeper(QWidget* window, std::function<BoxTexts()> boxTexts)
    : HistoryActions(window), window_(window), boxTexts_(std::move(boxTexts)) {
  auto& events = PictureWindowEvents::instance();
  connect(&events, &PictureWindowEvents::closedByUser, this, &HistoryKeeper::closedByUser);
  connect(&events, &PictureWindowEvents::moved, this, &HistoryKeeper::moved);
  connect(&modObject::Registry(), &PictureRegistry::parentBoxChanged, this, [this](PictureNumber number, int value) {
    if (!recording() || restoring_) return;
    recorder_->recordParentBox(number, value == 1);
    recorded();
  });
  connect(&events, &PictureWindowEvents::saved, this,
          [this](PictureNumber number, const QString& path, const QByteArray& bytes) {
            wroteCode(number, path, bytes, &history::HistoryRecorder::recordSaved);
          });
  connect(&events, &PictureWindowEvents::exported, this,
          [this](PictureNumber number, const QString& path, const QByteArray& code) {
            wroteCode(number, path, code, &history::HistoryRecorder::recordExported);
          });
}

void HistoryKeeper::wroteCode(PictureNumber number, const QString& path, const QByteArray& code,
                              void (history::HistoryRecorder::*record)(PictureNumber, const QString&,
                                                                       const QByteArray&)) {
  if (!recording()) return;
  saves_[history::HistoryStore::HashOf(code)] = number;
  (*recorder_.*record)(number, QFileInfo(path).absoluteFilePath(), code);
  recorded();
}

HistoryKeeper::~HistoryKeeper() { endRun(); }

void HistoryKeeper::openHistory() { openHistory(history::DefaultHistoryFilePath()); }

void HistoryKeeper::openHistory(const QString& path, const history::HistoryOptions& options) {
  if (opened_ || ended_) return;
  opened_ = true;
  path_ = path;
  options_ = options;
  if (!keepHistory()) return;
  startRecording();
  if (const auto run = settled().currentRun()) chain_ = {*run};
  findEarlierRun();
  emit actionsChanged();
  emit changed();
}

void HistoryKeeper::endRun() {
  if (recorder_) recorder_->endRun();
  recorder_.reset();
  ended_ = true;
}

void HistoryKeeper::startRecording() {
  recorder_ = std::make_unique<history::HistoryRecorder>(std::make_unique<history::HistoryStore>(path_, options_));
  recorder_->setProblemHandler([this](const QString& text) { showProblem(text); });
  recorder_->setFreedHandler([this] {
    emit actionsChanged();
    emit changed();
  });
}

history::HistoryStore* HistoryKeeper::store() { return recording() ? recorder_->available() : nullptr; }

void HistoryKeeper::showProblem(const QString& text) {
  if (shown_.contains(text)) return;
  shown_.insert(text);
  // Later, from the event loop: the problem may arise inside a window's
  // close or Open, where a message box must not run.
  QTimer::singleShot(0, this,
                     [this, text] { Seam<UserMessages>::current().showFailure(window_, tr("Pelorin"), text); });
}

void HistoryKeeper::recorded() { emit changed(); }

void HistoryKeeper::recordMade(clsObject& picture, const BoxTexts& boxes, const std::optional<Lineage>& savedFrom) {
  if (!recording() || restoring_) return;
  history::NewPicture made;
  made.number = picture.ID;
  made.code = history::ValuesOf(picture.GenCode);
  made.origin = picture.Origin;
  if (savedFrom) {
    made.savedFrom = savedFrom->id;
    made.savedFromNumber = savedFrom->number;
  }
  made.rateBoxText = boxes.rate;
  made.nameBoxText = boxes.name;
  recorder_->recordPicture(made);
  recorded();
  emit actionsChanged();
}

std::optional<HistoryKeeper::Lineage> HistoryKeeper::lineageOf(const QByteArray& fileBytes) {
  if (!recording()) return std::nullopt;
  if (const auto own = saves_.find(history::HistoryStore::HashOf(fileBytes)); own != saves_.end()) {
    const auto started = runStarts_.find(chain_.empty() ? 0 : chain_.front());
    const QDateTime runStart = started != runStarts_.end() ? started->second : QDateTime();
    return Lineage{RecordedPictureName{own->second, runStart, true}, std::nullopt, own->second};
  }
  const std::optional<history::PictureRef> saver = history::HistoryStore::ReadSavedBy(path_, fileBytes);
  if (!saver) return std::nullopt;
  return Lineage{nameOf(*saver), saver->id, std::nullopt};
}

void HistoryKeeper::closedByUser(PictureNumber id, QPoint position) {
  positions_[id] = position;
  if (!registered(id)) return;  // a picture that failed: nothing to bring back
  closed_.erase(std::remove(closed_.begin(), closed_.end(), id), closed_.end());
  closed_.push_back(id);
  if (recording()) {
    recorder_->recordClosed(id);
    recorded();
  }
  emit actionsChanged();
}

void HistoryKeeper::moved(PictureNumber id, QPoint position) {
  const auto known = positions_.find(id);
  if (known != positions_.end() && known->second == position) return;
  positions_[id] = position;
  if (!recording() || restoring_) return;
  recorder_->recordMoved(id, position);
  recorded();
}

bool HistoryKeeper::canReopenClosed() const { return !closed_.empty(); }

void HistoryKeeper::reopenClosed() {
  if (closed_.empty()) return;
  reopen(closed_.back(), nullptr);
}

void HistoryKeeper::reopen(PictureNumber number, const history::RecordedPicture* record) {
  if (frmObject* open = openWindowOf(number)) {
    bringToFront(open);
    return;
  }
  closed_.erase(std::remove(closed_.begin(), closed_.end(), number), closed_.end());
  std::optional<history::RecordedPicture> kept;
  if (const auto found = closedRecords_.find(number); found != closedRecords_.end()) {
    kept = std::move(found->second);
    closedRecords_.erase(found);
  }
  if (record == nullptr && kept) record = &*kept;
  std::optional<QPoint> position;
  if (const auto found = positions_.find(number); found != positions_.end()) {
    position = found->second;
  } else if (record != nullptr) {
    position = record->position;
  }
  const std::shared_ptr<clsObject> picture = registered(number);
  if (picture == nullptr && record == nullptr) return;
  restoring_ = true;
  reportFailures(window_, tr("reopening picture %1").arg(number), [&] {
    if (picture) {
      picture->Reopen(makePictureWindowAt(position));
      PictureWindowEvents::instance().notifyOpened(picture);
    } else {
      recreate(*record, number, originOf(*record), position);
    }
  });
  restoring_ = false;
  if (recording()) {
    recorder_->recordReopened(number);
    recorded();
  }
  emit actionsChanged();
}

std::shared_ptr<clsObject> HistoryKeeper::recreate(const history::RecordedPicture& record,
                                                   std::optional<PictureNumber> number, PictureOrigin origin,
                                                   std::optional<QPoint> position) {
  clsGenSeq code;
  history::CopyInto(record.code, code);
  // The picture's name was the name box's when Open made it; a pasted or
  // copied picture has none.
  const bool named = origin.how != PictureOrigin::How::Pasted && origin.how != PictureOrigin::How::Copied;
  std::shared_ptr<clsObject> picture =
      OpenRecordedPicture(number, std::move(code), std::move(origin), named ? record.nameBoxText : QString(),
                          makePictureWindowAt(position));
  if (position) positions_[picture->ID] = *position;
  PictureWindowEvents::instance().notifyOpened(picture);
  return picture;
}

PictureOrigin HistoryKeeper::originOf(const history::RecordedPicture& record) {
  return history::OriginOf(record, [this](history::RunId run) { return inThisRun(run); });
}

RecordedPictureName HistoryKeeper::nameOf(const history::PictureRef& ref) const {
  return history::NameOf(ref, inThisRun(ref.run));
}

bool HistoryKeeper::inThisRun(history::RunId run) const {
  return std::find(chain_.begin(), chain_.end(), run) != chain_.end();
}

void HistoryKeeper::findEarlierRun() {
  earlierRuns_.clear();
  if (!recording()) return;
  for (const history::RunSummary& run : settled().runs()) {  // newest first
    runStarts_[run.id] = run.started;
    if (!inThisRun(run.id) && !run.current) earlierRuns_.push_back(run.id);
  }
}

std::optional<history::RunId> HistoryKeeper::lastEarlierRun() const {
  // A lock test each, no reading: another program's run ends at any time.
  for (const history::RunId run : earlierRuns_) {
    if (!liveElsewhere(run)) return run;
  }
  return std::nullopt;
}

QString HistoryKeeper::resumeLastNote() const {
  if (earlierRuns_.empty() || !liveElsewhere(earlierRuns_.front())) return {};
  const std::optional<history::RunId> last = lastEarlierRun();
  const auto started = last ? runStarts_.find(*last) : runStarts_.end();
  if (started == runStarts_.end()) {
    return tr("The last run is still being recorded by another Pelorin, so it cannot be resumed.");
  }
  return tr("The last run is still being recorded by another Pelorin: this resumes the run of %1.")
      .arg(RunStartText(started->second));
}

QDateTime HistoryKeeper::runStart(history::RunId run) {
  if (const auto found = runStarts_.find(run); found != runStarts_.end()) return found->second;
  if (!recording()) return {};
  for (const history::RunSummary& summary : settled().runs()) runStarts_[summary.id] = summary.started;
  const auto found = runStarts_.find(run);
  return found != runStarts_.end() ? found->second : QDateTime();
}

void HistoryKeeper::openRecorded(const history::RecordedPicture& picture) {
  if (picture.damage) {
    showUnreadable({picture});
    return;
  }
  if (inThisRun(picture.run)) {
    reopen(picture.number, &picture);
    return;
  }
  // A new picture of this run with exactly that genetic code, naming it.
  PictureOrigin origin;
  origin.how = PictureOrigin::How::Copied;
  origin.copiedFrom = nameOf(history::PictureRef{picture.id, picture.run, runStart(picture.run), picture.number});
  for (int gene = 0; gene < kGeneCount; ++gene) {
    for (int trait = 0; trait < kTraitCount; ++trait) origin.sources.setRead(gene, static_cast<Trait>(trait));
  }
  reportFailures(
      window_, tr("making picture %1 from %2").arg(modObject::ObjectCount).arg(RecordedPictureText(*origin.copiedFrom)),
      [&] {
        std::shared_ptr<clsObject> made = recreate(picture, std::nullopt, std::move(origin), std::nullopt);
        recordMade(*made, boxTexts_(), Lineage{{}, picture.id, std::nullopt});
      });
  emit actionsChanged();
}

bool HistoryKeeper::canResume(history::RunId run) {
  return recording() && !resumed_ && !inThisRun(run) && modObject::ObjectCount == 0 &&
         modObject::Registry().count() == 0 && !liveElsewhere(run) && !waitingForFile() && !runStart(run).isNull();
}

void HistoryKeeper::resumeLast() {
  if (const auto last = lastEarlierRun()) resume(*last);
}

void HistoryKeeper::resume(history::RunId run) {
  if (!canResume(run)) return;
  std::optional<history::ResumeData> data = settled().resumeData(run);
  if (!data || !settled().continueRun(run)) return;
  resumed_ = true;
  if (const auto current = settled().currentRun()) chain_ = history::ChainOf(settled().runs(), *current);
  restoring_ = true;
  if (data->rateBoxText && data->nameBoxText) emit boxesResumed(BoxTexts{*data->rateBoxText, *data->nameBoxText});
  if (data->highestNumber) {
    // After the last number the next Open fails as numbers used up do.
    constexpr PictureNumber kLast = std::numeric_limits<PictureNumber>::max();
    modObject::ObjectCount =
        *data->highestNumber < kLast ? static_cast<PictureNumber>(*data->highestNumber + 1) : kLast;
  }
  for (const history::RecordedPicture& record : data->openPictures) {
    reportFailures(window_, tr("bringing back picture %1").arg(record.number), [&] {
      recreate(record, record.number, originOf(record), record.position);
      if (record.ticked) {
        if (openWindowOf(record.number) != nullptr) modObject::Registry().setParentBox(record.number, 1);
      }
    });
  }
  std::vector<history::RecordedPicture> closed = settled().closedPictures();  // the most recent first
  for (auto record = closed.rbegin(); record != closed.rend(); ++record) {
    if (record->damage || registered(record->number)) continue;
    closed_.push_back(record->number);
    if (record->position) positions_[record->number] = *record->position;
    closedRecords_[record->number] = std::move(*record);
  }
  restoring_ = false;
  if (!data->damagedPictures.empty()) showUnreadable(data->damagedPictures);
  emit actionsChanged();
  emit changed();
}

void HistoryKeeper::showUnreadable(const std::vector<history::RecordedPicture>& damaged) {
  QStringList names;
  for (const history::RecordedPicture& picture : damaged) {
    const QString why = picture.damage.value_or(QString());
    names << (picture.number >= 0 ? tr("picture %1 (%2)").arg(picture.number).arg(why) : tr("a picture (%1)").arg(why));
  }
  const QString file = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path_));
  showProblem(names.size() == 1 ? tr("The history %1 holds a record that cannot be read: %2. It was left out; the "
                                     "history goes on recording.")
                                      .arg(file, names.front())
                                : tr("The history %1 holds records that cannot be read: %2. They were left out; the "
                                     "history goes on recording.")
                                      .arg(file, names.join(QStringLiteral("; "))));
}

void HistoryKeeper::forgetRun(history::RunId run) {
  // The store refuses a live run too, under the write lock, should another
  // program resume it meanwhile.
  if (!recording() || liveElsewhere(run)) return;
  recorder_->forgetRun(run);
  runStarts_.erase(run);
  earlierRuns_.erase(std::remove(earlierRuns_.begin(), earlierRuns_.end(), run), earlierRuns_.end());
  emit actionsChanged();
  emit changed();
}

bool HistoryKeeper::keepHistory() const { return QSettings().value(QLatin1String(kKeepHistoryKey), true).toBool(); }

void HistoryKeeper::setKeepHistory(bool keep) {
  QSettings().setValue(QLatin1String(kKeepHistoryKey), keep);
  if (!keep && recorder_) {
    if (const auto run = settled().currentRun()) stoppedRun_ = *run;
    recorder_->endRun();
    recorder_.reset();
  } else if (keep && !recorder_ && opened_ && !ended_) {
    // Recording again: a new run that continues the one this program
    // stopped, so that its pictures' events go on where they were.
    startRecording();
    if (const auto run = settled().currentRun()) {
      if (stoppedRun_ && settled().continueRun(*stoppedRun_)) {
        chain_.insert(chain_.begin(), *run);
      } else {
        chain_ = {*run};
        saves_.clear();  // their numbers name no picture of this run
      }
    }
    findEarlierRun();
  }
  emit actionsChanged();
  emit changed();
}

}  // namespace pelorin
