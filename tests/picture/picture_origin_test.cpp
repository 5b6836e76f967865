#include "picture/picture_origin.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "platform/failure.h"
#include "support/failure_of.h"
#include "support/fake_main_boxes.h"
#include "support/fake_picture_window.h"
#include "support/scripted_random.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

using testing::FakeMainBoxes;
using testing::FakeWindows;
using testing::ScriptedRandom;
using Kind = TraitSources::Kind;

const QString kClipboard = QStringLiteral("the clipboard text");

class Origins : public ::testing::Test {
 protected:
  // Opens n pictures; those listed become parents.
  void openPictures(int n, std::initializer_list<int> ticked) {
    for (int i = 0; i < n; ++i) windows.open();
    for (int i : ticked) windows.windows[static_cast<std::size_t>(i)]->parent = 1;
  }

  FakeMainBoxes boxes;
  FakeWindows windows;
};

TEST_F(Origins, BredPictureNamesItsParentsInBreedingOrderAndTheRateAsTheBoxHeldIt) {
  openPictures(4, {3, 1});
  boxes.rate = QStringLiteral("  0.05 ");
  // Gene 0's Angle mutates; everything else comes from the second parent.
  ScriptedRandom script({0.01f, 0.5f}, 0.9f);
  auto child = windows.open();
  const PictureOrigin& origin = child->Origin;
  EXPECT_EQ(origin.how, PictureOrigin::How::Bred);
  EXPECT_EQ(origin.parents, (std::vector<std::int16_t>{1, 3}));
  EXPECT_EQ(origin.rate, 0.05);
  EXPECT_EQ(origin.rateText, QStringLiteral("0.05"));
  EXPECT_EQ(origin.sources.at(0, Trait::Angle).kind, Kind::Mutated);
  EXPECT_EQ(origin.sources.at(0, Trait::ColorBlue), (TraitSources::Source{Kind::Parent, 1}));
  EXPECT_EQ(OriginLine(*child),
            QStringLiteral("Picture 4: bred from 1 and 3 at mutation rate 0.05; 1 of 448 traits mutated"));
  const std::vector<TraitShare> shares = TraitShares(origin);
  ASSERT_EQ(shares.size(), 3u);
  EXPECT_EQ((std::tuple{shares[0].kind, shares[0].picture, shares[0].traits}), (std::tuple{Kind::Parent, 1, 0}));
  EXPECT_EQ((std::tuple{shares[1].kind, shares[1].picture, shares[1].traits}), (std::tuple{Kind::Parent, 3, 447}));
  EXPECT_EQ((std::tuple{shares[2].kind, shares[2].picture, shares[2].traits}), (std::tuple{Kind::Mutated, -1, 1}));
}

TEST_F(Origins, RandomPicturesSayRandomAndTheRateOnlyWhenItMadeThemSo) {
  auto first = windows.open();
  EXPECT_EQ(first->Origin.how, PictureOrigin::How::Random);
  EXPECT_TRUE(first->Origin.parents.empty());
  EXPECT_EQ(first->Origin.sources.mutatedCount(), 448);
  EXPECT_EQ(OriginLine(*first), QStringLiteral("Picture 0: random"));
  windows.windows[0]->parent = 1;
  boxes.rate = QStringLiteral("1");
  EXPECT_EQ(OriginLine(*windows.open()), QStringLiteral("Picture 1: random at mutation rate 1"));
}

TEST_F(Origins, FileReadAtARateNamesTheFileAndCountsTheMutatedTraits) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pic.txt"));
  clsGenSeq saved;
  saved.SetGColorLength(63, 5);
  SaveGeneticCode(saved, path);
  boxes.name = path;
  boxes.rate = QStringLiteral(" 0.5");
  // Per gene: Angle and Width mutate (test and generator draws), the rest read.
  std::vector<float> draws;
  for (int k = 0; k < 64; ++k) draws.insert(draws.end(), {0.1f, 0.2f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.2f});
  ScriptedRandom script(draws);
  auto picture = windows.open();
  EXPECT_EQ(picture->Origin.how, PictureOrigin::How::Read);
  EXPECT_EQ(picture->Origin.fileName, path);
  EXPECT_EQ(picture->GenCode.GetGLength(63), 5);
  EXPECT_EQ(picture->Origin.sources.at(63, Trait::Width).kind, Kind::Mutated);
  EXPECT_EQ(picture->Origin.sources.at(63, Trait::Length).kind, Kind::Read);
  EXPECT_EQ(OriginLine(*picture),
            QStringLiteral("Picture 0: read from pic.txt at mutation rate 0.5; 128 of 448 traits mutated"));
}

TEST_F(Origins, PastedTextAtRateZeroGivesTheSameGeneticCodeUnderTheNextNumberWithAnEmptyName) {
  boxes.name = QStringLiteral("typed.txt");  // not the pasted picture's name
  auto copied = windows.open();
  const QString text = QString::fromLatin1(GeneticCodeText(copied->GenCode));
  auto pasted = std::make_shared<clsObject>();
  pasted->InitFromText(text, kClipboard);
  EXPECT_EQ(pasted->ID, 1);
  EXPECT_EQ(modObject::ObjectCount, 2);
  EXPECT_EQ(GeneticCodeText(pasted->GenCode), GeneticCodeText(copied->GenCode));
  EXPECT_EQ(pasted->Name, QString());
  ASSERT_EQ(windows.windows.size(), 2u);
  EXPECT_EQ(windows.windows[1]->name, QString());
  EXPECT_EQ(windows.windows[1]->caption, QStringLiteral("1"));
  EXPECT_EQ(pasted->Segments()[63].EndX, copied->Segments()[63].EndX);
  EXPECT_EQ(pasted->Origin.how, PictureOrigin::How::Pasted);
  EXPECT_EQ(pasted->Origin.sources.counts(), (std::vector<int>{0, 0, 448}));
  EXPECT_EQ(OriginLine(*pasted), QStringLiteral("Picture 1: pasted from the clipboard at mutation rate 0"));
}

TEST_F(Origins, PastedTextMutatesAtTheBoxRateDrawingAsAFileReadDoes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pic.txt"));
  clsGenSeq saved;
  SaveGeneticCode(saved, path);
  boxes.rate = QStringLiteral("0.5");
  const std::vector<float> draws = {0.9f, 0.1f, 0.3f, 0.9f, 0.2f, 0.7f};
  ScriptedRandom fromFile(draws, 0.6f);
  boxes.name = path;
  auto read = windows.open();
  ScriptedRandom fromText(draws, 0.6f);
  boxes.name.clear();
  auto pasted = std::make_shared<clsObject>();
  pasted->InitFromText(QString::fromLatin1(GeneticCodeText(saved)), kClipboard);
  EXPECT_EQ(fromText.trace(), fromFile.trace());
  EXPECT_EQ(GeneticCodeText(pasted->GenCode), GeneticCodeText(read->GenCode));
  EXPECT_EQ(OriginLine(*pasted),
            QStringLiteral("Picture 1: pasted from the clipboard at mutation rate 0.5; 2 of 448 traits mutated"));
}

TEST_F(Origins, TextThatIsNotAWholeGeneticCodeCreatesNothing) {
  windows.open();
  const QStringList lines = QString::fromLatin1(GeneticCodeText(windows.open()->GenCode)).split(QStringLiteral("\r\n"));
  QStringList wrong = lines;
  wrong[35] = QStringLiteral("red");
  const std::pair<QString, const char*> cases[] = {
      {wrong.join(QStringLiteral("\n")), "Type mismatch in line 36 of the clipboard text: ColorRed of gene 4"},
      {lines.mid(0, 59).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
       "Input past end of file in line 60 of the clipboard text: ColorRed of gene 7"},
      {QString(), "Input past end of file in line 1 of the clipboard text: Angle of gene 0"},
  };
  for (const auto& [text, message] : cases) {
    clsObject picture;
    EXPECT_EQ(testing::caughtFailure([&] { picture.InitFromText(text, kClipboard); }).message().toStdString(), message);
    EXPECT_EQ(modObject::ObjectCount, 2);
    EXPECT_EQ(windows.windows.size(), 2u);
  }
}

TEST_F(Origins, PastingWithTheNumbersUsedUpFailsBeforeReading) {
  modObject::ObjectCount = 32767;
  ScriptedRandom script;
  clsObject picture;
  EXPECT_EQ(testing::failureOf([&] { picture.InitFromText(QString(), kClipboard); }), FailureKind::Overflow);
  EXPECT_EQ(picture.ID, 32767);
  EXPECT_EQ(script.trace(), "");
  EXPECT_TRUE(windows.windows.empty());
}

struct LineCase {
  PictureOrigin::How how;
  std::vector<std::int16_t> parents;
  const char* rate;
  int mutated;
  const char* expected;
};

class Line : public ::testing::TestWithParam<LineCase> {};

TEST_P(Line, SaysHowThePictureWasMadeInOneLine) {
  const LineCase& c = GetParam();
  clsObject picture;
  picture.ID = 7;
  picture.Origin.how = c.how;
  picture.Origin.parents = c.parents;
  picture.Origin.rateText = QString::fromLatin1(c.rate);
  picture.Origin.rate = picture.Origin.rateText.toDouble();
  picture.Origin.fileName = QStringLiteral("/home/someone/pictures/pic.txt");
  for (int i = 0; i < c.mutated; ++i) picture.Origin.sources.setMutated(i / kTraitCount, static_cast<Trait>(i % 7));
  EXPECT_EQ(OriginLine(picture).toStdString(), c.expected);
}

using How = PictureOrigin::How;
INSTANTIATE_TEST_SUITE_P(
    Origins, Line,
    ::testing::Values(LineCase{How::Bred,
                               {2, 5},
                               "0.05",
                               31,
                               "Picture 7: bred from 2 and 5 at mutation rate 0.05; 31 of 448 traits mutated"},
                      LineCase{How::Bred, {4}, "0", 0, "Picture 7: bred from 4 at mutation rate 0"},
                      LineCase{How::Bred,
                               {0, 1, 2, 3, 4},
                               "1e-3",
                               1,
                               "Picture 7: bred from 0, 1, 2, 3 and 4 at mutation rate 1e-3; 1 of 448 traits mutated"},
                      LineCase{
                          How::Bred, {0, 1, 2, 3, 4, 5}, "0", 0, "Picture 7: bred from 6 parents at mutation rate 0"},
                      LineCase{How::Random, {}, "0.5", 448, "Picture 7: random"},
                      LineCase{How::Random, {}, "50", 448, "Picture 7: random at mutation rate 50"},
                      LineCase{How::Read, {}, "0", 0, "Picture 7: read from pic.txt at mutation rate 0"},
                      LineCase{How::NotMade, {}, "0", 0, "Picture 7: not made"}));

TEST(OriginMemory, AddsUnderOneKibibyteToAPicture) {
  PictureOrigin origin;
  origin.rateText = QStringLiteral("0.05");
  origin.parents = {12, 345};
  const std::size_t heap =
      static_cast<std::size_t>(origin.rateText.capacity()) * 2 + 16 + origin.parents.capacity() * sizeof(std::int16_t);
  EXPECT_LE(sizeof(PictureOrigin) + heap, 1024u);
}

}  // namespace
}  // namespace pelorin
