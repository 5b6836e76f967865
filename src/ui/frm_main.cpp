#include "ui/frm_main.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "picture/picture_object.h"
#include "platform/numbers.h"
#include "ui/label_fit.h"
#include "ui/mod_errors.h"
#include "ui/mod_genes.h"
#include "ui/mod_object.h"
#include "ui/twips.h"
#include "ui/user_messages.h"

namespace pelorin {

namespace {

// The client area below the menu bar.
constexpr QSize kClientSize = twipsSize(2820, 1140);

QAction* addItem(QMenu* menu, const QString& name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& text) {
  QMenu* menu = bar->addMenu(text);
  menu->setObjectName(name);
  return menu;
}

QMenu* addSubmenu(QMenu* menu, const QString& name, const QString& text) {
  QMenu* submenu = menu->addMenu(text);
  submenu->setObjectName(name);
  submenu->menuAction()->setObjectName(name);
  return submenu;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Main"));
  buildControls();
  buildMenus();
  resize(kClientSize.width(), menuBar()->sizeHint().height() + kClientSize.height());
  setMainWindowBoxes(this);

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

frmMain::~frmMain() {
  if (mainWindowBoxes() == this) setMainWindowBoxes(nullptr);
}

QString frmMain::mutationRateText() const { return txtMutationRate_->text(); }

QString frmMain::nameText() const { return txtName_->text(); }

void frmMain::buildControls() {
  // Fixed positions without a layout: nothing moves when the window resizes.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);

  txtMutationRate_ = new QLineEdit(client);
  txtMutationRate_->setObjectName(QStringLiteral("txtMutationRate"));
  txtMutationRate_->setGeometry(twipsRect(1200, 120, 1455, 375));

  lblMutationRate_ = new QLabel(QStringLiteral("Mutation Rate"), client);
  lblMutationRate_->setObjectName(QStringLiteral("lblMutationRate"));
  lblMutationRate_->setTextFormat(Qt::PlainText);
  lblMutationRate_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMutationRate_->setGeometry(twipsRect(120, 120, 1095, 255));
  fitTextToBox(lblMutationRate_);

  btnOpen_ = new QPushButton(QStringLiteral("Open"), client);
  btnOpen_->setObjectName(QStringLiteral("btnOpen"));
  btnOpen_->setGeometry(twipsRect(120, 600, 975, 375));
  btnOpen_->setAutoDefault(false);
  btnOpen_->setDefault(false);
  connect(btnOpen_, &QPushButton::clicked, this, &frmMain::btnOpen_Click);

  txtName_ = new QLineEdit(client);
  txtName_->setObjectName(QStringLiteral("txtName"));
  txtName_->setGeometry(twipsRect(1200, 600, 1455, 375));

  // The label takes no focus; Tab passes over it.
  setTabOrder(txtMutationRate_, lblMutationRate_);
  setTabOrder(lblMutationRate_, btnOpen_);
  setTabOrder(btnOpen_, txtName_);
}

void frmMain::buildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* M_File = addMenu(bar, QStringLiteral("M_File"), QStringLiteral("&File"));
  QAction* F_NewFromClipboard =
      addItem(M_File, QStringLiteral("F_NewFromClipboard"), QStringLiteral("New Picture from Clipboard"));
  F_NewFromClipboard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  connect(F_NewFromClipboard, &QAction::triggered, this, &frmMain::F_NewFromClipboard_Click);
  M_File->addSeparator();
  connect(addItem(M_File, QStringLiteral("F_Exit"), QStringLiteral("&Exit")), &QAction::triggered, this,
          [] { endProgram(); });

  QMenu* M_Info = addMenu(bar, QStringLiteral("M_Info"), QStringLiteral("&Info"));
  QMenu* I_About = addSubmenu(M_Info, QStringLiteral("I_About"), QStringLiteral("&About"));
  const auto showItem = [this](QMenu* menu, const QString& name, const QString& text, DialogId id) {
    connect(addItem(menu, name, text), &QAction::triggered, this,
            [this, id] { reportFailures(this, [this, id] { dialogs_.show(id); }); });
  };
  showItem(I_About, QStringLiteral("I_A_AboutPelorin"), QStringLiteral("About &Pelorin"), DialogId::AboutPelorin);
  showItem(I_About, QStringLiteral("I_A_AboutQuorvel"), QStringLiteral("About &Quorvel"), DialogId::AboutQuorvel);
  showItem(I_About, QStringLiteral("I_A_AboutAuthor"), QStringLiteral("About &Author"), DialogId::AboutAuthor);
  showItem(M_Info, QStringLiteral("I_License"), QStringLiteral("&License"), DialogId::License);
  showItem(M_Info, QStringLiteral("I_Info"), QStringLiteral("&Info"), DialogId::Info);
}

void frmMain::btnOpen_Click() {
  reportFailures(this, [this] {
    if (!modErrors::CheckMutationRate()) {
      dialogs_.show(DialogId::ErrorMR);
      return;
    }
    createPicture();
  });
}

void frmMain::createPicture() {
  auto picture = std::make_shared<clsObject>();
  picture->Init();
  // Registered only once Init has succeeded: a picture that failed keeps its
  // window, but Save in it finds nothing to save.
  modObject::Registry().add(modObject::RegistryKey(picture->ID), picture);
}

void frmMain::F_NewFromClipboard_Click() {
  reportFailures(this, [this] {
    if (!modErrors::CheckMutationRate()) {
      dialogs_.show(DialogId::ErrorMR);
      return;
    }
    auto picture = std::make_shared<clsObject>();
    picture->InitFromText(QGuiApplication::clipboard()->text(), QStringLiteral("the clipboard text"));
    modObject::Registry().add(modObject::RegistryKey(picture->ID), picture);
  });
}

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  endProgram();
}

void frmMain::endProgram() {
  // exit(), not quit(): quit() would first try to close every window, which
  // runs their close handling and may be refused. The program ends at once.
  QCoreApplication::exit(0);
}

}  // namespace pelorin
