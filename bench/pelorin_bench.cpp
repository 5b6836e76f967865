// Pelorin's benchmarks: the model's steps on their own and together, the
// genetic code file, and a whole Open through the real windows (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app_state/mod_genes.h"
#include "genetics/embedded_code.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "history/code_blob.h"
#include "history/history_store.h"
#include "picture/line_geometry.h"
#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "picture/rendering.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "support/fake_picture_window.h"
#include "support/fixed_random.h"
#include "support/printed_dialogs.h"
#include "ui/board/board_model.h"
#include "ui/board/frm_board.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/user_messages.h"
#include "ui/main/frm_main.h"
#include "ui/main/history_keeper.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/genetic_code_window.h"

namespace pelorin {
namespace {

// The rate the breeding benchmarks use: most traits come from a parent.
const QString kRate = QStringLiteral(" 0.05");

// A random genetic code whose segments stay inside the coordinate range.
clsGenSeq& sampleCode() {
  static clsGenSeq code = [] {
    testing::FixedRandom random{12345};
    Seam<RandomSource>::Scope fixed(random);
    for (;;) {
      clsGenSeq candidate;
      for (std::int16_t i = 0; i < clsGenSeq::kGeneCount; ++i) candidate.GetGene(i)->Random();
      SegmentTable lines;
      try {
        ComputeSegments(candidate, lines);
        return candidate;
      } catch (const Failure&) {
      }
    }
  }();
  return code;
}

// The clock read behind every reseed: one per gene in breeding and reading,
// and one per trait generator call.
void BM_Randomize(benchmark::State& state) {
  for (auto _ : state) Randomize();
}
BENCHMARK(BM_Randomize);

void BM_Rnd(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Rnd());
}
BENCHMARK(BM_Rnd);

// Opens `count` pictures with their Parent boxes ticked.
void openParents(testing::FakeWindows& windows, int count) {
  for (int i = 0; i < count; ++i) {
    windows.setParentBox(windows.open()->ID, 1);
  }
}

// Make with 0, 1, 2 and 16 ticked parents in the registry, recording every
// trait's source as a picture does.
void BM_Breed(benchmark::State& state) {
  testing::FakeWindows windows;
  windows.rate = kRate;
  openParents(windows, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    clsGenSeq code;
    TraitSources sources;
    BreedFromRequest(code, windows.request(), &sources);
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(sources);
  }
}
BENCHMARK(BM_Breed)->Arg(0)->Arg(1)->Arg(2)->Arg(16);

void BM_ComputeSegments(benchmark::State& state) {
  clsGenSeq& code = sampleCode();
  SegmentTable lines;
  for (auto _ : state) {
    ComputeSegments(code, lines);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ComputeSegments);

void BM_DrawSegments(benchmark::State& state) {
  clsGenSeq& code = sampleCode();
  SegmentTable lines;
  ComputeSegments(code, lines);
  PictureSurface surface;
  for (auto _ : state) {
    DrawSegments(surface, code, lines);
    benchmark::DoNotOptimize(surface.image().constBits());
  }
}
BENCHMARK(BM_DrawSegments);

// One picture from nothing to its image, as Open does it minus the window:
// breeding from two parents, the segments and the drawing pass.
void BM_BreedSegmentsDraw(benchmark::State& state) {
  testing::FakeWindows windows;
  windows.rate = kRate;
  openParents(windows, 2);
  PictureSurface surface;
  SegmentTable lines;
  std::int64_t failures = 0;
  for (auto _ : state) {
    clsGenSeq code;
    TraitSources sources;
    try {
      BreedFromRequest(code, windows.request(), &sources);
      ComputeSegments(code, lines);
      DrawSegments(surface, code, lines);
    } catch (const Failure&) {
      ++failures;  // a chain that leaves the coordinate range; Open reports it
    }
    benchmark::DoNotOptimize(surface.image().constBits());
  }
  state.counters["failures"] = static_cast<double>(failures);
}
BENCHMARK(BM_BreedSegmentsDraw);

void BM_GeneticCodeText(benchmark::State& state) {
  clsGenSeq& code = sampleCode();
  for (auto _ : state) benchmark::DoNotOptimize(GeneticCodeText(code));
}
BENCHMARK(BM_GeneticCodeText);

void BM_SaveGeneticCode(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture"));
  for (auto _ : state) SaveGeneticCode(sampleCode(), path);
}
BENCHMARK(BM_SaveGeneticCode);

// The PNG of a picture at 1x and 4x encoded without and with its text and
// genetic code, in turns, so that both meet the same state of the machine:
// the counters are each one's median in microseconds.
void BM_PngWithAndWithoutCode(benchmark::State& state) {
  clsGenSeq& code = sampleCode();
  SegmentTable lines;
  ComputeSegments(code, lines);
  const QImage image = RenderPicture(code, lines, static_cast<qreal>(state.range(0)), Qt::white);
  const ImageText text{QStringLiteral("Picture 7"), QStringLiteral("Picture 7: random"), GeneticCodeText(code)};
  std::vector<qint64> without, with;
  QElapsedTimer timer;
  for (auto _ : state) {
    timer.start();
    benchmark::DoNotOptimize(PngBytes(image, QString(), {}));
    without.push_back(timer.nsecsElapsed());
    timer.start();
    benchmark::DoNotOptimize(PngBytes(image, QString(), text));
    with.push_back(timer.nsecsElapsed());
  }
  const auto median = [](std::vector<qint64>& times) {
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
    return static_cast<double>(times[times.size() / 2]) / 1000.0;
  };
  state.counters["without_us"] = median(without);
  state.counters["with_us"] = median(with);
}
BENCHMARK(BM_PngWithAndWithoutCode)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_ReadGeneticCode(benchmark::State& state) {
  const QByteArray text = GeneticCodeText(sampleCode());
  const std::string bytes(text.constData(), static_cast<std::size_t>(text.size()));
  for (auto _ : state) {
    std::istringstream in(bytes);
    clsGenSeq code;
    TraitSources sources;
    ReadGeneticCode(in, code, 0.0, &sources);
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(sources);
  }
}
BENCHMARK(BM_ReadGeneticCode);

// A file written with '.' read under ',' decimals: every angle line is
// parsed twice, once in the user's format and once in the other form.
void BM_ReadGeneticCodeOtherSeparator(benchmark::State& state) {
  const QByteArray text = GeneticCodeText(sampleCode());
  const std::string bytes(text.constData(), static_cast<std::size_t>(text.size()));
  ScopedNumberFormat german({u',', u'.'});
  for (auto _ : state) {
    std::istringstream in(bytes);
    clsGenSeq code;
    ReadGeneticCode(in, code, 0.0);
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_ReadGeneticCodeOtherSeparator);

// Load as MakeGenes calls it: existence check, the rate box's text, open, read.
void BM_LoadGeneticCode(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture"));
  SaveGeneticCode(sampleCode(), path);
  for (auto _ : state) {
    clsGenSeq code;
    if (FileExists(path)) {
      modGenes::RefreshMutationRate(QStringLiteral(" 0"));
      code.LoadExisting(path, modGenes::MutationRate);
    }
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_LoadGeneticCode);

// The code a picture file carries. 0: telling a genetic code text file from
// a picture (what every Load of a text file now pays first); 1: the code's
// bytes from a PNG exported at 4x (chunk headers, the text chunk inflated; no
// pixel decoded); 2: Load of that PNG, read as a file is; 3 and 4: the same
// for an SVG.
void BM_LoadFromPicture(benchmark::State& state) {
  QTemporaryDir dir;
  const QString text = dir.filePath(QStringLiteral("picture.txt")), png = dir.filePath(QStringLiteral("picture.png")),
                svg = dir.filePath(QStringLiteral("picture.svg"));
  const ImageText carried{QStringLiteral("Picture 7"), QStringLiteral("Picture 7: random"),
                          SaveGeneticCode(sampleCode(), text)};
  SegmentTable lines;
  ComputeSegments(sampleCode(), lines);
  ExportPicture(sampleCode(), lines, Qt::white, png, ImageFormat::Png, 4, ImageFraming::Window, carried);
  ExportPicture(sampleCode(), lines, Qt::white, svg, ImageFormat::Svg, 1, ImageFraming::Window, carried);
  const QString& path = state.range(0) == 0 ? text : state.range(0) >= 3 ? svg : png;
  for (auto _ : state) {
    if (state.range(0) != 2 && state.range(0) != 4) {
      benchmark::DoNotOptimize(EmbeddedGeneticCode(path));
    } else {
      clsGenSeq read;
      read.LoadExisting(path, 0.0);
      benchmark::DoNotOptimize(read);
    }
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_LoadFromPicture)->DenseRange(0, 4);

// Closes every picture window, so each Open starts among the same windows.
void closePictureWindows() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<frmObject*>(widget) != nullptr) widget->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// `registered` pictures whose windows are closed: in the registry, never
// parents, as after a long session.
KeyedCollection<clsObject> closedPictures(int registered) {
  KeyedCollection<clsObject> pictures;
  for (int i = 0; i < registered; ++i) {
    auto picture = std::make_shared<clsObject>();
    picture->ID = static_cast<std::int16_t>(i);
    pictures.add(modObject::RegistryKey(i), std::move(picture));
  }
  return pictures;
}

// A click on Open in the real main window, with the new picture window shown
// and painted, while the registry already holds range(0) pictures;
// range(1) 1: the history records each picture (in a new history file),
// 0: no history.
void BM_Open(benchmark::State& state) {
  const int registered = static_cast<int>(state.range(0));
  const KeyedCollection<clsObject> base = closedPictures(registered);
  QTemporaryDir folder;
  frmMain main;
  if (state.range(1) != 0) {
    main.history().openHistory(folder.filePath(QStringLiteral("history.sqlite")));
    if (main.history().store() == nullptr) state.SkipWithError("no history");
  } else {
    main.history().endRun();
  }
  main.show();
  QCoreApplication::processEvents();
  auto* open = main.findChild<QPushButton*>(QStringLiteral("btnOpen"));
  for (auto _ : state) {
    state.PauseTiming();
    // Rebuilt rather than assigned: a copy would share its index with base,
    // and the first add would then copy the whole index inside the timing.
    modObject::Registry().clear();
    for (const auto& [key, picture] : base) modObject::Registry().add(key, picture);
    modObject::ObjectCount = static_cast<std::int16_t>(registered);
    state.ResumeTiming();

    QTest::mouseClick(open, Qt::LeftButton);
    QCoreApplication::processEvents();

    state.PauseTiming();
    if (modObject::Registry().count() != base.count() + 1) state.SkipWithError("Open made no picture");
    closePictureWindows();
    state.ResumeTiming();
  }
  modObject::Registry().clear();
  modObject::ParentList().clear();
}
BENCHMARK(BM_Open)
    ->ArgsProduct({{1, 1000, 10000}, {0, 1}})
    ->ArgNames({"registered", "history"})
    ->Unit(benchmark::kMicrosecond);

// Resume Last Run over a run of range(0) open pictures: each read from the
// history, made, drawn and shown in its window at its place.
void BM_Resume(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("history.sqlite"));
  history::RunId earlier = 0;
  {
    history::HistoryStore store(path);
    for (int i = 0; i < count; ++i) {
      history::NewPicture picture;
      picture.number = static_cast<std::int16_t>(i);
      picture.code = history::ValuesOf(sampleCode());
      picture.origin.how = PictureOrigin::How::Random;
      picture.origin.rate = 1.0;
      picture.origin.rateText = QStringLiteral("1");
      picture.origin.sources.setAllMutated();
      picture.rateBoxText = QStringLiteral("1");
      picture.position = QPoint(10 + (i % 20) * 40, 10 + (i / 20) * 40);
      store.recordPicture(picture);
    }
    earlier = store.currentRun().value_or(0);
    store.endRun();
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto main = std::make_unique<frmMain>();
    main->history().openHistory(path);
    main->show();
    QCoreApplication::processEvents();
    state.ResumeTiming();

    main->history().resume(earlier);
    QCoreApplication::processEvents();

    state.PauseTiming();
    if (modObject::Registry().count() != static_cast<std::size_t>(count)) state.SkipWithError("Resume made too few");
    main.reset();
    closePictureWindows();
    modObject::Registry().clear();
    modObject::ParentList().clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Resume)->Arg(300)->Iterations(3)->Unit(benchmark::kMillisecond);

// `count` pictures opened with the main window's Open, their windows kept
// open, drawn from a fixed random sequence.
class OpenPictures {
 public:
  explicit OpenPictures(int count) {
    main.show();
    auto* open = main.findChild<QPushButton*>(QStringLiteral("btnOpen"));
    testing::FixedRandom random{2024};
    Seam<RandomSource>::Scope fixed(random);
    // A path that leaves the coordinate range fails its Open: not counted.
    while (modObject::Registry().count() < static_cast<std::size_t>(count)) QTest::mouseClick(open, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  ~OpenPictures() {
    closePictureWindows();
    modObject::Registry().clear();
    modObject::ParentList().clear();
  }
  frmMain main;
};

// One frame of scrolling the board over 1,000 open pictures: the view moves
// and every visible cell is painted again. range(0) is the zoom, range(1) 1
// for whole paths, range(2) the step: 0 half a cell, 1 a page, so that every
// cell is new. At zoom 2 and 3 and with whole paths, cells scrolled into
// view are drawn afresh.
void BM_BoardScroll(benchmark::State& state) {
  OpenPictures pictures(1000);
  frmBoard& board = pictures.main.board();
  board.setZoom(static_cast<int>(state.range(0)));
  board.setWholePaths(state.range(1) != 0);
  board.resize(1000, 800);
  board.show();
  QCoreApplication::processEvents();
  CellGridView& view = board.view();
  QScrollBar* bar = view.verticalScrollBar();
  const int step = state.range(2) == 0 ? view.cellSize().height() / 2 : view.viewport()->height();
  int value = 0;
  for (auto _ : state) {
    value = value + step > bar->maximum() ? 0 : value + step;
    bar->setValue(value);
    view.viewport()->repaint();
  }
  int shown = 0;
  for (int row = 0; row < board.model().rowCount(); ++row) {
    shown += view.visualRect(board.model().index(row)).intersects(view.viewport()->rect());
  }
  state.counters["cells_in_view"] = shown;
}
BENCHMARK(BM_BoardScroll)->ArgsProduct({{1, 2, 3}, {0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// A click on Open with 1,000 picture windows open: range(0) 0 without the
// board, 1 with the board shown at its top, 2 with it scrolled to the end,
// where the new cell appears.
void BM_OpenBesideBoard(benchmark::State& state) {
  OpenPictures pictures(1000);
  frmBoard& board = pictures.main.board();
  if (state.range(0) > 0) {
    board.resize(1000, 800);
    board.show();
    QCoreApplication::processEvents();
    if (state.range(0) == 2) board.view().scrollToBottom();
    QCoreApplication::processEvents();
  }
  std::vector<std::pair<QString, std::shared_ptr<clsObject>>> base(modObject::Registry().begin(),
                                                                   modObject::Registry().end());
  const std::int16_t next = modObject::ObjectCount;
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  const QSet<QWidget*> before(windows.begin(), windows.end());
  auto* open = pictures.main.findChild<QPushButton*>(QStringLiteral("btnOpen"));
  for (auto _ : state) {
    QTest::mouseClick(open, Qt::LeftButton);
    QCoreApplication::processEvents();

    state.PauseTiming();
    // The new window, and that of a picture that failed.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<frmObject*>(widget) != nullptr && !before.contains(widget)) widget->close();
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    modObject::Registry().clear();
    for (const auto& [key, picture] : base) modObject::Registry().add(key, picture);
    modObject::ObjectCount = next;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenBesideBoard)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Ctrl+G in a picture window: the genetic code window of a child of two
// parents made, shown and painted (offscreen).
void BM_OpenGeneticCodeWindow(benchmark::State& state) {
  testing::FakeWindows windows;
  windows.rate = kRate;
  openParents(windows, 2);
  const std::shared_ptr<clsObject> child = windows.open();
  for (auto _ : state) {
    GeneticCodeWindow* window = showGeneticCodeWindow(*child);
    QCoreApplication::processEvents();
    state.PauseTiming();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenGeneticCodeWindow)->Unit(benchmark::kMillisecond);

long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// What one more open picture (its window kept open) costs in resident memory:
// RSS after 100 more Opens minus before, divided by 100, after a few Opens
// have warmed up fonts and caches.
void BM_MemoryPerOpen(benchmark::State& state) {
  constexpr int kOpens = 100;
  for (auto _ : state) {
    frmMain main;
    main.show();
    auto* open = main.findChild<QPushButton*>(QStringLiteral("btnOpen"));
    const auto click = [open] {
      QTest::mouseClick(open, Qt::LeftButton);
      QCoreApplication::processEvents();
    };
    for (int i = 0; i < 5; ++i) click();
    const long before = residentKiB();
    for (int i = 0; i < kOpens; ++i) click();
    const long after = residentKiB();
    state.counters["KiB_per_open"] = static_cast<double>(after - before) / kOpens;
    closePictureWindows();
    modObject::Registry().clear();
    modObject::ParentList().clear();
  }
}
BENCHMARK(BM_MemoryPerOpen)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
  // Before QApplication sets the user's locale, in which the library would
  // read "--benchmark_min_time=0.01" with the user's decimal separator.
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The user's own history and settings stay untouched.
  QTemporaryDir userFolders;
  if (!userFolders.isValid()) return 2;
  qputenv("XDG_DATA_HOME", userFolders.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", userFolders.filePath(QStringLiteral("config")).toLocal8Bit());
  QApplication app(argc, argv);
  // The rates above are written with '.'; every run measures the same work.
  pelorin::ScopedNumberFormat english({u'.', u','});
  pelorin::testing::PrintedDialogs dialogs;
  const pelorin::Seam<pelorin::UserMessages>::Scope printed(dialogs);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  pelorin::modObject::ParentList().clear();
  pelorin::modObject::Registry().clear();
  return 0;
}
