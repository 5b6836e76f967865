// The history's costs: recording a picture and an event, the file's size per
// picture, what the History window and Resume ask of a large history, and the
// History window itself over it (offscreen). --history-pictures=N and
// --history-runs=M set the large history's size (100000 in 500 runs unless
// given).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "family_tree/family_graph.h"
#include "family_tree/tree_drawing.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/controls.h"
#include "ui/common/front_window.h"
#include "ui/common/history_actions.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/frm_history.h"
#include "ui/history/history_cells_model.h"
#include "ui/history/history_runs_model.h"

namespace pelorin::history {
namespace {

int gLargePictures = 100000;
int gLargeRuns = 500;

// Pictures as breeding makes them: the first few at random, the rest bred
// from two earlier pictures, each trait copied from one of them, 5 % mutated.
class Breeder {
 public:
  NewPicture next(std::int16_t number) {
    NewPicture picture;
    picture.number = number;
    picture.rateBoxText = QStringLiteral(" 0.05");
    picture.origin.rate = 0.05;
    picture.origin.rateText = QStringLiteral("0.05");
    if (made_.size() < 4) {
      for (clsGene& gene : picture.code) randomGene(gene);
      picture.origin.how = PictureOrigin::How::Random;
      picture.origin.sources.setAllMutated();
    } else {
      picture.origin.how = PictureOrigin::How::Bred;
      const std::size_t a = random_() % made_.size(), b = random_() % made_.size();
      picture.origin.parents = {made_[a].first, made_[b].first};
      for (int g = 0; g < clsGenSeq::kGeneCount; ++g) {
        clsGene mutant;
        randomGene(mutant);
        clsGene& gene = picture.code[static_cast<std::size_t>(g)];
        for (int t = 0; t < kTraitCount; ++t) {
          const auto trait = static_cast<Trait>(t);
          const bool mutate = unit_(random_) < 0.05f;
          const int parent = static_cast<int>(random_() % 2);
          const clsGene& from = mutate ? mutant : made_[parent == 0 ? a : b].second[static_cast<std::size_t>(g)];
          copyTrait(gene, from, trait);
          if (mutate) {
            picture.origin.sources.setMutated(g, trait);
          } else {
            picture.origin.sources.setParent(g, trait, parent);
          }
        }
      }
    }
    made_.emplace_back(number, picture.code);
    if (made_.size() > 64) made_.erase(made_.begin());
    return picture;
  }

 private:
  void randomGene(clsGene& gene) {
    gene.Length = static_cast<std::int16_t>(unit_(random_) * 1000);
    gene.Width = static_cast<std::int16_t>(unit_(random_) * 16 + 1);
    const float u = unit_(random_);
    gene.Angle = static_cast<double>(u + u) * static_cast<double>(3.14159f);
    gene.ColorRed = static_cast<std::int16_t>(unit_(random_) * 256);
    gene.ColorGreen = static_cast<std::int16_t>(unit_(random_) * 256);
    gene.ColorBlue = static_cast<std::int16_t>(unit_(random_) * 256);
    gene.Draw = unit_(random_) >= 0.5f ? kTrue16 : kFalse16;
  }
  static void copyTrait(clsGene& to, const clsGene& from, Trait trait) {
    switch (trait) {
      case Trait::Angle: to.Angle = from.Angle; break;
      case Trait::ColorBlue: to.ColorBlue = from.ColorBlue; break;
      case Trait::ColorGreen: to.ColorGreen = from.ColorGreen; break;
      case Trait::ColorRed: to.ColorRed = from.ColorRed; break;
      case Trait::Draw: to.Draw = from.Draw; break;
      case Trait::Length: to.Length = from.Length; break;
      case Trait::Width: to.Width = from.Width; break;
    }
  }

  std::mt19937 random_{20261208};
  std::uniform_real_distribution<float> unit_{0.0f, 1.0f};
  std::vector<std::pair<std::int16_t, GeneticCodeValues>> made_;
};

// A picture's life after it is made, as a session might give it: moved once,
// one in four ticked, one in three closed, one in ten saved.
void livePicture(HistoryStore& store, std::int16_t number) {
  store.recordMoved(number, QPoint(40 + number % 800, 60 + number % 500));
  if (number % 4 == 0) store.recordParentBox(number, true);
  if (number % 3 == 0) store.recordClosed(number);
  if (number % 10 == 0) {
    store.recordSaved(number, QStringLiteral("/home/user/pictures/pic%1.txt").arg(number),
                      QByteArray::number(number) + "x");
  }
}

// Times each call of one operation, for the median and the worst: the mean
// alone hides a checkpoint's pause.
class Latencies {
 public:
  template <typename F>
  void time(F&& operation) {
    const auto start = std::chrono::steady_clock::now();
    operation();
    micros_.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  void report(benchmark::State& state) {
    if (micros_.empty()) return;
    std::sort(micros_.begin(), micros_.end());
    const auto at = [&](double q) {
      return micros_[static_cast<std::size_t>(q * static_cast<double>(micros_.size() - 1))];
    };
    state.counters["p50_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros_.back();
  }

 private:
  std::vector<double> micros_;
};

qint64 sizeWithWal(const QString& path) {
  return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

// Recording one bred picture in a history already holding 1,000.
void BM_RecordPicture(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("history.sqlite"));
  auto store = std::make_unique<HistoryStore>(path);
  Breeder breeder;
  std::int16_t number = 0;
  for (int i = 0; i < 1000; ++i) store->recordPicture(breeder.next(number++));
  std::vector<NewPicture> pictures;
  for (int i = 0; i < 2000; ++i) pictures.push_back(breeder.next(number++));
  std::size_t i = 0;
  Latencies latencies;
  for (auto _ : state) {
    if (i == pictures.size()) {  // numbers used up: go on in a new run
      state.PauseTiming();
      store = std::make_unique<HistoryStore>(path);
      i = 0;
      state.ResumeTiming();
    }
    latencies.time([&] { benchmark::DoNotOptimize(store->recordPicture(pictures[i++])); });
  }
  if (!store->recording()) state.SkipWithError("not recording");
  latencies.report(state);
}
BENCHMARK(BM_RecordPicture)->Unit(benchmark::kMicrosecond);

// The blobs of one bred picture: its genetic code and its trait sources.
void BM_EncodePicture(benchmark::State& state) {
  Breeder breeder;
  for (std::int16_t n = 0; n < 10; ++n) breeder.next(n);
  const NewPicture picture = breeder.next(10);
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeCode(picture.code));
    benchmark::DoNotOptimize(EncodeSources(picture.origin.sources));
  }
  state.counters["code_bytes"] = static_cast<double>(EncodeCode(picture.code).size());
  state.counters["sources_bytes"] = static_cast<double>(EncodeSources(picture.origin.sources).size());
}
BENCHMARK(BM_EncodePicture)->Unit(benchmark::kMicrosecond);

// One event on an open picture: 0 tick/clear, 1 move, 2 close/reopen.
void BM_RecordEvent(benchmark::State& state) {
  QTemporaryDir dir;
  HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
  Breeder breeder;
  for (std::int16_t n = 0; n < 100; ++n) store.recordPicture(breeder.next(n));
  int i = 0;
  Latencies latencies;
  for (auto _ : state) {
    const auto number = static_cast<std::int16_t>(i % 100);
    latencies.time([&] {
      switch (state.range(0)) {
        case 0: store.recordParentBox(number, i % 2 == 0); break;
        case 1: store.recordMoved(number, QPoint(i % 1000, i % 700)); break;
        default:
          if (i % 2 == 0) {
            store.recordClosed(number);
          } else {
            store.recordReopened(number);
          }
      }
    });
    ++i;
  }
  if (!store.recording()) state.SkipWithError("not recording");
  latencies.report(state);
}
BENCHMARK(BM_RecordEvent)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What the interface pays to record through the recorder: 0 a bred picture,
// 1 a tick. The queue is written (untimed) after each call, as between two
// clicks.
void BM_RecordQueued(benchmark::State& state) {
  QTemporaryDir dir;
  HistoryRecorder recorder(std::make_unique<HistoryStore>(dir.filePath(QStringLiteral("history.sqlite"))));
  Breeder breeder;
  std::int16_t number = 0;
  for (; number < 1000; ++number) recorder.recordPicture(breeder.next(number));
  std::vector<NewPicture> pictures;
  for (int i = 0; i < 2000; ++i) pictures.push_back(breeder.next(static_cast<std::int16_t>(number + i)));
  recorder.settled();
  std::size_t i = 0;
  Latencies latencies;
  for (auto _ : state) {
    if (state.range(0) == 0) {
      if (i == pictures.size()) {
        state.SkipWithError("numbers used up");
        break;
      }
      latencies.time([&] { recorder.recordPicture(pictures[i++]); });
    } else {
      latencies.time([&] { recorder.recordParentBox(static_cast<std::int16_t>(i % 1000), i % 2 == 0); });
      ++i;
    }
    state.PauseTiming();
    recorder.settled();
    state.ResumeTiming();
  }
  if (!recorder.recording()) state.SkipWithError("not recording");
  latencies.report(state);
}
BENCHMARK(BM_RecordQueued)->Arg(0)->Arg(1)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Bytes on disk per picture over 10,000 pictures with their events, the WAL
// checkpointed (the store closed).
void BM_BytesPerPicture(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
      HistoryStore store(path);
      Breeder breeder;
      for (int n = 0; n < count; ++n) {
        const auto number = static_cast<std::int16_t>(n % 30000);
        store.recordPicture(breeder.next(number));
        livePicture(store, number);
      }
      if (!store.recording()) state.SkipWithError("not recording");
      store.endRun();
    }
    state.counters["bytes_per_picture"] = static_cast<double>(sizeWithWal(path)) / count;
  }
}
BENCHMARK(BM_BytesPerPicture)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// A history of gLargePictures pictures in gLargeRuns runs, made once.
class LargeHistory {
 public:
  static LargeHistory& get() {
    static LargeHistory history;
    return history;
  }
  QString path() const { return dir_.filePath(QStringLiteral("history.sqlite")); }
  RunId middleRun() const { return runs_[runs_.size() / 2]; }

 private:
  LargeHistory() {
    const auto start = std::chrono::steady_clock::now();
    Breeder breeder;
    const int perRun = gLargePictures / gLargeRuns;
    for (int r = 0; r < gLargeRuns; ++r) {
      HistoryStore store(path());
      for (int n = 0; n < perRun; ++n) {
        store.recordPicture(breeder.next(static_cast<std::int16_t>(n)));
        livePicture(store, static_cast<std::int16_t>(n));
      }
      runs_.push_back(*store.currentRun());
      store.endRun();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "large history: %d pictures in %d runs, %.1f MiB, made in %.1f s\n", gLargePictures,
                 gLargeRuns, static_cast<double>(sizeWithWal(path())) / 1048576.0, seconds);
  }
  QTemporaryDir dir_;
  std::vector<RunId> runs_;
};

// Opening the large history (folder, checks, quick_check, a new run).
void BM_OpenLargeHistory(benchmark::State& state) {
  const QString path = LargeHistory::get().path();
  for (auto _ : state) {
    HistoryStore store(path);
    if (!store.recording()) state.SkipWithError("not recording");
  }
  // Each iteration left a run without pictures: forget them.
  HistoryStore cleanup(path);
  for (const RunSummary& run : cleanup.runs()) {
    if (run.pictures == 0 && !run.current) cleanup.forgetRun(run.id);
  }
}
BENCHMARK(BM_OpenLargeHistory)->Unit(benchmark::kMillisecond);

// What the History window reads to open: every run with its counts, then the
// chosen run's pictures.
void BM_HistoryWindowQueries(benchmark::State& state) {
  LargeHistory& history = LargeHistory::get();
  HistoryStore store(history.path());
  for (auto _ : state) {
    benchmark::DoNotOptimize(store.runs());
    benchmark::DoNotOptimize(store.picturesOf(history.middleRun()));
  }
}
BENCHMARK(BM_HistoryWindowQueries)->Unit(benchmark::kMillisecond);

void BM_ListRuns(benchmark::State& state) {
  HistoryStore store(LargeHistory::get().path());
  for (auto _ : state) benchmark::DoNotOptimize(store.runs());
}
BENCHMARK(BM_ListRuns)->Unit(benchmark::kMillisecond);

void BM_PicturesOfRun(benchmark::State& state) {
  LargeHistory& history = LargeHistory::get();
  HistoryStore store(history.path());
  for (auto _ : state) benchmark::DoNotOptimize(store.picturesOf(history.middleRun()));
}
BENCHMARK(BM_PicturesOfRun)->Unit(benchmark::kMillisecond);

// Resume's reading of a run with 300 open pictures, in the large history.
void BM_ResumeData(benchmark::State& state) {
  LargeHistory& history = LargeHistory::get();
  RunId run = 0;
  {
    HistoryStore store(history.path());
    Breeder breeder;
    for (std::int16_t n = 0; n < 300; ++n) store.recordPicture(breeder.next(n));
    run = *store.currentRun();
  }
  HistoryStore store(history.path());
  for (auto _ : state) {
    const auto data = store.resumeData(run);
    if (!data || data->openPictures.size() != 300) state.SkipWithError("wrong resume data");
  }
  store.forgetRun(run);
}
BENCHMARK(BM_ResumeData)->Unit(benchmark::kMillisecond);

// The program's side of the History window: the history, nothing else.
class StoreActions final : public HistoryActions {
 public:
  explicit StoreActions(HistoryStore& store) : store_(store) {}
  HistoryStore* store() override { return &store_; }
  void openRecorded(const RecordedPicture&) override {}
  bool canResume(RunId) override { return false; }
  void resume(RunId) override {}
  void forgetRun(RunId run) override { store_.forgetRun(run); }
  bool keepHistory() const override { return true; }
  void setKeepHistory(bool) override {}

 private:
  HistoryStore& store_;
};

// Forgets the runs a benchmark left in the large history: those without
// pictures, and extra.
void forgetLeftRuns(std::optional<RunId> extra = std::nullopt) {
  HistoryStore cleanup(LargeHistory::get().path());
  for (const RunSummary& run : cleanup.runs()) {
    if (!run.current && (run.pictures == 0 || run.id == extra)) cleanup.forgetRun(run.id);
  }
}

int cellsInView(frmHistory& window) {
  CellGridView& view = window.cellsView();
  int shown = 0;
  for (int row = 0; row < window.cellsModel().rowCount(); ++row) {
    shown += view.visualRect(window.cellsModel().index(row)).intersects(view.viewport()->rect());
  }
  return shown;
}

// The History window opened over the large history: made, shown, and its
// first screen of cells painted (each drawn from its genetic code), then
// closed. This run has made no picture, so the newest earlier run is shown.
// range(0): 0 the window's own size, 1 a large window (1600 x 1000).
void BM_HistoryWindowOpen(benchmark::State& state) {
  HistoryStore store(LargeHistory::get().path());
  StoreActions actions(store);
  int drawn = 0, runs = 0, inView = 0;
  for (auto _ : state) {
    auto* window = new frmHistory(actions);
    if (state.range(0) == 1) window->resize(1600, 1000);
    bringToFront(window);
    QCoreApplication::processEvents();

    state.PauseTiming();
    drawn = window->cellsModel().imagesDrawn();
    runs = window->runsModel().rowCount();
    inView = cellsInView(*window);
    if (drawn < inView || inView == 0) state.SkipWithError("the first screen of cells was not painted");
    delete window;
    state.ResumeTiming();
  }
  state.counters["runs"] = runs;
  state.counters["cells_in_view"] = inView;
  state.counters["cells_drawn"] = drawn;
  forgetLeftRuns();
}
BENCHMARK(BM_HistoryWindowOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One frame of scrolling the cells of a run of the large history in a window
// of 1000 x 800: the view moves and every visible cell is painted again.
// range(0) the step: 0 half a cell, 1 a page, so that every cell is new.
// range(1): 0 with the images the cache keeps, 1 with none kept (dropped
// before each frame, untimed), so every cell in view is drawn afresh from its
// genetic code: the worst frame.
void BM_HistoryWindowScroll(benchmark::State& state) {
  HistoryStore store(LargeHistory::get().path());
  StoreActions actions(store);
  frmHistory& window = showHistoryWindow(actions);
  window.resize(1000, 800);
  QCoreApplication::processEvents();
  CellGridView& view = window.cellsView();
  QScrollBar* bar = view.verticalScrollBar();
  const int step = state.range(0) == 0 ? view.cellSize().height() / 2 : view.viewport()->height();
  const bool cold = state.range(1) == 1;
  int value = 0;
  const int drawnBefore = window.cellsModel().imagesDrawn();
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      window.cellsModel().dropImages();
      state.ResumeTiming();
    }
    value = value + step > bar->maximum() ? 0 : value + step;
    bar->setValue(value);
    view.viewport()->repaint();
  }
  state.counters["cells"] = window.cellsModel().rowCount();
  state.counters["cells_in_view"] = cellsInView(window);
  state.counters["drawn_per_frame"] =
      static_cast<double>(window.cellsModel().imagesDrawn() - drawnBefore) / static_cast<double>(state.iterations());
  state.counters["images_kept"] = window.cellsModel().imagesKept();
  delete &window;
  forgetLeftRuns();
}
BENCHMARK(BM_HistoryWindowScroll)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// What the History window does when the program says the history changed,
// shown over the large history: it reads the runs again, and the chosen run's
// pictures when they may have changed. range(0): 0 an ended earlier run
// chosen; N this run chosen, with N pictures made.
void BM_HistoryWindowRefresh(benchmark::State& state) {
  HistoryStore store(LargeHistory::get().path());
  const auto made = static_cast<int>(state.range(0));
  Breeder breeder;
  for (int n = 0; n < made; ++n) store.recordPicture(breeder.next(static_cast<std::int16_t>(n)));
  StoreActions actions(store);
  frmHistory& window = showHistoryWindow(actions);
  QCoreApplication::processEvents();
  if ((window.chosenRun() == store.currentRun()) != (made > 0)) state.SkipWithError("not the run meant");
  for (auto _ : state) window.refresh();
  state.counters["cells"] = window.cellsModel().rowCount();
  delete &window;
  const std::optional<RunId> run = store.currentRun();
  store.endRun();
  forgetLeftRuns(run);
}
BENCHMARK(BM_HistoryWindowRefresh)->Arg(0)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// A history of one run of 1,000 pictures as Breeder makes them (each from two
// of the 64 before it): picture 0's family is nearly all of them.
class FamilyHistory {
 public:
  static FamilyHistory& get() {
    static FamilyHistory history;
    return history;
  }
  const QString& path() const { return path_; }
  PictureId first() const { return first_; }

 private:
  FamilyHistory() {
    HistoryStore store(path_);
    Breeder breeder;
    for (std::int16_t number = 0; number < kPictures; ++number) {
      const std::optional<PictureId> id = store.recordPicture(breeder.next(number));
      if (number == 0 && id) first_ = *id;
    }
    store.endRun();
  }
  static constexpr int kPictures = 1000;
  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("family.sqlite"));
  PictureId first_ = 0;
};

// Reading the family of picture 0 from the history: the ids by one recursive
// query, the records and their parents by two more.
void BM_FamilyOf(benchmark::State& state) {
  HistoryStore store(FamilyHistory::get().path());
  std::size_t pictures = 0;
  for (auto _ : state) {
    const std::vector<RecordedPicture> family = store.familyOf(FamilyHistory::get().first());
    pictures = family.size();
    benchmark::DoNotOptimize(family);
  }
  state.counters["pictures"] = static_cast<double>(pictures);
}
BENCHMARK(BM_FamilyOf)->Unit(benchmark::kMillisecond);

// What the family tree window does away from the interface: the family's
// graph built and laid out.
void BM_FamilyTreeLayOut(benchmark::State& state) {
  HistoryStore store(FamilyHistory::get().path());
  const std::vector<RecordedPicture> records = store.familyOf(FamilyHistory::get().first());
  std::size_t lines = 0;
  for (auto _ : state) {
    const family_tree::Family family = family_tree::BuildFamily(records, FamilyHistory::get().first(), QSizeF(110, 90));
    const family_tree::TreeLayout layout = family_tree::LayOutFamily(family.graph);
    lines = layout.lines.size();
    benchmark::DoNotOptimize(layout);
  }
  state.counters["pictures"] = static_cast<double>(records.size());
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_FamilyTreeLayOut)->Unit(benchmark::kMillisecond);

// One frame of the family tree window (1000 x 800) over picture 0's family:
// range(0) 0 scrolled by a third of the view at full size, 1 zoomed in or out
// by one Ctrl+wheel step about the middle (alternately, between 0.8 and 1),
// 2 the whole tree in view (Home), every picture painted. The images in
// view at the start are drawn before the timing.
void BM_FamilyTreeFrame(benchmark::State& state) {
  HistoryStore store(FamilyHistory::get().path());
  StoreActions actions(store);
  frmFamilyTree& window = showFamilyTreeWindow(actions, FamilyHistory::get().first());
  window.resize(1000, 800);
  while (window.layingOut()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents();
  FamilyTreeView& view = window.view();
  const auto mode = state.range(0);
  if (mode == 2) view.fitAll();
  QScrollBar* bar = view.horizontalScrollBar();
  const int step = view.viewport()->width() / 3;
  int value = 0;
  bool in = false;
  view.viewport()->repaint();  // the images in view drawn and kept
  const int drawnBefore = view.imagesDrawn();
  for (auto _ : state) {
    if (mode == 0) {
      value = value + step > bar->maximum() ? 0 : value + step;
      bar->setValue(value);
    } else if (mode == 1) {
      view.setZoom(in ? 1.0 : 0.8);
      in = !in;
    }
    view.viewport()->repaint();
  }
  int inView = 0;
  for (std::size_t i = 0; i < view.scene()->layout.cells.size(); ++i) {
    inView += view.cellRectInView(i).intersects(view.viewport()->rect());
  }
  state.counters["pictures"] = static_cast<double>(view.scene()->layout.cells.size());
  state.counters["cells_in_view"] = inView;
  state.counters["drawn_per_frame"] =
      static_cast<double>(view.imagesDrawn() - drawnBefore) / static_cast<double>(state.iterations());
  delete &window;
}
BENCHMARK(BM_FamilyTreeFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Takes --history-pictures=N and --history-runs=M out of the arguments.
void takeSizeArguments(int& argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--history-pictures=", 19) == 0) {
      gLargePictures = std::atoi(argv[i] + 19);
    } else if (std::strncmp(argv[i], "--history-runs=", 15) == 0) {
      gLargeRuns = std::atoi(argv[i] + 15);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
}

}  // namespace
}  // namespace pelorin::history

int main(int argc, char** argv) {
  pelorin::history::takeSizeArguments(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
