#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app_state/mod_genes.h"
#include "app_state/mod_object.h"
#include "genetics/gene_sequence.h"
#include "picture/line_geometry.h"
#include "picture/picture_origin.h"
#include "picture/picture_window.h"

namespace pelorin {

class clsObject;

// What a new picture is made from: the main window's boxes as they stood
// when Open was pressed, and the pictures ticked as parents then.
struct PictureRequest {
  QString name;                                     // the name box: a genetic code file to read, if it names one
  modGenes::RateText rateText;                      // the mutation-rate box
  std::vector<std::shared_ptr<clsObject>> parents;  // in registry order
  // The recorded picture that saved exactly the bytes of the file name
  // names, when the history knows one: a picture read from it names it.
  std::optional<RecordedPictureName> savedFrom;
};

// One picture: its name, number, genetic code, window and the 64 segments
// computed from the code. Only the picture itself writes its fields.
class clsObject {
 public:
  QString Name;                            // the name box at Init
  clsGenSeq GenCode;                       // the genetic code
  std::unique_ptr<PictureWindow> Display;  // created by Init
  PictureNumber ID = 0;                    // 0 for the first picture of a run
  PictureOrigin Origin;                    // how the genetic code was made

  // Takes the request's name and the next number, opens a window made by
  // makeWindow and draws the picture. Fails with Overflow when the numbers
  // are used up (before any window exists); any later failure leaves what
  // was done so far, and names the file when the code was read from one (a
  // path that overflows).
  void Init(const PictureRequest& request, const PictureWindowFactory& makeWindow);
  // Init for a picture whose genetic code is the whole genetic code in text,
  // read at the rate of rateText, each trait mutating: the text is read
  // before the picture takes a number, so text that is not a whole genetic
  // code fails (naming source, line and trait) with no number used and no
  // window. A later failure names source too. The picture's name is empty.
  void InitFromText(const QString& text, const QString& source, const modGenes::RateText& rateText,
                    const PictureWindowFactory& makeWindow);
  // Init for a picture the history recorded: number id, exactly code and
  // origin, named name. Takes no number from modObject::ObjectCount and
  // draws nothing at random.
  void InitRecorded(PictureNumber id, clsGenSeq&& code, PictureOrigin origin, const QString& name,
                    const PictureWindowFactory& makeWindow);
  // A picture whose window was closed gets a new one made by makeWindow,
  // showing the same number, name and drawing (computed again from its code)
  // and, as every new window, a clear Parent box.
  void Reopen(const PictureWindowFactory& makeWindow);
  // Sources the genetic code, computes the segments, then draws them.
  void Display_Draw(const PictureRequest& request);
  // Takes the request's rate, then loads the code from the file called Name
  // if it is an existing regular file, otherwise breeds it from the
  // request's parents (which become modObject::ParentList), recording the
  // origin. A file that is gone by the time it is opened fails with
  // FileSystem naming it. Keeps a code that came with the picture
  // (InitFromText).
  void MakeGenes(const PictureRequest& request);
  // Sources the genetic code, then computes the segments.
  void MakeObj(const PictureRequest& request);

  // What the picture's Parent box shows: 0 clear, 1 ticked, 2 greyed; 0
  // once the window is closed. Set through PictureRegistry::setParentBox.
  int ParentBoxValue() const;

  const SegmentTable& Segments() const { return Lines; }

 private:
  // Init's steps from taking the number to filling in the window.
  void openWindow(const PictureWindowFactory& makeWindow);
  // Makes, loads and fills in the window for the number and name it has.
  void makeWindow(const PictureWindowFactory& makeWindow);
  // Draws the segments already computed and shows them.
  void drawSegments();

  SegmentTable Lines;
  int parentBox_ = 0;  // the Parent box's value while the window is open

  friend class PictureRegistry;
};

// Makes the next picture as Open does (Init), then registers it. A picture
// that fails is not registered: its window, if it got one, stays.
std::shared_ptr<clsObject> OpenPicture(const PictureRequest& request, const PictureWindowFactory& makeWindow);
// The same for a picture whose genetic code is text (InitFromText).
std::shared_ptr<clsObject> OpenPictureFromText(const QString& text, const QString& source,
                                               const modGenes::RateText& rateText,
                                               const PictureWindowFactory& makeWindow);

// Makes a picture the history recorded (clsObject::InitRecorded), as
// number, or the next number when none, then registers it. Nothing is drawn
// at random: the picture is exactly code.
std::shared_ptr<clsObject> OpenRecordedPicture(std::optional<PictureNumber> number, clsGenSeq&& code,
                                               PictureOrigin origin, const QString& name,
                                               const PictureWindowFactory& makeWindow);

// Breeds code as Open does: takes the request's rate, puts its parents into
// modObject::ParentList and breeds from their genetic codes (clsGenSeq::Make).
// Returns how many parents it was bred from, 0 when wholly random.
int BreedFromRequest(clsGenSeq& code, const PictureRequest& request, TraitSources* sources = nullptr);

// The registered pictures whose Parent box is ticked, in registry order.
std::vector<std::shared_ptr<clsObject>> TickedPictures();

}  // namespace pelorin
