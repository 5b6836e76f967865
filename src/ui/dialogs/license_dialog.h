#pragma once

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

// Where the license agreement is found.
class License : public PelorinDialog {
  Q_OBJECT
 public:
  License();
};

}  // namespace pelorin
