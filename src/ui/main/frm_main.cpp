#include "ui/main/frm_main.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "app_state/mod_genes.h"
#include "app_state/mod_object.h"
#include "genetics/embedded_code.h"
#include "picture/picture_object.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "ui/board/frm_board.h"
#include "ui/common/controls.h"
#include "ui/common/front_window.h"
#include "ui/common/label_fit.h"
#include "ui/common/user_messages.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/frm_history.h"
#include "ui/main/history_keeper.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_events.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {

namespace {

// The genetic code bytes a file holds as Save or Export wrote them: a picture
// file's carried code, or a text file small enough to be a saved code. None
// when it cannot be read; Open itself then says why.
std::optional<QByteArray> savedCodeIn(const QString& name) {
  try {
    if (std::optional<QByteArray> carried = EmbeddedGeneticCode(name)) return carried;
  } catch (const Failure&) {
    return std::nullopt;
  }
  QFile file(name);
  if (file.size() > kMaxEmbeddedCodeBytes || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

// The client area below the menu bar.
constexpr QSize kClientSize = twipsSize(2820, 1140);

QAction* addItem(QMenu* menu, const QString& name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

QMenu* named(QMenu* menu, const QString& name) {
  menu->setObjectName(name);
  menu->setAccessibleName(menu->menuAction()->iconText());  // the caption without its '&'
  return menu;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& text) { return named(bar->addMenu(text), name); }

QMenu* addSubmenu(QMenu* menu, const QString& name, const QString& text) {
  QMenu* submenu = named(menu->addMenu(text), name);
  submenu->menuAction()->setObjectName(name);
  return submenu;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(tr("Main"));
  buildControls();
  history_ = new HistoryKeeper(this, [this] { return boxTexts(); });
  connect(history_, &HistoryKeeper::actionsChanged, this, &frmMain::updateHistoryItems);
  connect(history_, &HistoryKeeper::boxesResumed, this, [this](const HistoryKeeper::BoxTexts& boxes) {
    txtMutationRate_->setText(boxes.rate);
    txtName_->setText(boxes.name);
  });
  connect(&PictureWindowEvents::instance(), &PictureWindowEvents::familyTreeAsked, this, &frmMain::showFamilyTreeOf);
  buildMenus();
  dropTimer_ = new QTimer(this);
  dropTimer_->setInterval(0);
  connect(dropTimer_, &QTimer::timeout, this, &frmMain::makeNextDropped);
  new PictureDropTarget(this, [this](std::vector<DroppedItem> items) { takeDrop(std::move(items), this); });
  resize(kClientSize.width(), menuBar()->sizeHint().height() + kClientSize.height());

  modObject::ResetObjectState();
  modGenes::ResetGeneState();
  for (DialogId id :
       {DialogId::AboutAuthor, DialogId::AboutQuorvel, DialogId::AboutPelorin, DialogId::License, DialogId::Info}) {
    dialogs_.load(id);
  }
  txtMutationRate_->setText(signedNumberText(modGenes::MutationRate));
  // Takes effect when the window is first shown and activated.
  txtMutationRate_->setFocus();
}

frmMain::~frmMain() { delete board_.data(); }

void frmMain::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  client->resize(kClientSize);  // the labels fit into it before the first show

  txtMutationRate_ = addTextBox(client, QStringLiteral("txtMutationRate"), twipsRect(1200, 120, 1455, 375));
  lblMutationRate_ =
      addLabel(client, QStringLiteral("lblMutationRate"), twipsRect(120, 120, 1095, 255), tr("Mutation Rate"));
  btnOpen_ = addButton(client, QStringLiteral("btnOpen"), twipsRect(120, 600, 975, 375), tr("Open"));
  txtName_ = addTextBox(client, QStringLiteral("txtName"), twipsRect(1200, 600, 1455, 375));
  fitTextToBoxes(client);
  client->setAccessibleName(windowTitle());
  lblMutationRate_->setBuddy(txtMutationRate_);
  txtMutationRate_->setAccessibleName(lblMutationRate_->text());
  txtName_->setAccessibleName(tr("Name"));

  // No default button: Enter in a box opens nothing.
  btnOpen_->setAutoDefault(false);
  btnOpen_->setDefault(false);
  connect(btnOpen_, &QPushButton::clicked, this, &frmMain::btnOpen_Click);

  // The tab order of the layout; the label takes no focus, so Tab passes over it.
  setTabOrder(txtMutationRate_, lblMutationRate_);
  setTabOrder(lblMutationRate_, btnOpen_);
  setTabOrder(btnOpen_, txtName_);
}

void frmMain::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setAccessibleName(tr("Menu bar"));

  QMenu* M_File = addMenu(bar, QStringLiteral("M_File"), tr("&File"));
  QAction* F_NewFromClipboard = addItem(M_File, QStringLiteral("F_NewFromClipboard"), tr("New Picture from Clipboard"));
  F_NewFromClipboard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  connect(F_NewFromClipboard, &QAction::triggered, this, &frmMain::F_NewFromClipboard_Click);
  F_ReopenClosed_ = addItem(M_File, QStringLiteral("F_ReopenClosed"), tr("&Reopen Closed Picture"));
  F_ReopenClosed_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
  connect(F_ReopenClosed_, &QAction::triggered, history_, &HistoryKeeper::reopenClosed);
  F_ResumeLast_ = addItem(M_File, QStringLiteral("F_ResumeLast"), tr("Resume &Last Run"));
  F_ResumeLast_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
  connect(F_ResumeLast_, &QAction::triggered, history_, &HistoryKeeper::resumeLast);
  // Another program's run may have ended since: asked again as the menu opens.
  M_File->setToolTipsVisible(true);
  connect(M_File, &QMenu::aboutToShow, this, &frmMain::updateHistoryItems);
  updateHistoryItems();
  // Exit keeps no shortcut (Ctrl+Q on many desktops): the main window's own
  // items have none, only their access keys.
  connect(addItem(M_File, QStringLiteral("F_Exit"), tr("&Exit")), &QAction::triggered, this, [this] { endProgram(); });

  QMenu* M_View = addMenu(bar, QStringLiteral("M_View"), tr("&View"));
  QAction* V_Board = addItem(M_View, QStringLiteral("V_Board"), tr("&Board"));
  V_Board->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  connect(V_Board, &QAction::triggered, this, [this] { bringToFront(&board()); });
  QAction* V_History = addItem(M_View, QStringLiteral("V_History"), tr("&History"));
  V_History->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  connect(V_History, &QAction::triggered, this, [this] { showHistoryWindow(*history_); });

  QMenu* M_Info = addMenu(bar, QStringLiteral("M_Info"), tr("&Info"));
  QMenu* I_About = addSubmenu(M_Info, QStringLiteral("I_About"), tr("&About"));
  const auto showItem = [this](QMenu* menu, const QString& name, const QString& text, DialogId id) {
    connect(addItem(menu, name, text), &QAction::triggered, this, [this, id] {
      reportFailures(this, tr("showing %1").arg(dialogName(id)), [this, id] { dialogs_.show(id); });
    });
  };
  showItem(I_About, QStringLiteral("I_A_AboutPelorin"), tr("About &Pelorin"), DialogId::AboutPelorin);
  showItem(I_About, QStringLiteral("I_A_AboutQuorvel"), tr("About &Quorvel"), DialogId::AboutQuorvel);
  showItem(I_About, QStringLiteral("I_A_AboutAuthor"), tr("About &Author"), DialogId::AboutAuthor);
  showItem(M_Info, QStringLiteral("I_License"), tr("&License"), DialogId::License);
  showItem(M_Info, QStringLiteral("I_Info"), tr("&Info"), DialogId::Info);
}

void frmMain::btnOpen_Click() { openPicture(this); }

HistoryKeeper::BoxTexts frmMain::boxTexts() const { return {txtMutationRate_->text(), txtName_->text()}; }

void frmMain::openPicture(QWidget* reportTo) {
  const HistoryKeeper::BoxTexts boxes = boxTexts();
  const QString& name = boxes.name;
  const QString doing = name.isEmpty() ? tr("making picture %1").arg(modObject::ObjectCount)
                                       : tr("making picture %1 named \"%2\"").arg(modObject::ObjectCount).arg(name);
  reportFailures(reportTo, doing, [this, &boxes] {
    const modGenes::RateText rate(boxes.rate);
    if (!checkMutationRate(rate)) return;
    openNamed(boxes, rate, TickedPictures(), makePictureWindow);
  });
}

void frmMain::openNamed(const HistoryKeeper::BoxTexts& boxes, const modGenes::RateText& rate,
                        std::vector<std::shared_ptr<clsObject>> parents, const PictureWindowFactory& makeWindow) {
  const QString& name = boxes.name;
  PictureRequest request{name, rate, std::move(parents), std::nullopt};
  // A file some recorded picture saved, or a picture file it exported: the
  // new picture names it.
  std::optional<HistoryKeeper::Lineage> lineage;
  if (history_->recording() && FileExists(name)) {
    if (const std::optional<QByteArray> code = savedCodeIn(name)) lineage = history_->lineageOf(*code);
    if (lineage) request.savedFrom = lineage->name;
  }
  pictureOpened(OpenPicture(request, makeWindow), boxes, lineage);
}

struct frmMain::DropBatch {
  modGenes::RateText rate;
  HistoryKeeper::BoxTexts boxes;  // as they stood at the drop
  QPointer<QWidget> reportTo;
  std::deque<DroppedItem> items;
  QStringList failures;
};

void frmMain::takeDrop(std::vector<DroppedItem> items, QWidget* reportTo) {
  if (items.empty()) return;
  reportFailures(reportTo, [&] {
    const HistoryKeeper::BoxTexts boxes = boxTexts();
    DropBatch batch{modGenes::RateText(boxes.rate), boxes, reportTo, {}, {}};
    if (!checkMutationRate(batch.rate)) return;
    batch.items.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    drops_.push_back(std::move(batch));
    dropTimer_->start();
  });
}

std::size_t frmMain::dropsWaiting() const {
  std::size_t waiting = 0;
  for (const DropBatch& batch : drops_) waiting += batch.items.size();
  return waiting;
}

void frmMain::makeNextDropped() {
  if (drops_.empty()) return dropTimer_->stop();
  DropBatch& batch = drops_.front();
  if (!batch.items.empty()) {
    const DroppedItem item = std::move(batch.items.front());
    batch.items.pop_front();
    if (std::optional<QString> failure = makeDropped(batch, item)) batch.failures << *failure;
  }
  if (!batch.items.empty()) return;
  const DropBatch done = std::move(batch);
  drops_.pop_front();
  if (drops_.empty()) dropTimer_->stop();
  if (done.failures.isEmpty()) return;
  QWidget* over = done.reportTo ? done.reportTo.data() : this;
  reportFailures(over, [&] {
    Seam<UserMessages>::current().showFailure(
        over, tr("Pelorin"),
        tr("These dropped items made no picture:") + QLatin1Char('\n') + done.failures.join(QLatin1Char('\n')));
  });
}

std::optional<QString> frmMain::makeDropped(const DropBatch& batch, const DroppedItem& item) {
  if (item.kind == DroppedItem::Kind::Elsewhere) {
    return tr("\"%1\" is not a file on this computer; nothing was fetched.").arg(item.value);
  }
  // A picture that fails is not registered; the window it may have left goes too.
  QPointer<frmObject> made;
  const PictureWindowFactory makeWindow = makePictureWindowTelling([&made](frmObject* window) { made = window; });
  const bool file = item.kind == DroppedItem::Kind::File;
  const QString doing =
      file ? tr("making a picture of \"%1\"").arg(item.value) : tr("making a picture of dropped text");
  std::optional<QString> failure = failureText(doing, [&] {
    if (file) {
      // A folder or a missing name would otherwise breed a new picture.
      RequireRegularFile(item.value);
      openNamed({batch.boxes.rate, item.value}, batch.rate, {}, makeWindow);
    } else {
      pictureOpened(OpenPictureFromText(item.value, tr("the dropped text"), batch.rate, makeWindow), batch.boxes);
    }
  });
  if (failure && made) {
    made->hide();
    made->deleteLater();
  }
  return failure;
}

bool frmMain::checkMutationRate(const modGenes::RateText& rate) {
  if (rate.value) return true;
  dialogs_.show(DialogId::ErrorMR);
  return false;
}

void frmMain::pictureOpened(const std::shared_ptr<clsObject>& picture, const HistoryKeeper::BoxTexts& boxes,
                            const std::optional<HistoryKeeper::Lineage>& savedFrom) {
  // Only a picture that was made is registered and gets a cell: one that
  // failed keeps its window, but Save in it finds nothing to save.
  PictureWindowEvents::instance().notifyOpened(picture);
  history_->recordMade(*picture, boxes, savedFrom);
}

void frmMain::showFamilyTreeOf(PictureNumber number) {
  const history::HistoryStore* store = history_->store();
  const std::optional<history::PictureId> id = store != nullptr ? store->pictureNumbered(number) : std::nullopt;
  if (!id) {
    QWidget* over = openWindowOf(number);
    Seam<UserMessages>::current().showFailure(
        over != nullptr ? over : this, tr("Family Tree"),
        history_->waitingForFile()
            ? tr("Another program is writing the history: try again once it is done.")
            : tr("Picture %1 is not in the history, so its family is not known.").arg(plainNumberText(number)));
    return;
  }
  reportFailures(this, [&] { showFamilyTreeWindow(*history_, *id); });
}

void frmMain::updateHistoryItems() {
  F_ReopenClosed_->setEnabled(history_->canReopenClosed());
  F_ResumeLast_->setEnabled(history_->canResumeLast());
  F_ResumeLast_->setToolTip(history_->resumeLastNote());
}

void frmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (historyAsked_) return;
  historyAsked_ = true;
  // Opening checks the whole file: once the window is up, from the event loop.
  QTimer::singleShot(0, history_, [this] { history_->openHistory(); });
}

frmBoard& frmMain::board() {
  if (!board_) {
    // No Qt parent: a window of its own, not kept above the main window.
    board_ = new frmBoard;
    connect(board_, &frmBoard::openRequested, this, [this] { openPicture(board_); });
    new PictureDropTarget(board_, [this](std::vector<DroppedItem> items) { takeDrop(std::move(items), board_); });
  }
  return *board_;
}

void frmMain::F_NewFromClipboard_Click() {
  reportFailures(this, [this] {
    const HistoryKeeper::BoxTexts boxes = boxTexts();
    const modGenes::RateText rate(boxes.rate);
    if (!checkMutationRate(rate)) return;
    const QString text = QGuiApplication::clipboard()->text();
    // An image alone, say: there is no line to point at.
    if (text.isEmpty()) {
      Seam<UserMessages>::current().showFailure(this, tr("Pelorin"),
                                                tr("No picture was made: the clipboard holds no text."));
      return;
    }
    pictureOpened(OpenPictureFromText(text, tr("the clipboard text"), rate, makePictureWindow), boxes);
  });
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  endProgram();
}

void frmMain::endProgram() {
  // The windows that go with the program are not closed by the user.
  history_->endRun();
  // exit(), not quit(): quit() would first try to close every window, which
  // runs their close handling and may be refused. The program ends at once.
  QCoreApplication::exit(0);
}

}  // namespace pelorin
