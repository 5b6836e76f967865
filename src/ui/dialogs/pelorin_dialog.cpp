#include "ui/dialogs/pelorin_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "ui/common/controls.h"

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

}  // namespace pelorin
