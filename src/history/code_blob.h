#pragma once

#include <QByteArray>
#include <array>

#include "genetics/gene.h"
#include "genetics/gene_sequence.h"
#include "genetics/trait_sources.h"

namespace pelorin::history {

// The 448 values of one genetic code as plain values, gene 0 first.
using GeneticCodeValues = std::array<clsGene, clsGenSeq::kGeneCount>;

// Reads every gene of code (a gene not yet created reads as a new gene).
GeneticCodeValues ValuesOf(clsGenSeq& code);
// Stores every value into code, unchanged.
void CopyInto(const GeneticCodeValues& values, clsGenSeq& code);

// The stored forms: a format byte, then the values; the trait sources
// deflated when that is shorter, the code as it is (deflating it saves only a
// sixth, at a cost per picture recorded). Doubles keep their exact bits.
// Decoding a blob that is not one of these forms fails with TypeMismatch.
QByteArray EncodeCode(const GeneticCodeValues& values);
GeneticCodeValues DecodeCode(const QByteArray& blob);
QByteArray EncodeSources(const TraitSources& sources);
TraitSources DecodeSources(const QByteArray& blob);

// The 64-bit pattern of a double and back, for columns that must keep
// every bit (SQLite may store a whole REAL as an integer and lose -0.0).
std::int64_t DoubleBits(double value);
double DoubleFromBits(std::int64_t bits);

}  // namespace pelorin::history
