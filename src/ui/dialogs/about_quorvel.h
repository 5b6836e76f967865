#pragma once

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

class IconBox;

// About the maker. Its icon reacts to no click.
class AboutQuorvel : public PelorinDialog {
  Q_OBJECT
 public:
  AboutQuorvel();
  void loadStep() override;

 private:
  IconBox* icnQuorvel_;
};

}  // namespace pelorin
