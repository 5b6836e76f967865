#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "genetics/gene_sequence.h"
#include "picture/line_geometry.h"
#include "picture/picture_window.h"

namespace pelorin {

// One picture: its name, number, genetic code, window and the 64 segments
// computed from the code. Only the picture itself writes its fields.
class clsObject {
 public:
  QString Name;                            // the main window's name box at Init
  clsGenSeq GenCode;                       // the genetic code
  std::unique_ptr<PictureWindow> Display;  // created by Init
  std::int16_t ID = 0;                     // 0 for the first picture of a run

  // Takes the name and the next number, opens the window and draws the
  // picture. Fails with Overflow when the numbers are used up (before any
  // window exists); any later failure leaves what was done so far.
  void Init();
  // Sources the genetic code, computes the segments, then draws them.
  void Display_Draw();
  // Loads the code from the file called Name if it is an existing regular
  // file, otherwise breeds it. A file that is gone by the time it is opened
  // fails with FileSystem naming it.
  void MakeGenes();
  // Sources the genetic code, then computes the segments.
  void MakeObj();

  // The Parent box of the picture's window; 0 once the window is closed.
  int ParentBoxValue() const;

  const SegmentTable& Segments() const { return Lines; }

 private:
  SegmentTable Lines;
};

}  // namespace pelorin
