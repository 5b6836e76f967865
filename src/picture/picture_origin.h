#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "app_state/mod_object.h"
#include "genetics/trait_sources.h"

namespace pelorin {

class clsObject;

// A picture the history recorded, as an origin names it: "picture 12 of the
// run of 8 Dec 2026 14:02", or "picture 12" when it is of this run (or of a
// run this one continues: the numbers are the same).
struct RecordedPictureName {
  PictureNumber number = 0;
  QDateTime runStart;
  bool thisRun = false;
  bool operator==(const RecordedPictureName&) const = default;
};

// How a picture's genetic code was made, kept beside the picture in memory
// (never written to its genetic code file).
struct PictureOrigin {
  enum class How : std::uint8_t {
    NotMade,  // its genetic code has not been made (yet)
    Bred,     // from parents
    Random,   // wholly at random: no parents, or a rate of 1 or more
    Read,     // from the genetic code file fileName
    Pasted,   // from the clipboard text
    Copied,   // exactly the genetic code of a recorded picture, copiedFrom
  };

  How how = How::NotMade;
  double rate = 0.0;  // the mutation rate used
  QString rateText;   // that rate as the rate box held it, without blanks around it
  QString fileName;   // the file read, as the name box named it; empty unless Read
  // The parents' picture numbers in the order breeding took them: a trait
  // whose source is parent position p came from picture parents[p].
  std::vector<std::int16_t> parents;
  TraitSources sources;
  // Read: the recorded picture whose save wrote exactly the bytes read, when
  // the history knows one.
  std::optional<RecordedPictureName> savedFrom;
  // Copied: the recorded picture whose genetic code this is.
  std::optional<RecordedPictureName> copiedFrom;
};

// What gave traits to a picture, with how many of the 448 each gave: the
// parents in breeding's order (a parent that gave none included), then new
// random values, then the text read, then genes never reached.
struct TraitShare {
  TraitSources::Kind kind;
  int picture;  // the parent's picture number; -1 unless kind is Parent
  int traits;
};
std::vector<TraitShare> TraitShares(const PictureOrigin& origin);

// The picture's origin in one line, in the user's language, as its tooltip
// shows it:
// "Picture 7: bred from 2 and 5 at mutation rate 0.05; 31 of 448 traits mutated",
// "Picture 3: read from pic.txt at mutation rate 0", "Picture 0: random",
// "Picture 6: read from a.txt, saved from picture 12 of the run of
// 8 Dec 2026 14:02, at mutation rate 0.5",
// "Picture 9: from picture 12 of the run of 8 Dec 2026 14:02".
QString OriginLine(const clsObject& picture);
// The same line for picture number `number` made as origin tells, as the
// history recorded it.
QString OriginLine(PictureNumber number, const PictureOrigin& origin);

// "picture 12 of the run of 8 Dec 2026 14:02" (local time), or "picture 12"
// for a picture of this run.
QString RecordedPictureText(const RecordedPictureName& picture);

// How finely a run's date is told: to the minute, as the origin lines and
// the family tree name a run, or to the second, as the History window does.
enum class RunDateDetail { Minutes, Seconds };

// When a run started (or ended): "8 Dec 2026 14:02", or "8 Dec 2026 14:02:31"
// with Seconds; in local time, English month names whatever the locale, as
// every text of the program.
QString RunDateText(const QDateTime& runStart, RunDateDetail detail = RunDateDetail::Minutes);

}  // namespace pelorin
