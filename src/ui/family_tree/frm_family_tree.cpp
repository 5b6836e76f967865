#include "ui/family_tree/frm_family_tree.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <map>

#include "family_tree/family_graph.h"
#include "family_tree/tree_drawing.h"
#include "family_tree/tree_layout.h"
#include "genetics/genetic_code_file.h"
#include "genetics/trait_sources.h"
#include "history/recorded_drawing.h"
#include "history/recorded_origin.h"
#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "ui/common/change_follower.h"
#include "ui/common/controls.h"
#include "ui/common/counted_text.h"
#include "ui/common/export_filters.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/front_window.h"
#include "ui/common/history_actions.h"
#include "ui/common/picture_mime.h"
#include "ui/common/user_messages.h"
#include "ui/common/zoom_keys.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {

namespace {

using family_tree::Family;

// The export formats offered, the first the default. The framing is the
// window's Whole Paths box.
constexpr const char* kContext = "pelorin::frmFamilyTree";
constexpr ExportFilter kExportFilters[] = {
    {QT_TRANSLATE_NOOP("pelorin::frmFamilyTree", "SVG image (*.svg)"), ImageFormat::Svg, 1, ImageFraming::Window},
    {QT_TRANSLATE_NOOP("pelorin::frmFamilyTree", "PNG image (*.png)"), ImageFormat::Png, 1, ImageFraming::Window},
    {QT_TRANSLATE_NOOP("pelorin::frmFamilyTree", "PNG image, 2x (*.png)"), ImageFormat::Png, 2, ImageFraming::Window},
};

}  // namespace

// A layout finished away from the interface: the scene, or what went wrong.
struct frmFamilyTree::Laid {
  std::shared_ptr<FamilyTreeScene> scene;
  std::exception_ptr failure;
};

frmFamilyTree::frmFamilyTree(HistoryActions& actions, history::PictureId picture, QWidget* parent)
    : QWidget(parent, Qt::Window), actions_(&actions) {
  setObjectName(QStringLiteral("frmFamilyTree"));
  setAttribute(Qt::WA_DeleteOnClose);

  cbxWholePaths_ = new QCheckBox(tr("&Whole Paths"), this);
  cbxWholePaths_->setObjectName(QStringLiteral("cbxWholePaths"));
  cbxWholePaths_->setToolTip(tr("Show each picture's whole path, framed to its cell"));
  lblStatus_ = addPlainLabel(this, QStringLiteral("lblStatus"));

  view_ = new FamilyTreeView(this);
  view_->setObjectName(QStringLiteral("treeView"));
  view_->setAccessibleName(tr("Family tree"));
  // The view's own description is the current cell's line too, for a
  // client that reads only the focused widget.
  connect(view_, &FamilyTreeView::currentCellChanged, this, [this](std::size_t cell) {
    const FamilyTreeScene* scene = view_->scene();
    view_->setAccessibleDescription(scene != nullptr && cell < scene->cellTips.size() ? scene->cellTips[cell]
                                                                                      : QString());
  });
  connect(cbxWholePaths_, &QCheckBox::toggled, this, [this](bool whole) {
    view_->setFraming(whole ? family_tree::CellFraming::WholePath : family_tree::CellFraming::Window);
  });
  connect(view_, &FamilyTreeView::cellActivated, this, &frmFamilyTree::openCell);
  connect(view_, &FamilyTreeView::cellToggled, this, &frmFamilyTree::tickCell);
  connect(view_, &FamilyTreeView::cellDragged, this, &frmFamilyTree::dragCell);

  const auto addWindowAction = [this](const QString& name, const QString& text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    view_->addAction(action);
    return action;
  };
  actRecentre_ = addWindowAction(QStringLiteral("actFamilyTree"), tr("Family Tree of This Picture"),
                                 {QKeySequence(Qt::CTRL | Qt::Key_T)});
  connect(actRecentre_, &QAction::triggered, this, &frmFamilyTree::recentre);
  actExport_ =
      addWindowAction(QStringLiteral("actExport"), tr("Export Family Tree..."), {QKeySequence(Qt::CTRL | Qt::Key_E)});
  connect(actExport_, &QAction::triggered, this, &frmFamilyTree::exportTree);
  QAction* fit = addWindowAction(QStringLiteral("actFit"), tr("Whole Tree"), {QKeySequence(Qt::Key_Home)});
  connect(fit, &QAction::triggered, view_, &FamilyTreeView::fitAll);
  QAction* zoomIn = addWindowAction(QStringLiteral("actZoomIn"), tr("Zoom In"), ZoomInKeys());
  connect(zoomIn, &QAction::triggered, this, [this] { view_->zoomBy(1); });
  QAction* zoomOut = addWindowAction(QStringLiteral("actZoomOut"), tr("Zoom Out"), {QKeySequence::ZoomOut});
  connect(zoomOut, &QAction::triggered, this, [this] { view_->zoomBy(-1); });
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* controls = new QHBoxLayout;
  controls->addWidget(cbxWholePaths_);
  controls->addStretch();
  controls->addWidget(lblStatus_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(controls);
  column->addWidget(view_, 1);

  // A picture made, closed or reopened changes what the tree shows.
  follower_ = new ChangeFollower(*this, actions, [this] { refresh(); });
  layout_ = new QFutureWatcher<Laid>(this);
  connect(layout_, &QFutureWatcherBase::finished, this, [this] {
    if (!layingOut_) return;  // withdrawn
    layingOut_ = false;
    showLaid(layout_->result());
  });
  resize(720, 540);
  showFamilyOf(picture);
  view_->setFocus();
}

void frmFamilyTree::updateTitle(const std::optional<history::RecordedPicture>& record) {
  if (!record) {
    setWindowTitle(tr("Family tree"));
    return;
  }
  const QString number = plainNumberText(record->number);
  const auto start = runStarts_.find(record->run);
  setWindowTitle(inThisRun(record->run) || start == runStarts_.end()
                     ? tr("Family tree of picture %1").arg(number)
                     : tr("Family tree of picture %1, run of %2").arg(number, RunDateText(start->second)));
}

bool frmFamilyTree::refreshPending() const { return follower_->pending(); }

void frmFamilyTree::refresh() {
  follower_->done();
  // Nothing shown yet: the layout under way reads what is recorded by then.
  if (scene_) readFamily(picture_, true);
}

void frmFamilyTree::showFamilyOf(history::PictureId picture) { readFamily(picture, false); }

void frmFamilyTree::readFamily(history::PictureId picture, bool keepView) {
  keepView_ = keepView;
  picture_ = picture;
  if (actions_ && actions_->waitingForFile()) {
    // Read once the file is free (changed() then); what is shown stays.
    lblStatus_->setText(tr("Another program is writing the history: the tree is read once it is done."));
    return;
  }
  history::HistoryStore* store = actions_ ? actions_->store() : nullptr;
  thisRun_.clear();
  runStarts_.clear();
  std::optional<history::RecordedPicture> focus;
  if (store != nullptr) {
    const std::vector<history::RunSummary> runs = store->runs();
    for (const history::RunSummary& run : runs) {
      runStarts_[run.id] = run.started;
      if (run.current) {
        for (history::RunId chained : history::ChainOf(runs, run.id)) thisRun_.insert(chained);
      }
    }
    focus = store->picture(picture);
  }
  updateTitle(focus);
  if (!focus) {
    layout_->cancel();  // a layout still running is not wanted
    layingOut_ = false;
    scene_.reset();
    lblStatus_->setText(store == nullptr ? tr("The history is not available.")
                                         : tr("This picture is not in the history."));
    view_->setScene(nullptr);
    return;
  }
  layOut(store->path());
}

void frmFamilyTree::layOut(const QString& historyPath) {
  if (!keepView_) lblStatus_->setText(tr("Laying out the family tree..."));

  // What the worker needs from the interface, read here.
  family_tree::TreeDrawing look;
  look.font = font();
  look.background = systemWindowBackground();
  look.text = palette().color(QPalette::Text);
  look.line = palette().color(QPalette::Dark);
  look.outline = palette().color(QPalette::Highlight);
  // The worker owns everything it uses: it may outlive the window.
  QFuture<Laid> laying = QtConcurrent::run([look, historyPath, starts = runStarts_, thisRun = thisRun_,
                                            focus = picture_, cell = family_tree::FamilyCellSize(font())] {
    Laid laid;
    try {
      auto scene = std::make_shared<FamilyTreeScene>();
      scene->family = family_tree::BuildFamily(history::HistoryStore::ReadFamily(historyPath, focus), focus, cell);
      scene->layout = family_tree::LayOutFamily(scene->family.graph);
      scene->drawing = look;
      scene->drawing.family = &scene->family;
      scene->drawing.layout = &scene->layout;
      std::vector<RecordedPictureName> names;
      for (const history::RecordedPicture& record : scene->family.records) {
        const bool ours = thisRun.count(record.run) > 0;
        const auto start = starts.find(record.run);
        const QDateTime started = start != starts.end() ? start->second : QDateTime();
        names.push_back(RecordedPictureName{record.number, started, ours});
        scene->drawing.numbers.push_back(plainNumberText(record.number));
        scene->drawing.runs.push_back(ours || started.isNull() ? QString() : RunDateText(started));
        // The line as the picture's own window gives it.
        const QString origin =
            record.damage
                ? tr("Picture %1: damaged, %2").arg(record.number).arg(*record.damage)
                : OriginLine(record.number,
                             history::OriginOf(record, [&](history::RunId run) { return thisRun.count(run) > 0; }));
        scene->cellTips.push_back(record.open ? origin : tr("%1, closed").arg(origin));
        scene->cellOrigins.push_back(origin);
      }
      for (std::size_t i = 0; i < scene->layout.lines.size(); ++i) {
        const family_tree::PlacedLine& line = scene->layout.lines[i];
        const RecordedPictureName& parent = names[scene->family.indexOf(line.parent)];
        const RecordedPictureName& child = names[scene->family.indexOf(line.child)];
        scene->lineTips.push_back(tr("From %1 to %2: %3% of its traits; %4 of %5 traits mutated")
                                      .arg(RecordedPictureText(parent), RecordedPictureText(child))
                                      .arg(qRound(line.share * 100))
                                      .arg(scene->family.mutated[i])
                                      .arg(TraitSources::kCount));
      }
      laid.scene = std::move(scene);
    } catch (...) {
      laid.failure = std::current_exception();
    }
    return laid;
  });
  // An older layout not yet begun need not begin; one under way is no
  // longer watched, so what it reports is dropped.
  layout_->cancel();
  layingOut_ = true;
  layout_->setFuture(laying);
}

void frmFamilyTree::showLaid(const Laid& laid) {
  lblStatus_->clear();
  if (laid.failure) {
    lblStatus_->setText(tr("The family could not be read from the history."));
    if (!keepView_) {
      scene_.reset();
      view_->setScene(nullptr);
    }
    reportFailures(this, tr("laying out the family tree"), [&] { std::rethrow_exception(laid.failure); });
    return;
  }
  if (laid.scene->family.records.empty()) {
    lblStatus_->setText(tr("The family could not be read from the history."));
    return;
  }
  scene_ = laid.scene;
  keepView_ ? view_->replaceScene(scene_) : view_->setScene(scene_);
  lblStatus_->setText(PicturesText(static_cast<long long>(scene_->family.records.size())));
}

const history::RecordedPicture* frmFamilyTree::recordAt(std::size_t cell) const {
  if (!scene_ || cell >= scene_->family.records.size()) return nullptr;
  return &scene_->family.records[cell];
}

void frmFamilyTree::openCell(std::size_t cell) {
  const history::RecordedPicture* record = recordAt(cell);
  if (record == nullptr || !actions_) return;
  const history::RecordedPicture chosen = *record;
  reportFailures(this, [&] { actions_->openRecorded(chosen); });
}

void frmFamilyTree::tickCell(std::size_t cell) {
  const history::RecordedPicture* record = recordAt(cell);
  if (record == nullptr || !inThisRun(record->run)) return;
  if (openWindowOf(record->number) == nullptr) return;
  const int value = modObject::Registry().picture(record->number)->ParentBoxValue();
  modObject::Registry().setParentBox(record->number, value == 1 ? 0 : 1);
}

void frmFamilyTree::dragCell(std::size_t cell) {
  const history::RecordedPicture* record = recordAt(cell);
  if (record == nullptr || record->damage) return;
  // An open picture of this run: what its window shows.
  if (frmObject* open = inThisRun(record->run) ? openWindowOf(record->number) : nullptr) {
    if (const std::shared_ptr<clsObject> picture = modObject::Registry().picture(record->number)) {
      return DragPicture(view_, *picture, open->picDraw()->surface().image());
    }
  }
  // Else its recorded code drawn as its window drew it. Copied first: the
  // scene may be replaced while the drag runs.
  const PictureNumber number = record->number;
  ImageText text{tr("Picture %1").arg(number), scene_->cellOrigins[cell], {}};
  QImage image;
  const bool drawn = reportFailures(this, [&] {
    const QColor background = systemWindowBackground();
    const qreal ratio = devicePixelRatioF();
    clsGenSeq code;
    history::CopyInto(record->code, code);
    text.geneticCode = GeneticCodeText(code);
    std::optional<QImage> picture =
        history::DrawRecordedCode(record->code, [&](clsGenSeq& drawnCode, const SegmentTable& lines) {
          return RenderPicture(drawnCode, lines, ratio, background);
        });
    // A path that leaves the coordinates: its window drew nothing either.
    image = picture ? *std::move(picture)
                    : BlankImage(twipsSize(kPictureWidthTwips, kPictureHeightTwips), ratio, background);
  });
  if (drawn) DragPicture(view_, number, image, text);
}

void frmFamilyTree::recentre() {
  const history::RecordedPicture* record = recordAt(view_->currentCell());
  if (record == nullptr || record->id == picture_) return;
  const history::PictureId chosen = record->id;
  reportFailures(this, [&] { showFamilyOf(chosen); });
}

void frmFamilyTree::exportTo(const QString& path, bool svg, int scale) const {
  if (!scene_) return;
  family_tree::TreeDrawing drawing = scene_->drawing;
  drawing.framing =
      cbxWholePaths_->isChecked() ? family_tree::CellFraming::WholePath : family_tree::CellFraming::Window;
  WriteFileAtomically(
      path, svg ? family_tree::FamilyTreeSvg(drawing)
                : PngBytes(family_tree::FamilyTreeImage(drawing, scale), path, ImageText{windowTitle(), {}, {}}));
}

void frmFamilyTree::exportTree() {
  if (!scene_) return;
  const QStringList filters = exportFilterTexts(kExportFilters, kContext);
  QString chosen = filters.front();
  const QString suggested =
      tr("family-tree-%1.svg").arg(scene_->drawing.numbers[scene_->family.indexOf(scene_->family.focus)]);
  const QString path =
      Seam<FileDialogs>::current().getSaveFileName(this, tr("Export Family Tree"), suggested, filters, &chosen);
  if (path.isEmpty()) return;
  const ExportTarget target = exportTarget(kExportFilters, chosenExportFilter(kExportFilters, chosen, kContext), path);
  reportFailures(this, tr("exporting the family tree to \"%1\"").arg(target.path),
                 [&] { exportTo(target.path, target.filter->format == ImageFormat::Svg, target.filter->scale); });
}

void frmFamilyTree::closeEvent(QCloseEvent* event) {
  closing_ = true;
  QWidget::closeEvent(event);
}

frmFamilyTree& showFamilyTreeWindow(HistoryActions& actions, history::PictureId picture) {
  return showOneWindow<frmFamilyTree>(
      [&](const frmFamilyTree& open) {
        return open.actions() == &actions && open.picture() == picture && !open.closing();
      },
      [&] {
        auto* window = new frmFamilyTree(actions, picture);
        actions.windows().add(window);
        return window;
      });
}

}  // namespace pelorin
