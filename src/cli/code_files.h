#pragma once

#include <QString>

#include "ui/main_window_boxes.h"

namespace pelorin {
class clsGenSeq;
}

namespace pelorin::cli {

// The main window's two boxes for a program that has no window: the rate
// box holds rateText and the name box is empty. Installed while alive.
class RateBox final : public MainWindowBoxes {
 public:
  explicit RateBox(QString rateText);
  ~RateBox() override;
  RateBox(const RateBox&) = delete;
  RateBox& operator=(const RateBox&) = delete;

  QString mutationRateText() const override { return rateText_; }
  QString nameText() const override { return {}; }

 private:
  QString rateText_;
  MainWindowBoxes* previous_;
};

// Reads the genetic code file path into code as Open reads an existing file,
// at mutation rate 0, so code holds the file's own genes. Fails with
// FileSystem naming path when path is not a regular file (where Open would
// breed instead), otherwise as Load fails.
void ReadCodeFile(const QString& path, clsGenSeq& code);

}  // namespace pelorin::cli
