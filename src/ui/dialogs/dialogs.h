#pragma once

#include <QPointer>
#include <QStringList>
#include <array>

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

enum class DialogId { ErrorMR, AboutAuthor, AboutQuorvel, AboutPelorin, License, Info };

// The dialog's name: "ErrorMR", "AboutAuthor", ...
QString dialogName(DialogId id);

// Owns the one instance of each dialog. Dialogs are top-level windows
// without a Qt parent; a dialog closed by its close box deletes itself and is
// loaded again by the next load or show. The remaining ones are deleted with
// this object.
class Dialogs {
 public:
  Dialogs() = default;
  ~Dialogs();
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;

  // Creates the dialog hidden and runs its load step, unless it is loaded.
  PelorinDialog* load(DialogId id);
  // Loads the dialog if needed, shows it modeless and brings it to the front.
  PelorinDialog* show(DialogId id);
  // The loaded dialog, or null.
  PelorinDialog* loaded(DialogId id) const;

  // The names of the dialogs in the order they were loaded, each reload again:
  // what the tests check the load order by.
  const QStringList& loadLog() const { return loadLog_; }

 private:
  static constexpr std::size_t kCount = 6;
  std::array<QPointer<PelorinDialog>, kCount> dialogs_;
  QStringList loadLog_;
};

}  // namespace pelorin
