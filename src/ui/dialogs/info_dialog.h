#pragma once

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

// How the program works.
class Info : public PelorinDialog {
  Q_OBJECT
 public:
  Info();
};

}  // namespace pelorin
