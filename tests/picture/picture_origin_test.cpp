#include "picture/picture_origin.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app_state/mod_object.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "platform/numbers.h"
#include "support/fake_picture_window.h"
#include "support/scripted_random.h"

namespace pelorin {
namespace {

// 100 bytes on the heap hold the rate's text and two parents' numbers.
static_assert(sizeof(PictureOrigin) + 100 <= 1024, "a picture's origin takes at most 1 KiB");

TEST(Origins, BredRandomReadAndPastedPicturesRecordHowTheyWereMade) {
  const ScopedNumberFormat english({u'.', u','});  // the rates below are written so
  testing::FakeWindows windows;
  EXPECT_EQ(OriginLine(*windows.open()), QStringLiteral("Picture 0: random"));
  for (int i = 1; i < 4; ++i) windows.open();
  windows.setParentBox(3, 1);
  windows.setParentBox(1, 1);
  windows.rate = QStringLiteral("  0.05 ");
  {
    testing::ScriptedRandom script({0.01f, 0.5f}, 0.9f);  // gene 0's Angle mutates, the rest from picture 3
    const std::shared_ptr<clsObject> child = windows.open();
    EXPECT_EQ(OriginLine(*child),
              QStringLiteral("Picture 4: bred from 1 and 3 at mutation rate 0.05; 1 of 448 traits mutated"));
    child->Origin.parents = {0, 1, 2, 3, 4, 5};  // more than five are counted, not named
    EXPECT_TRUE(OriginLine(*child).startsWith(QStringLiteral("Picture 4: bred from 6 parents at mutation rate 0.05;")));
  }
  windows.rate = QStringLiteral("1");  // parents, but wholly random: every trait mutated
  const std::shared_ptr<clsObject> random = windows.open();
  EXPECT_EQ(OriginLine(*random), QStringLiteral("Picture 5: random at mutation rate 1"));
  EXPECT_EQ(random->Origin.sources.counts(), (std::vector<int>{0, 448, 0}));
  QTemporaryDir dir;
  windows.name = dir.filePath(QStringLiteral("pic.txt"));
  // Every angle read below mutates to the same direction: short segments keep
  // the path inside the 16-bit coordinates whatever lengths were drawn.
  for (std::int16_t k = 0; k < 64; ++k) random->GenCode.SetGColorLength(k, 100);
  SaveGeneticCode(random->GenCode, windows.name);
  windows.rate = QStringLiteral(" 0.5");
  std::vector<float> draws;  // per gene: Angle and Width mutate, the rest is read
  for (int k = 0; k < 64; ++k) draws.insert(draws.end(), {0.1f, 0.2f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.2f});
  testing::ScriptedRandom fromFile(draws);
  const std::shared_ptr<clsObject> read = windows.open();
  EXPECT_EQ(OriginLine(*read),
            QStringLiteral("Picture 6: read from pic.txt at mutation rate 0.5; 128 of 448 traits mutated"));
  // The same text pasted is read draw for draw as the file, with an empty name.
  testing::ScriptedRandom fromText(draws);
  clsObject pasted;
  pasted.InitFromText(QString::fromLatin1(GeneticCodeText(read->GenCode)), QStringLiteral("the clipboard text"),
                      windows.rate, windows.factory());
  EXPECT_EQ((std::pair{fromText.trace(), GeneticCodeText(pasted.GenCode)}),
            (std::pair{fromFile.trace(), GeneticCodeText(read->GenCode)}));
  EXPECT_EQ((std::pair{pasted.Name, windows.windows[7]->name}), (std::pair{QString(), QString()}));
  EXPECT_EQ(OriginLine(pasted),
            QStringLiteral("Picture 7: pasted from the clipboard at mutation rate 0.5; 128 of 448 traits mutated"));
}

// Up to five parents are named, more counted.
TEST(Origins, FiveParentsAreNamed) {
  clsObject child;
  child.ID = 9;
  child.Origin.how = PictureOrigin::How::Bred;
  child.Origin.rateText = QStringLiteral("0.05");
  child.Origin.parents = {1, 2, 3, 4, 5};
  EXPECT_EQ(OriginLine(child), QStringLiteral("Picture 9: bred from 1, 2, 3, 4 and 5 at mutation rate 0.05"));
}

}  // namespace
}  // namespace pelorin
