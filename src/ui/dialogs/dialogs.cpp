#include "ui/dialogs/dialogs.h"

#include "ui/common/front_window.h"
#include "ui/common/label_fit.h"
#include "ui/dialogs/about_author.h"
#include "ui/dialogs/about_pelorin.h"
#include "ui/dialogs/about_quorvel.h"
#include "ui/dialogs/error_mr.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/license_dialog.h"

namespace pelorin {

namespace {

PelorinDialog* create(DialogId id) {
  switch (id) {
    case DialogId::ErrorMR: return new ErrorMR;
    case DialogId::AboutAuthor: return new AboutAuthor;
    case DialogId::AboutQuorvel: return new AboutQuorvel;
    case DialogId::AboutPelorin: return new AboutPelorin;
    case DialogId::License: return new License;
    case DialogId::Info: return new Info;
  }
  return nullptr;
}

}  // namespace

QString dialogName(DialogId id) {
  switch (id) {
    case DialogId::ErrorMR: return QStringLiteral("ErrorMR");
    case DialogId::AboutAuthor: return QStringLiteral("AboutAuthor");
    case DialogId::AboutQuorvel: return QStringLiteral("AboutQuorvel");
    case DialogId::AboutPelorin: return QStringLiteral("AboutPelorin");
    case DialogId::License: return QStringLiteral("License");
    case DialogId::Info: return QStringLiteral("Info");
  }
  return {};
}

Dialogs::~Dialogs() {
  for (QPointer<PelorinDialog>& dialog : dialogs_) delete dialog.data();
}

PelorinDialog* Dialogs::loaded(DialogId id) const {
  PelorinDialog* dialog = dialogs_[static_cast<std::size_t>(id)].data();
  // A closed dialog is gone for us even before its deferred deletion.
  return dialog != nullptr && !dialog->isUnloaded() ? dialog : nullptr;
}

PelorinDialog* Dialogs::load(DialogId id) {
  if (PelorinDialog* dialog = loaded(id)) return dialog;
  PelorinDialog* dialog = create(id);
  dialogs_[static_cast<std::size_t>(id)] = dialog;
  loadLog_.append(dialogName(id));
  fitTextToBoxes(dialog);
  dialog->loadStep();
  return dialog;
}

PelorinDialog* Dialogs::show(DialogId id) {
  PelorinDialog* dialog = load(id);
  bringToFront(dialog);
  return dialog;
}

}  // namespace pelorin
