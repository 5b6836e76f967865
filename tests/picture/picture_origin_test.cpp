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
  ScopedNumberFormat english_{{u'.', u','}};  // the rates below are written so
  testing::FakeMainBoxes boxes;
  testing::FakeWindows windows;
};

TEST_F(Origins, BredRandomReadAndPastedPicturesRecordHowTheyWereMade) {
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

  QTemporaryDir dir;
  boxes.name = dir.filePath(QStringLiteral("pic.txt"));
  SaveGeneticCode(windows.open()->GenCode, boxes.name);
  boxes.rate = QStringLiteral(" 0.5");
  std::vector<float> draws;  // per gene: Angle and Width mutate, the rest is read
  for (int k = 0; k < 64; ++k) draws.insert(draws.end(), {0.1f, 0.2f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.2f});
  ScriptedRandom fromFile(draws);
  const std::shared_ptr<clsObject> read = windows.open();
  EXPECT_EQ(read->Origin.fileName, boxes.name);
  EXPECT_EQ(OriginLine(*read).toStdString(),
            "Picture 7: read from pic.txt at mutation rate 0.5; 128 of 448 traits mutated");

  // The same text pasted is read draw for draw as the file, under the next
  // number and with an empty name.
  ScriptedRandom fromText(draws);
  clsObject pasted;
  pasted.InitFromText(QString::fromLatin1(GeneticCodeText(read->GenCode)), QStringLiteral("the clipboard text"));
  EXPECT_EQ(fromText.trace(), fromFile.trace());
  EXPECT_EQ(GeneticCodeText(pasted.GenCode), GeneticCodeText(read->GenCode));
  EXPECT_EQ((std::tuple{pasted.ID, pasted.Name, windows.windows[8]->caption, windows.windows[8]->name}),
            (std::tuple{std::int16_t{8}, QString(), QStringLiteral("8"), QString()}));
  EXPECT_EQ(OriginLine(pasted).toStdString(),
            "Picture 8: pasted from the clipboard at mutation rate 0.5; 128 of 448 traits mutated");

  modObject::ObjectCount = 32767;  // no number left: nothing read, no window
  EXPECT_EQ(testing::failureOf([&] { pasted.InitFromText(QString(), QStringLiteral("the clipboard text")); }),
            FailureKind::Overflow);
  EXPECT_EQ(fromText.trace().size(), fromFile.trace().size());
  EXPECT_EQ(windows.windows.size(), 9u);
}

TEST(OriginLine, NamesUpToFiveParentsAndCountsMore) {
  clsObject picture;
  picture.ID = 7;
  picture.Origin.how = PictureOrigin::How::Bred;
  picture.Origin.rateText = QStringLiteral("1e-3");
  picture.Origin.parents = {4};
  EXPECT_EQ(OriginLine(picture).toStdString(), "Picture 7: bred from 4 at mutation rate 1e-3");
  picture.Origin.parents = {0, 1, 2, 3, 4};
  EXPECT_EQ(OriginLine(picture).toStdString(), "Picture 7: bred from 0, 1, 2, 3 and 4 at mutation rate 1e-3");
  picture.Origin.parents.push_back(5);
  EXPECT_EQ(OriginLine(picture).toStdString(), "Picture 7: bred from 6 parents at mutation rate 1e-3");
}

TEST(OriginMemory, StaysUnderOneKibibyteWithItsHeap) {
  // The rate's text and two parents' numbers add under 100 bytes on the heap.
  EXPECT_LE(sizeof(PictureOrigin) + 100, 1024u);
}

}  // namespace
}  // namespace pelorin
