#include "history/code_blob.h"

#include <gtest/gtest.h>

#include <limits>

#include "history_fixture.h"
#include "support/failure_of.h"

namespace pelorin::history {
namespace {

using testing::SameBits;
using testing::SampleCode;

// Values a genetic code file may bring, beyond what the generators make.
struct ExtremeCase {
  const char* name;
  double angle;
  std::int16_t value;
};

class ExtremeValues : public ::testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeValues, CodeComesBackBitForBit) {
  GeneticCodeValues code = SampleCode(3);
  for (std::size_t i = 0; i < code.size(); i += 7) {
    code[i].Angle = GetParam().angle;
    code[i].Length = code[i].Width = code[i].ColorRed = code[i].ColorGreen = code[i].ColorBlue = code[i].Draw =
        GetParam().value;
  }
  EXPECT_TRUE(SameBits(DecodeCode(EncodeCode(code)), code));
}

INSTANTIATE_TEST_SUITE_P(Code, ExtremeValues,
                         ::testing::Values(ExtremeCase{"Zero", 0.0, 0}, ExtremeCase{"NegativeZero", -0.0, 0},
                                           ExtremeCase{"Smallest", -32768.0, -32768},
                                           ExtremeCase{"Largest", std::numeric_limits<double>::max(), 32767},
                                           ExtremeCase{"Subnormal", std::numeric_limits<double>::denorm_min(), -1},
                                           ExtremeCase{"Infinity", -std::numeric_limits<double>::infinity(), 1},
                                           ExtremeCase{"NaNWithPayload", DoubleFromBits(0x7ff0000000000123), 2},
                                           ExtremeCase{"LastBit", DoubleFromBits(0x3ff0000000000001), 999}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodeBlob, ValuesOfAndCopyIntoKeepEveryGene) {
  const GeneticCodeValues code = SampleCode(9);
  clsGenSeq sequence;
  CopyInto(code, sequence);
  EXPECT_EQ(sequence.GetGAngle(63), code[63].Angle);
  EXPECT_TRUE(SameBits(ValuesOf(sequence), code));
}

// Codes the store did not write: each is a TypeMismatch, never a crash.
class DamagedBlob : public ::testing::TestWithParam<QByteArray> {};

TEST_P(DamagedBlob, CodeFailsAsTypeMismatch) {
  EXPECT_EQ(pelorin::testing::failureOf([] { DecodeCode(GetParam()); }), FailureKind::TypeMismatch);
}

TEST_P(DamagedBlob, SourcesFailAsTypeMismatch) {
  EXPECT_EQ(pelorin::testing::failureOf([] { DecodeSources(GetParam()); }), FailureKind::TypeMismatch);
}

INSTANTIATE_TEST_SUITE_P(Blobs, DamagedBlob,
                         ::testing::Values(QByteArray(), QByteArray("\x00short", 6), QByteArray("\x01garbage", 8),
                                           QByteArray("\x07", 1) + QByteArray(1280, 'x'),
                                           EncodeCode(SampleCode(1)).left(40)));

TEST(SourcesBlob, EachKindComesBack) {
  TraitSources sources;
  sources.setMutated(0, Trait::Angle);
  sources.setRead(1, Trait::Draw);
  sources.setParent(2, Trait::Width, 0);
  sources.setParent(63, Trait::ColorRed, 252);
  const TraitSources back = DecodeSources(EncodeSources(sources));
  for (int gene = 0; gene < kGeneCount; ++gene) {
    for (int t = 0; t < kTraitCount; ++t) {
      ASSERT_EQ(back.at(gene, static_cast<Trait>(t)), sources.at(gene, static_cast<Trait>(t))) << gene << " " << t;
    }
  }
}

// 253 is the first position whose code does not fit a byte.
class WideParentPosition : public ::testing::TestWithParam<int> {};

TEST_P(WideParentPosition, ComesBack) {
  TraitSources sources;
  sources.setAllMutated();
  sources.setParent(5, Trait::Length, GetParam());
  sources.setParent(6, Trait::Width, 1);
  const TraitSources back = DecodeSources(EncodeSources(sources));
  EXPECT_EQ(back.at(5, Trait::Length), (TraitSources::Source{TraitSources::Kind::Parent, GetParam()}));
  EXPECT_EQ(back.at(6, Trait::Width), (TraitSources::Source{TraitSources::Kind::Parent, 1}));
  EXPECT_EQ(back.counts(), sources.counts());
}

INSTANTIATE_TEST_SUITE_P(SourcesBlob, WideParentPosition, ::testing::Values(253, 254, 4000, 32767));

}  // namespace
}  // namespace pelorin::history
