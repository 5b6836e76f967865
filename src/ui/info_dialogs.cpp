#include "ui/info_dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "ui/twips.h"

namespace pelorin {

namespace {

Qt::WindowFlags flagsFor(DialogBorder border) {
  const Qt::WindowFlags common =
      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  switch (border) {
    case DialogBorder::FixedSingle: return Qt::Dialog | common | Qt::MSWindowsFixedSizeDialogHint;
    case DialogBorder::Sizable: return Qt::Window | common | Qt::WindowMinimizeButtonHint;
    case DialogBorder::SizableWithMaximize:
      return Qt::Window | common | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  }
  return Qt::Window | common;
}

}  // namespace

PelorinDialog::PelorinDialog(const QString& name, const QString& caption, QSize clientSize, DialogBorder border)
    : QDialog(nullptr, flagsFor(border)) {
  setObjectName(name);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  if (border == DialogBorder::FixedSingle) {
    setFixedSize(clientSize);
  } else {
    resize(clientSize);
  }
}

QLabel* PelorinDialog::addLabel(const QString& name, QRect geometry, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

QPushButton* PelorinDialog::addOkButton(const QString& name, QRect geometry, const QString& text) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setDefault(true);
  // Hide, never close: OK keeps the dialog loaded with its state. (accept()
  // would close it, and a closing dialog deletes itself.)
  connect(button, &QPushButton::clicked, this, &QWidget::hide);
  return button;
}

void PelorinDialog::keyPressEvent(QKeyEvent* event) {
  // No cancel button: Escape would reject, which closes and unloads.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void PelorinDialog::closeEvent(QCloseEvent* event) {
  QDialog::closeEvent(event);
  if (event->isAccepted()) unloaded_ = true;
}

IconBox::IconBox(const QString& name, const QString& resource, QRect geometry, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setPixmap(QPixmap(resource));
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setGeometry(geometry);
}

void IconBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
    emit clicked();
    return;
  }
  QLabel::mousePressEvent(event);
}

ErrorMR::ErrorMR()
    : PelorinDialog(QStringLiteral("ErrorMR"), QStringLiteral("ErrorMR"), twipsSize(2940, 1305),
                    DialogBorder::FixedSingle) {
  addLabel(QStringLiteral("lblText"), twipsRect(120, 120, 2775, 375),
           QStringLiteral("The Mutation Rate must be a number."));
  addOkButton(QStringLiteral("btnOK"), twipsRect(960, 720, 1095, 375), QStringLiteral("OK"));
}

AboutAuthor::AboutAuthor()
    : PelorinDialog(QStringLiteral("AboutAuthor"), QStringLiteral("About Author"), twipsSize(4695, 1155),
                    DialogBorder::Sizable) {
  addLabel(QStringLiteral("lblText"), twipsRect(120, 240, 3135, 495),
           QStringLiteral("To find out about the author, you can visit the web site:"));
  addLabel(QStringLiteral("lblWebSite"), twipsRect(120, 720, 3135, 255),
           QStringLiteral("     https://example.org/pelorin"));
  addOkButton(QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375), QStringLiteral("Ok"));
}

AboutPelorin::AboutPelorin()
    : PelorinDialog(QStringLiteral("AboutPelorin"), QStringLiteral("About Pelorin"), twipsSize(5820, 1860),
                    DialogBorder::SizableWithMaximize),
      icnPelorin_(new IconBox(QStringLiteral("icnPelorin"), kPelorinIcon, twipsRect(240, 240, 720, 720), this)),
      icnQuorvel_(new IconBox(QStringLiteral("icnQuorvel"), kQuorvelIcon, twipsRect(240, 240, 720, 720), this)) {
  addLabel(QStringLiteral("lblName"), twipsRect(1200, 240, 3135, 255), QStringLiteral("Pelorin version 1.0"));
  addLabel(QStringLiteral("lblCopywrite"), twipsRect(1200, 480, 3135, 255),
           QStringLiteral("Copyright (C) Quorvel Software"));
  addLabel(QStringLiteral("lblAuthor"), twipsRect(1200, 720, 3135, 255),
           QStringLiteral("Written by the Pelorin developers"));
  addLabel(QStringLiteral("lblComments"), twipsRect(1200, 1080, 3135, 615),
           QStringLiteral("If you have any comments or thoughts on this program, please send "
                          "them to pelorin@example.org"));
  addOkButton(QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375), QStringLiteral("Ok"));
  connect(icnPelorin_, &IconBox::clicked, this, &AboutPelorin::icnPelorin_Click);
  connect(icnQuorvel_, &IconBox::clicked, this, &AboutPelorin::icnQuorvel_Click);
}

void AboutPelorin::loadStep() {
  iconFlag_ = 0;
  icnQuorvel_->setVisible(false);
  icnPelorin_->setVisible(true);
}

void AboutPelorin::icnPelorin_Click() {
  if (iconFlag_ != 0) return;
  icnPelorin_->setVisible(false);
  icnQuorvel_->setVisible(true);
  iconFlag_ = 1;
}

void AboutPelorin::icnQuorvel_Click() {
  if (iconFlag_ != 1) return;
  icnQuorvel_->setVisible(false);
  icnPelorin_->setVisible(true);
  iconFlag_ = 0;
}

License::License()
    : PelorinDialog(QStringLiteral("License"), QStringLiteral("License"), twipsSize(4695, 1215),
                    DialogBorder::Sizable) {
  addLabel(QStringLiteral("lblText"), twipsRect(120, 240, 3135, 975),
           QStringLiteral("The current License Agreement, and Registration Information are "
                          "available  from the Quorvel Software Home Page (see "
                          "Info->About->Quorvel)"));
  addOkButton(QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375), QStringLiteral("Ok"));
}

Info::Info()
    : PelorinDialog(QStringLiteral("Info"), QStringLiteral("Info"), twipsSize(6060, 2865), DialogBorder::Sizable) {
  addLabel(QStringLiteral("lblInfo"), twipsRect(120, 120, 4455, 2895),
           QStringLiteral("Pelorin is a program that makes pictures using a Genetic Algorithm. When the you "
                          "create a new picture, this program  creates a \"Genetic Code\" for that picture. "
                          "This genetic code comes from two places: mutations, and the parents. When a gene "
                          "mutates, it takes on a random value. If a gene doesn't mutate, it is taken randomly "
                          "from one of the parents (a picture with the parent check box selected. It also is "
                          "possible to save a picture (by typing the place where it is to be saved in the Name "
                          "text box) and open a picture (by typing in the name of the file containing the "
                          "\"Genetic Code\" into the text box to the right of the Open button. When saving a "
                          "picture however, be careful because if the file you named exists, it will be "
                          "overwritten."));
  addOkButton(QStringLiteral("btnOK"), twipsRect(4680, 240, 1215, 375), QStringLiteral("OK"));
}

AboutQuorvel::AboutQuorvel()
    : PelorinDialog(QStringLiteral("AboutQuorvel"), QStringLiteral("About Quorvel Software"), twipsSize(6300, 2235),
                    DialogBorder::Sizable),
      icnQuorvel_(new IconBox(QStringLiteral("icnQuorvel"), kQuorvelIcon, twipsRect(240, 240, 720, 720), this)) {
  // Hidden until the load step shows it.
  icnQuorvel_->setVisible(false);
  addLabel(QStringLiteral("lblWebPage"), twipsRect(1080, 120, 3135, 975),
           QStringLiteral("To find out more about Quorvel Software and about other programs "
                          "made by Quorvel Software you can visit our web site. Our website "
                          "can be reached from the web site: "));
  addLabel(QStringLiteral("lblWebAddress"), twipsRect(1080, 960, 3135, 255),
           QStringLiteral("      https://example.com/quorvel"));
  addLabel(QStringLiteral("lblGetWebPage"), twipsRect(1080, 1200, 3255, 735),
           QStringLiteral(" Or, we will send you the current URL of Quorvel Software's home "
                          "pae if you send an e-mail to:"));
  addLabel(QStringLiteral("lblEMail"), twipsRect(1080, 1920, 2535, 1455), QStringLiteral("      quorvel@example.com"));
  addOkButton(QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375), QStringLiteral("Ok"));
}

void AboutQuorvel::loadStep() { icnQuorvel_->setVisible(true); }

}  // namespace pelorin
