#include "picture/picture_object.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "genetics/genetic_code_file.h"
#include "picture/picture_registry.h"
#include "platform/failure.h"
#include "support/failure_of.h"
#include "support/fake_picture_window.h"
#include "support/scripted_random.h"

namespace pelorin {
namespace {

using testing::FakeWindows;

class PictureObject : public ::testing::Test {
 protected:
  FakeWindows windows;
};

TEST_F(PictureObject, PicturesAreNumberedAndTheirWindowsTitled) {
  windows.name = QStringLiteral("no such file");
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

// The box is the picture's: every change is told once, a closed window reads
// clear, and the window a reopened picture gets starts clear.
TEST_F(PictureObject, TheParentBoxIsThePicturesToldOnceClearOnceClosedAndOnReopen) {
  auto picture = windows.open();
  std::vector<std::pair<PictureNumber, int>> told;
  const auto connection = QObject::connect(&modObject::Registry(), &PictureRegistry::parentBoxChanged,
                                           [&](PictureNumber number, int value) { told.emplace_back(number, value); });
  FakeWindows::setParentBox(0, 1);
  FakeWindows::setParentBox(0, 1);
  FakeWindows::setParentBox(7, 1);  // no such picture
  EXPECT_EQ(picture->ParentBoxValue(), 1);
  windows.windows[0]->closed = true;
  EXPECT_EQ(picture->ParentBoxValue(), 0);
  picture->Reopen(windows.factory());
  EXPECT_EQ(picture->ParentBoxValue(), 0);
  QObject::disconnect(connection);
  EXPECT_EQ(told, (std::vector<std::pair<PictureNumber, int>>{{0, 1}}));
}

TEST_F(PictureObject, CounterAtItsLimitFailsBeforeAnyWindow) {
  modObject::ObjectCount = 32766;
  auto last = windows.open();
  EXPECT_EQ(last->ID, 32766);
  for (int attempt = 0; attempt < 2; ++attempt) {
    clsObject picture;
    EXPECT_EQ(testing::failureOf([&] { picture.Init(windows.request(), windows.factory()); }), FailureKind::Overflow);
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
  windows.name = file;
  auto loaded = windows.open();
  EXPECT_EQ(windows.windows.back()->name, file);
  EXPECT_EQ(GeneticCodeText(loaded->GenCode), GeneticCodeText(saved));

  // A folder and an empty name both breed: nothing is read, every gene drawn.
  for (const QString& name : {dir.path(), QString()}) {
    windows.name = name;
    testing::ScriptedRandom script({}, 0.5f);
    auto bred = windows.open();
    EXPECT_EQ(script.draws(), 64 * 7) << name.toStdString();
    EXPECT_EQ(bred->GenCode.GetGLength(3), 500);
  }
}

// A file found but not readable fails as a file failure naming it: the
// picture is not made blank from what could not be read.
TEST_F(PictureObject, AFileFoundButUnreadableIsAFileFailureNotABlankPicture) {
  windows.name = QStringLiteral("/proc/self/mem");
  clsObject picture;
  const Failure failure = testing::caughtFailure([&] { picture.Init(windows.request(), windows.factory()); });
  EXPECT_EQ((std::pair{failure.kind(), failure.path()}), (std::pair{FailureKind::FileSystem, windows.name}));
  EXPECT_EQ(windows.windows.size(), 1u);  // shown before the file was looked at
}

}  // namespace
}  // namespace pelorin
