#include "genetics/gene.h"

#include "platform/random.h"

namespace pelorin {

namespace {

// A fresh draw, widened to double so the products below are exact.
double freshDraw() {
  Randomize();
  return static_cast<double>(Rnd());
}

}  // namespace

void clsGene::RndLength() { Length = floorToInt16(freshDraw() * 1000.0); }

void clsGene::RndWidth() { Width = checkedAdd16(floorToInt16(freshDraw() * 16.0), 1); }

void clsGene::RndAngle() {
  const double u = freshDraw();
  Angle = (u + u) * static_cast<double>(3.14159f);
}

void clsGene::RndColorRed() { ColorRed = floorToInt16(freshDraw() * 256.0); }

void clsGene::RndColorBlue() { ColorBlue = floorToInt16(freshDraw() * 256.0); }

void clsGene::RndColorGreen() { ColorGreen = floorToInt16(freshDraw() * 256.0); }

void clsGene::RndDraw() { Draw = floorToInt16(freshDraw() * 2.0) == 1 ? kTrue16 : kFalse16; }

void clsGene::Random() {
  RndLength();
  RndAngle();
  RndColorBlue();
  RndColorGreen();
  RndColorRed();
  RndDraw();
  RndWidth();
}

}  // namespace pelorin
