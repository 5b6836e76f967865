#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "genetics/gene_sequence.h"
#include "picture/line_geometry.h"
#include "picture/picture_origin.h"
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
  PictureOrigin Origin;                    // how the genetic code was made

  // Takes the name and the next number, opens the window and draws the
  // picture. Fails with Overflow when the numbers are used up (before any
  // window exists); any later failure leaves what was done so far, and names
  // the file when the code was read from one (a path that overflows).
  void Init();
  // Init for a picture whose genetic code is the whole genetic code in text,
  // read at the rate box's rate, each trait mutating: the text is read before
  // the picture takes a number, so text that is not a whole genetic code
  // fails (naming source, line and trait) with no number used and no window.
  // A later failure names source too. The picture's name is empty.
  void InitFromText(const QString& text, const QString& source);
  // Sources the genetic code, computes the segments, then draws them.
  void Display_Draw();
  // Loads the code from the file called Name if it is an existing regular
  // file, otherwise breeds it, recording the origin. A file that is gone by
  // the time it is opened fails with FileSystem naming it. Keeps a code that
  // came with the picture (InitFromText).
  void MakeGenes();
  // Sources the genetic code, then computes the segments.
  void MakeObj();

  // The Parent box of the picture's window; 0 once the window is closed.
  int ParentBoxValue() const;

  const SegmentTable& Segments() const { return Lines; }

 private:
  // Init's steps from taking the number to filling in the window.
  void openWindow();

  SegmentTable Lines;
};

}  // namespace pelorin
