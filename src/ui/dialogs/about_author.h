#pragma once

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

// Where to find out about the author.
class AboutAuthor : public PelorinDialog {
  Q_OBJECT
 public:
  AboutAuthor();
};

}  // namespace pelorin
