#include "ui/info_dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "platform/twips.h"
#include "ui/controls.h"

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

QPushButton* PelorinDialog::addOkButton(const QString& name, QRect box, const QString& text) {
  QPushButton* button = addButton(this, name, box, text);
  button->setDefault(true);
  // Hide, never close: OK keeps the dialog loaded with its state. (accept()
  // would close it, and a closing dialog deletes itself.)
  connect(button, &QPushButton::clicked, this, &PelorinDialog::hideWhereItIs);
  return button;
}

void PelorinDialog::hideWhereItIs() {
  // QDialog centres a dialog again at every show unless its position was set;
  // one the user dragged counts as unset. Marking it set keeps it there.
  setAttribute(Qt::WA_Moved);
  hide();
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

IconBox::IconBox(const QString& resource, const QString& accessibleName, QWidget* parent) : QLabel(parent) {
  setPixmap(QPixmap(resource));
  setAccessibleName(accessibleName);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void IconBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  pressed_ = true;
  event->accept();
}

void IconBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // Not a press: the first click of the pair has already swapped the icon.
  if (event->button() != Qt::LeftButton) return QLabel::mouseDoubleClickEvent(event);
  pressed_ = false;
  event->accept();
}

void IconBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
  const bool click = pressed_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

ErrorMR::ErrorMR()
    : PelorinDialog(QStringLiteral("ErrorMR"), QStringLiteral("ErrorMR"), twipsSize(2940, 1305),
                    DialogBorder::FixedSingle) {
  addLabel(this, QStringLiteral("lblText"), twipsRect(120, 120, 2775, 375),
           QStringLiteral("The Mutation Rate must be a number."));
  addOkButton(QStringLiteral("btnOK"), twipsRect(960, 720, 1095, 375), QStringLiteral("OK"));
}

AboutAuthor::AboutAuthor()
    : PelorinDialog(QStringLiteral("AboutAuthor"), QStringLiteral("About Author"), twipsSize(4695, 1155),
                    DialogBorder::Sizable) {
  addLabel(this, QStringLiteral("lblText"), twipsRect(120, 240, 3135, 495),
           QStringLiteral("To find out about the author, you can visit the web site:"));
  addLabel(this, QStringLiteral("lblWebSite"), twipsRect(120, 720, 3135, 255),
           QStringLiteral("     https://example.org/pelorin"));
  addOkButton(QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375), QStringLiteral("Ok"));
}

AboutPelorin::AboutPelorin()
    : PelorinDialog(QStringLiteral("AboutPelorin"), QStringLiteral("About Pelorin"), twipsSize(5820, 1860),
                    DialogBorder::SizableWithMaximize),
      icnPelorin_(placed(new IconBox(kPelorinIcon, QStringLiteral("Pelorin icon"), this), QStringLiteral("icnPelorin"),
                         twipsRect(240, 240, 720, 720))),
      icnQuorvel_(placed(new IconBox(kQuorvelIcon, QStringLiteral("Quorvel Software icon"), this),
                         QStringLiteral("icnQuorvel"), twipsRect(240, 240, 720, 720))) {
  addLabel(this, QStringLiteral("lblName"), twipsRect(1200, 240, 3135, 255), QStringLiteral("Pelorin version 1.0"));
  addLabel(this, QStringLiteral("lblCopywrite"), twipsRect(1200, 480, 3135, 255),
           QStringLiteral("Copyright (C) Quorvel Software"));
  addLabel(this, QStringLiteral("lblAuthor"), twipsRect(1200, 720, 3135, 255),
           QStringLiteral("Written by the Pelorin developers"));
  addLabel(this, QStringLiteral("lblComments"), twipsRect(1200, 1080, 3135, 615),
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
  addLabel(this, QStringLiteral("lblText"), twipsRect(120, 240, 3135, 975),
           QStringLiteral("The current License Agreement, and Registration Information are "
                          "available  from the Quorvel Software Home Page (see "
                          "Info->About->Quorvel)"));
  addOkButton(QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375), QStringLiteral("Ok"));
}

Info::Info()
    : PelorinDialog(QStringLiteral("Info"), QStringLiteral("Info"), twipsSize(6060, 2865), DialogBorder::Sizable) {
  addLabel(this, QStringLiteral("lblInfo"), twipsRect(120, 120, 4455, 2895),
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
      icnQuorvel_(placed(new IconBox(kQuorvelIcon, QStringLiteral("Quorvel Software icon"), this),
                         QStringLiteral("icnQuorvel"), twipsRect(240, 240, 720, 720))) {
  // Hidden until the load step shows it.
  icnQuorvel_->setVisible(false);
  addLabel(this, QStringLiteral("lblWebPage"), twipsRect(1080, 120, 3135, 975),
           QStringLiteral("To find out more about Quorvel Software and about other programs "
                          "made by Quorvel Software you can visit our web site. Our website "
                          "can be reached from the web site: "));
  addLabel(this, QStringLiteral("lblWebAddress"), twipsRect(1080, 960, 3135, 255),
           QStringLiteral("      https://example.com/quorvel"));
  addLabel(this, QStringLiteral("lblGetWebPage"), twipsRect(1080, 1200, 3255, 735),
           QStringLiteral(" Or, we will send you the current URL of Quorvel Software's home "
                          "pae if you send an e-mail to:"));
  addLabel(this, QStringLiteral("lblEMail"), twipsRect(1080, 1920, 2535, 1455),
           QStringLiteral("      quorvel@example.com"));
  addOkButton(QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375), QStringLiteral("Ok"));
}

void AboutQuorvel::loadStep() { icnQuorvel_->setVisible(true); }

}  // namespace pelorin
