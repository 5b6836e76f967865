#pragma once

#include "ui/dialogs/pelorin_dialog.h"

namespace pelorin {

class IconBox;

// About the program. Clicking the visible icon swaps it for the other one.
class AboutPelorin : public PelorinDialog {
  Q_OBJECT
 public:
  AboutPelorin();
  void loadStep() override;

  // 0 while the program's icon shows, 1 while the maker's icon shows.
  int iconFlag() const { return iconFlag_; }

 private:
  void icnPelorin_Click();
  void icnQuorvel_Click();

  IconBox* icnPelorin_;
  IconBox* icnQuorvel_;
  int iconFlag_ = 0;
};

}  // namespace pelorin
