#include "picture/picture_origin.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "platform/failure.h"
#include "platform/numbers.h"
#include "support/failure_of.h"
#include "support/fake_main_boxes.h"
#include "support/fake_picture_window.h"
#include "support/scripted_random.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

using testing::ScriptedRandom;
using Kind = TraitSources::Kind;

class Origins : public ::testing::Test {
 protected:
  // A genetic code file of new genes, gene 63's Length 5.
  QString savedFile() {
    clsGenSeq saved;
    saved.SetGColorLength(63, 5);
    SaveGeneticCode(saved, dir.filePath(QStringLiteral("pic.txt")));
    return dir.filePath(QStringLiteral("pic.txt"));
  }
  std::shared_ptr<clsObject> paste(const QString& text) {
    auto picture = std::make_shared<clsObject>();
    picture->InitFromText(text, QStringLiteral("the clipboard text"));
    return picture;
  }

  ScopedNumberFormat english_{{u'.', u','}};  // the rates below are written so
  testing::FakeMainBoxes boxes;
  testing::FakeWindows windows;
  QTemporaryDir dir;
};

TEST_F(Origins, BredRandomAndReadPicturesRecordHowTheyWereMade) {
  EXPECT_EQ(OriginLine(*windows.open()), QStringLiteral("Picture 0: random"));
  for (int i = 1; i < 4; ++i) windows.open();
  windows.windows[3]->parent = windows.windows[1]->parent = 1;
  boxes.rate = QStringLiteral("  0.05 ");
  {
    ScriptedRandom script({0.01f, 0.5f}, 0.9f);  // gene 0's Angle mutates, the rest from picture 3
    const std::shared_ptr<clsObject> child = windows.open();
    EXPECT_EQ(child->Origin.parents, (std::vector<std::int16_t>{1, 3}));
    EXPECT_EQ(child->Origin.sources.at(0, Trait::ColorBlue), (TraitSources::Source{Kind::Parent, 1}));
    EXPECT_EQ(OriginLine(*child).toStdString(),
              "Picture 4: bred from 1 and 3 at mutation rate 0.05; 1 of 448 traits mutated");
    const std::vector<TraitShare> shares = TraitShares(child->Origin);
    ASSERT_EQ(shares.size(), 3u);  // a parent that gave nothing is listed too
    EXPECT_EQ((std::tuple{shares[0].picture, shares[0].traits, shares[1].picture, shares[1].traits, shares[2].kind}),
              (std::tuple{1, 0, 3, 447, Kind::Mutated}));
  }
  boxes.rate = QStringLiteral("1");
  EXPECT_EQ(OriginLine(*windows.open()), QStringLiteral("Picture 5: random at mutation rate 1"));

  boxes.name = savedFile();
  boxes.rate = QStringLiteral(" 0.5");
  std::vector<float> draws;  // per gene: Angle and Width mutate, the rest is read
  for (int k = 0; k < 64; ++k) draws.insert(draws.end(), {0.1f, 0.2f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.2f});
  ScriptedRandom script(draws);
  const std::shared_ptr<clsObject> read = windows.open();
  EXPECT_EQ(read->Origin.fileName, boxes.name);
  EXPECT_EQ(read->Origin.sources.at(63, Trait::Length).kind, Kind::Read);
  EXPECT_EQ(read->Origin.sources.at(63, Trait::Width).kind, Kind::Mutated);
  EXPECT_EQ(OriginLine(*read).toStdString(),
            "Picture 6: read from pic.txt at mutation rate 0.5; 128 of 448 traits mutated");
}

TEST_F(Origins, PastedTextIsReadAsTheSameFileWouldBeUnderTheNextNumberWithAnEmptyName) {
  boxes.name = savedFile();
  boxes.rate = QStringLiteral("0.5");
  const std::vector<float> draws = {0.9f, 0.1f, 0.3f, 0.9f, 0.2f, 0.7f};  // ColorBlue and ColorRed mutate
  ScriptedRandom fromFile(draws, 0.6f);
  const std::shared_ptr<clsObject> read = windows.open();
  ScriptedRandom fromText(draws, 0.6f);
  const std::shared_ptr<clsObject> pasted = paste(QString::fromLatin1(GeneticCodeText(read->GenCode)));
  EXPECT_EQ(fromText.trace(), fromFile.trace());
  EXPECT_EQ(GeneticCodeText(pasted->GenCode), GeneticCodeText(read->GenCode));
  EXPECT_EQ((std::tuple{pasted->ID, pasted->Name, windows.windows[1]->caption, windows.windows[1]->name}),
            (std::tuple{std::int16_t{1}, QString(), QStringLiteral("1"), QString()}));
  EXPECT_EQ(OriginLine(*pasted).toStdString(),
            "Picture 1: pasted from the clipboard at mutation rate 0.5; 2 of 448 traits mutated");
}

TEST_F(Origins, TextThatIsNotAWholeGeneticCodeOrNoNumberLeftCreatesNothing) {
  windows.open();
  EXPECT_EQ(testing::caughtFailure([&] { paste(QStringLiteral("1\n2\n")); }).message().toStdString(),
            "Input past end of file in line 3 of the clipboard text: ColorGreen of gene 0");
  EXPECT_EQ((std::pair{modObject::ObjectCount, windows.windows.size()}), (std::pair{std::int16_t{1}, std::size_t{1}}));
  modObject::ObjectCount = 32767;
  ScriptedRandom script;
  EXPECT_EQ(testing::failureOf([&] { paste(QString()); }), FailureKind::Overflow);
  EXPECT_EQ(script.trace(), "");  // nothing read
  EXPECT_EQ(windows.windows.size(), 1u);
}

class Line : public ::testing::TestWithParam<std::tuple<PictureOrigin::How, std::vector<std::int16_t>, const char*>> {};

TEST_P(Line, NamesAFewParentsAndCountsMany) {
  const auto& [how, parents, expected] = GetParam();
  clsObject picture;
  picture.ID = 7;
  picture.Origin.how = how;
  picture.Origin.parents = parents;
  picture.Origin.rateText = QStringLiteral("1e-3");
  EXPECT_EQ(OriginLine(picture).toStdString(), expected);
}

using How = PictureOrigin::How;
INSTANTIATE_TEST_SUITE_P(Origins, Line,
                         ::testing::Values(std::tuple{How::Bred, std::vector<std::int16_t>{4},
                                                      "Picture 7: bred from 4 at mutation rate 1e-3"},
                                           std::tuple{How::Bred, std::vector<std::int16_t>{0, 1, 2, 3, 4},
                                                      "Picture 7: bred from 0, 1, 2, 3 and 4 at mutation rate 1e-3"},
                                           std::tuple{How::Bred, std::vector<std::int16_t>{0, 1, 2, 3, 4, 5},
                                                      "Picture 7: bred from 6 parents at mutation rate 1e-3"},
                                           std::tuple{How::NotMade, std::vector<std::int16_t>{},
                                                      "Picture 7: not made"}));

TEST(OriginMemory, StaysUnderOneKibibyteWithItsHeap) {
  // The rate's text and two parents' numbers add under 100 bytes on the heap.
  EXPECT_LE(sizeof(PictureOrigin) + 100, 1024u);
}

}  // namespace
}  // namespace pelorin
