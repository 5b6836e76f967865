#pragma once

#include "ui/pelorin_dialog.h"

namespace pelorin {

// How the program works.
class Info : public PelorinDialog {
  Q_OBJECT
 public:
  Info();
};

}  // namespace pelorin
