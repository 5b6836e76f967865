#include "picture/picture_object.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "genetics/genetic_code_file.h"
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

class PictureObject : public ::testing::Test {
 protected:
  FakeMainBoxes boxes;
  FakeWindows windows;
};

TEST_F(PictureObject, PicturesAreNumberedAndTheirWindowsTitled) {
  boxes.name = QStringLiteral("no such file");
  auto first = windows.open();
  auto second = windows.open();
  EXPECT_EQ(first->ID, 0);
  EXPECT_EQ(second->ID, 1);
  EXPECT_EQ(first->Name, QStringLiteral("no such file"));
  EXPECT_EQ(second->Name, first->Name);
  ASSERT_EQ(windows.windows.size(), 2u);
  EXPECT_TRUE(windows.windows[1]->visible);
  EXPECT_EQ(windows.windows[1]->tag, QStringLiteral("1"));
  EXPECT_EQ(windows.windows[1]->caption, QStringLiteral("1"));
  EXPECT_EQ(windows.windows[1]->name, QStringLiteral("no such file"));
  EXPECT_EQ(modObject::ObjectCount, 2);
  EXPECT_EQ(modObject::Registry().keyAt(1), QStringLiteral(" 1"));
}

TEST_F(PictureObject, CounterAtItsLimitFailsBeforeAnyWindow) {
  modObject::ObjectCount = 32766;
  auto last = windows.open();
  EXPECT_EQ(last->ID, 32766);
  for (int attempt = 0; attempt < 2; ++attempt) {
    clsObject picture;
    EXPECT_EQ(testing::failureOf([&] { picture.Init(); }), FailureKind::Overflow);
    EXPECT_EQ(picture.ID, 32767);
    EXPECT_EQ(modObject::ObjectCount, 32767);
    EXPECT_EQ(windows.windows.size(), 1u);
  }
}

TEST_F(PictureObject, AnExistingFileIsLoadedAnythingElseBred) {
  QTemporaryDir dir;
  clsGenSeq saved;
  for (std::int16_t i = 0; i < 64; ++i) saved.SetGColorLength(i, static_cast<std::int16_t>(i + 1));
  const QString file = dir.filePath(QStringLiteral("saved.txt"));
  SaveGeneticCode(saved, file);
  boxes.name = file;
  auto loaded = windows.open();
  EXPECT_EQ(windows.windows.back()->name, file);
  EXPECT_EQ(GeneticCodeText(loaded->GenCode), GeneticCodeText(saved));

  // A folder and an empty name both breed: nothing is read, every gene drawn.
  for (const QString& name : {dir.path(), QString()}) {
    boxes.name = name;
    testing::ScriptedRandom script({}, 0.5f);
    auto bred = windows.open();
    EXPECT_EQ(script.draws(), 64 * 7) << name.toStdString();
    EXPECT_EQ(bred->GenCode.GetGLength(3), 500);
  }
}

TEST_F(PictureObject, AFileGoneOnceFoundIsAFileFailureNotABlankPicture) {
  QTemporaryDir dir;
  clsGenSeq empty;
  SaveGeneticCode(empty, boxes.name = dir.filePath(QStringLiteral("saved.txt")));
  // Another program takes the file away after MakeGenes found it, as the rate box is read.
  boxes.whenRateRead = [this] { QFile::remove(boxes.name); };
  clsObject picture;
  const Failure failure = testing::caughtFailure([&] { picture.Init(); });
  EXPECT_EQ((std::pair{failure.kind(), failure.path()}), (std::pair{FailureKind::FileSystem, boxes.name}));
  EXPECT_EQ(windows.windows.size(), 1u);  // shown before the file was looked at
}

}  // namespace
}  // namespace pelorin
