#pragma once

#include <QString>

namespace pelorin {

// What the model reads of the main window: the texts of its two boxes. The
// main window provides it, so the model never touches a widget.
class MainWindowBoxes {
 public:
  virtual ~MainWindowBoxes() = default;
  virtual QString mutationRateText() const = 0;
  virtual QString nameText() const = 0;
};

// The boxes the model reads; null until a main window registers itself, when
// both read as empty.
void setMainWindowBoxes(MainWindowBoxes* boxes);
MainWindowBoxes* mainWindowBoxes();

}  // namespace pelorin
