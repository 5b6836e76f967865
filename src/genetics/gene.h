#pragma once

#include <cstdint>

#include "platform/numbers.h"

namespace pelorin {

// One gene: the seven traits of one line segment. Traits are plain public
// fields; the ranges below are what the generators produce, not invariants
// (a genetic code file may bring any value of the type).
class clsGene {
 public:
  std::int16_t Length = 0;      // 0..999, in twips
  std::int16_t Width = 0;       // 1..16, pen width in pixels
  double Angle = 0.0;           // radians, 0 <= Angle < 6.28318023681640625
  std::int16_t ColorRed = 0;    // 0..255
  std::int16_t ColorGreen = 0;  // 0..255
  std::int16_t ColorBlue = 0;   // 0..255
  Bool16 Draw = kFalse16;       // -1 drawn, 0 hidden

  // Each generator reseeds the process-wide generator from the clock, then
  // makes exactly one draw u and stores the trait computed from it.
  void RndLength();      // floor(u * 1000)
  void RndWidth();       // floor(u * 16) + 1
  void RndAngle();       // (u + u) * 3.14159f, formed in double
  void RndColorRed();    // floor(u * 256)
  void RndColorBlue();   // floor(u * 256)
  void RndColorGreen();  // floor(u * 256)
  void RndDraw();        // true exactly when u >= 0.5

  // All seven traits, in the order Length, Angle, ColorBlue, ColorGreen,
  // ColorRed, Draw, Width: seven reseeds and seven draws.
  void Random();
};

}  // namespace pelorin
