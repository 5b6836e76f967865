#pragma once

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

// Tells the user that the mutation rate is not a number.
class ErrorMR : public PelorinDialog {
  Q_OBJECT
 public:
  ErrorMR();
};

}  // namespace pelorin
