#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "genetics/trait_sources.h"

namespace pelorin {

class clsObject;

// How a picture's genetic code was made, kept beside the picture in memory
// (never written to its genetic code file).
struct PictureOrigin {
  enum class How : std::uint8_t {
    NotMade,  // its genetic code has not been made (yet)
    Bred,     // from parents
    Random,   // wholly at random: no parents, or a rate of 1 or more
    Read,     // from the genetic code file fileName
    Pasted,   // from the clipboard text
  };

  How how = How::NotMade;
  double rate = 0.0;  // the mutation rate used
  QString rateText;   // that rate as the rate box held it, without blanks around it
  QString fileName;   // the file read, as the name box named it; empty unless Read
  // The parents' picture numbers in the order breeding took them: a trait
  // whose source is parent position p came from picture parents[p].
  std::vector<std::int16_t> parents;
  TraitSources sources;
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
// "Picture 3: read from pic.txt at mutation rate 0", "Picture 0: random".
QString OriginLine(const clsObject& picture);

}  // namespace pelorin
