#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <bit>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "support/gui_fixture.h"

namespace pelorin {
namespace {

class PictureWindows : public testing::MainWindowTest {
 protected:
  static void tick(frmObject* form) {
    form->cbxParent()->click();
    ASSERT_TRUE(form->cbxParent()->isChecked());
  }
  static clsGenSeq& code(int id) { return modObject::Registry().find(modObject::RegistryKey(id))->GenCode; }
  static const QImage& image(frmObject* form) { return form->picDraw()->surface().image(); }
  void expectNoMessages() { EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString(); }
};

TEST_F(PictureWindows, OpensNumberedWindowsRegisteredInOrderWithAFixedLayout) {
  for (int i = 0; i < 3; ++i) {
    frmObject* form = open(QStringLiteral(" 0"), QStringLiteral("  "));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QString::number(i));
    EXPECT_EQ(form->tag(), QString::number(i));
    EXPECT_EQ(form->txtName()->text(), QStringLiteral("  "));  // blanks are a name, used unchanged
  }
  ASSERT_EQ(modObject::Registry().count(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(modObject::Registry().keyAt(i), QStringLiteral(" %1").arg(i));
  EXPECT_EQ(main.dialogs().loaded(DialogId::ErrorMR), nullptr);
  expectNoMessages();

  frmObject* form = pictureWindows()[0];
  EXPECT_EQ(form->size(), QSize(217, 153));
  const std::pair<const char*, QRect> table[] = {{"txtName", {64, 120, 145, 25}}, {"btnSave", {8, 48, 73, 25}},
                                                 {"picDraw", {96, 8, 113, 105}},  {"btnDone", {8, 16, 73, 25}},
                                                 {"cbxParent", {16, 80, 73, 25}}, {"lblName", {16, 120, 41, 17}}};
  form->resize(400, 300);
  for (const auto& [name, pixels] : table) EXPECT_EQ(testing::child<QWidget>(*form, name)->geometry(), pixels) << name;
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(PictureWindows, StartInTheNameBoxUntickedTabThroughEveryControlAndCloseOnEscape) {
  const QPointer<frmObject> form = open();
  testing::activate(form);
  EXPECT_FALSE(form->cbxParent()->isChecked());
  QStringList visited;
  for (int i = 0; i < 6; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
    visited << QApplication::focusWidget()->objectName();
  EXPECT_EQ(visited, QStringList({"txtName", "btnSave", "picDraw", "btnDone", "cbxParent", "txtName"}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

TEST_F(PictureWindows, RateZeroCopiesTheOneParentExactlyAndClosedParentsAreNeverUsed) {
  frmObject* parent = open();
  open();  // not ticked
  tick(parent);
  frmObject* child = open();
  ASSERT_EQ(GeneticCodeText(code(2)), GeneticCodeText(code(0)));
  for (std::int16_t i = 0; i < 64; ++i) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(code(2).GetGAngle(i)), std::bit_cast<std::uint64_t>(code(0).GetGAngle(i)));
  }
  EXPECT_EQ(image(child), image(parent));

  tick(child);
  QTest::mouseClick(parent->btnDone(), Qt::LeftButton);
  child->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(pictureWindows().size(), 1);
  EXPECT_EQ(open()->windowTitle(), QStringLiteral("3"));
  EXPECT_EQ(modObject::ParentList().count(), 0u);
  EXPECT_EQ(modObject::Registry().count(), 4u);
}

TEST_F(PictureWindows, SaveWritesOnlyANamedFileInAnExistingFolderThatOpensAgainByName) {
  frmObject* original = open(QStringLiteral("0.3"));
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QTest::mouseClick(original->btnSave(), Qt::LeftButton);  // empty name
  QDir::setCurrent(previous);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  expectNoMessages();

  const QString missing = dir.filePath(QStringLiteral("missing/pic.txt"));
  original->txtName()->setText(missing);
  QTest::mouseClick(original->btnSave(), Qt::LeftButton);
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts[0].contains(missing)) << messages.texts[0].toStdString();
  EXPECT_FALSE(QFile::exists(missing));
  messages.texts.clear();

  const QString file = dir.filePath(QStringLiteral("pic.txt"));
  original->txtName()->setText(file);
  QTest::mouseClick(original->btnSave(), Qt::LeftButton);
  ASSERT_TRUE(QFile::exists(file));
  EXPECT_EQ(original->windowTitle(), QStringLiteral("0"));
  EXPECT_EQ(modObject::Registry().find(modObject::RegistryKey(0))->Name, QString());
  frmObject* reopened = open(QStringLiteral("0"), file);
  EXPECT_EQ(reopened->txtName()->text(), file);
  // The file keeps angles to 15 digits, so its text is what must match.
  EXPECT_EQ(GeneticCodeText(code(1)), GeneticCodeText(code(0)));
  EXPECT_EQ(image(reopened), image(original));
  expectNoMessages();
}

// A file whose reading or drawing fails after the picture's window is shown,
// and the message that reports it (%1: the file).
using FailingFile = std::tuple<const char*, QByteArray, const char*>;

class FailedOpen : public PictureWindows, public ::testing::WithParamInterface<FailingFile> {};

TEST_P(FailedOpen, IsReportedAndLeavesItsWindowTitledAndNamedWithNothingDrawnAndNothingToSave) {
  const auto& [name, text, message] = GetParam();
  const QString file = dir.filePath(QString::fromLatin1(name));
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
  out.close();
  frmObject* failed = open(QStringLiteral("0"), file);
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_EQ(messages.texts[0], QString::fromLatin1(message).replace(QLatin1String("%1"), file));
  ASSERT_NE(failed, nullptr);
  EXPECT_EQ(modObject::Registry().count(), 0u);
  EXPECT_EQ((QStringList{failed->windowTitle(), failed->tag(), failed->txtName()->text()}),
            (QStringList{"0", "0", file}));
  QImage shown = failed->picDraw()->grab().toImage(), blank = shown;
  blank.fill(systemWindowBackground());
  EXPECT_EQ(shown, blank);

  QTest::mouseClick(failed->btnSave(), Qt::LeftButton);  // its name box names the file
  ASSERT_EQ(messages.texts.size(), 2);
  EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("could not be created")));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_EQ(out.readAll(), text);

  QTest::mouseClick(failed->btnDone(), Qt::LeftButton);
  EXPECT_EQ(open()->windowTitle(), QStringLiteral("1"));
  EXPECT_EQ(modObject::Registry().count(), 1u);
}

// long: gene 0 points right with the longest length, past the largest coordinate.
const QByteArray kOffRecord = "0\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n1\r\n\r\n";
INSTANTIATE_TEST_SUITE_P(
    Files, FailedOpen,
    ::testing::Values(FailingFile{"short", "1\r\n2\r\n3\r\n",
                                  "Input past end of file in line 4 of \"%1\": ColorRed of gene 0"},
                      FailingFile{"long", "0\r\n0\r\n0\r\n0\r\nTrue\r\n32767\r\n1\r\n\r\n" + kOffRecord.repeated(63),
                                  "Overflow in \"%1\""}),
    [](const auto& info) { return std::string(std::get<0>(info.param)); });

TEST_F(PictureWindows, OpenAfterTheLastNumberFailsWithOverflow) {
  modObject::ObjectCount = 32767;
  open();
  EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Overflow")});
  EXPECT_EQ(pictureWindows().size(), 0);
  EXPECT_EQ(modObject::Registry().count(), 0u);
  EXPECT_EQ(modObject::ObjectCount, 32767);
}

}  // namespace
}  // namespace pelorin
