#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <bit>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_surface.h"
#include "ui/frm_main.h"
#include "ui/frm_object.h"
#include "ui/mod_object.h"
#include "ui/user_messages.h"

namespace pelorin {
namespace {

class RecordingMessages final : public UserMessages {
 public:
  void showFailure(QWidget*, const QString&, const QString& text) override { texts << text; }
  QStringList texts;
};

class PictureWindows : public ::testing::Test {
 protected:
  PictureWindows() : previous_(setUserMessages(&messages)) {
    window.show();
    EXPECT_TRUE(dir.isValid());
  }
  ~PictureWindows() override { setUserMessages(previous_); }

  QLineEdit* box(const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); }

  // Presses Open with this rate and name; returns the newest picture window.
  frmObject* open(const QString& rate = QStringLiteral("0"), const QString& name = {}) {
    box("txtMutationRate")->setText(rate);
    box("txtName")->setText(name);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnOpen")), Qt::LeftButton);
    return newest();
  }

  static QList<frmObject*> pictureWindows() {
    QList<frmObject*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* form = qobject_cast<frmObject*>(widget); form != nullptr && form->isVisible()) found << form;
    }
    return found;
  }

  static frmObject* newest() {
    frmObject* last = nullptr;
    for (frmObject* form : pictureWindows()) {
      if (last == nullptr || form->windowTitle().toInt() > last->windowTitle().toInt()) last = form;
    }
    return last;
  }

  static void tick(frmObject* form) {
    // Click the indicator itself: the box's centre may lie beside it.
    QStyleOptionButton option;
    option.initFrom(form->cbxParent);
    const QRect indicator = form->cbxParent->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option,
                                                                       form->cbxParent);
    QTest::mouseClick(form->cbxParent, Qt::LeftButton, {}, indicator.center());
    ASSERT_TRUE(form->cbxParent->isChecked());
  }

  static std::shared_ptr<clsObject> picture(int id) {
    return modObject::Registry().find(modObject::RegistryKey(id));
  }

  // Every trait equal, angles bit for bit.
  static void expectSameCode(clsGenSeq& a, clsGenSeq& b) {
    ASSERT_EQ(GeneticCodeText(a), GeneticCodeText(b));
    for (std::int16_t i = 0; i < 64; ++i) {
      ASSERT_EQ(std::bit_cast<std::uint64_t>(a.GetGAngle(i)), std::bit_cast<std::uint64_t>(b.GetGAngle(i)));
    }
  }

  RecordingMessages messages;
  frmMain window;
  QTemporaryDir dir;

 private:
  UserMessages* previous_;
};

TEST_F(PictureWindows, OpensNumberedWindowsAndRegistersThemInOrder) {
  for (int i = 0; i < 3; ++i) {
    frmObject* form = open(QStringLiteral(" 0"), QStringLiteral("  "));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QString::number(i));
    EXPECT_EQ(form->tag(), QString::number(i));
    EXPECT_EQ(form->txtName->text(), QStringLiteral("  "));  // blanks are a name, used unchanged
  }
  ASSERT_EQ(modObject::Registry().count(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(modObject::Registry().keyAt(i), QStringLiteral(" %1").arg(i));
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(PictureWindows, LayoutStaysPutOnResize) {
  frmObject* form = open();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->size(), QSize(217, 153));
  const QRect expected[] = {{64, 120, 145, 25}, {8, 48, 73, 25}, {96, 8, 113, 105},
                            {8, 16, 73, 25},    {16, 80, 73, 25}, {16, 120, 41, 17}};
  const QWidget* controls[] = {form->txtName, form->btnSave, form->picDraw, form->btnDone, form->cbxParent,
                               form->lblName};
  form->resize(400, 300);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(controls[i]->geometry(), expected[i]) << i;
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(PictureWindows, RateZeroWithOneParentCopiesItExactly) {
  frmObject* parent = open();
  open();  // not ticked
  tick(parent);
  open(QStringLiteral("0"));
  expectSameCode(picture(2)->GenCode, picture(0)->GenCode);
  EXPECT_EQ(newest()->picDraw->surface().image(), parent->picDraw->surface().image());
}

TEST_F(PictureWindows, ClosedParentIsNeverUsedAgainButStaysRegistered) {
  frmObject* byDone = open();
  frmObject* byCloseBox = open();
  tick(byDone);
  tick(byCloseBox);
  QTest::mouseClick(byDone->btnDone, Qt::LeftButton);
  byCloseBox->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(pictureWindows().size(), 0);

  open(QStringLiteral("0"));
  EXPECT_EQ(modObject::ParentList().count(), 0u);
  EXPECT_EQ(modObject::Registry().count(), 3u);
  EXPECT_EQ(newest()->windowTitle(), QStringLiteral("2"));
}

TEST_F(PictureWindows, SavedPictureOpensAgainByName) {
  frmObject* original = open(QStringLiteral("0.3"));
  const QString file = dir.filePath(QStringLiteral("pic.txt"));
  original->txtName->setText(file);
  QTest::mouseClick(original->btnSave, Qt::LeftButton);
  ASSERT_TRUE(QFile::exists(file));
  EXPECT_EQ(original->windowTitle(), QStringLiteral("0"));  // nothing else changes
  EXPECT_EQ(picture(0)->Name, QString());

  frmObject* reopened = open(QStringLiteral("0"), file);
  EXPECT_EQ(reopened->txtName->text(), file);
  // The file keeps angles to 15 digits, so its text is what must match.
  EXPECT_EQ(GeneticCodeText(picture(1)->GenCode), GeneticCodeText(picture(0)->GenCode));
  EXPECT_EQ(reopened->picDraw->surface().image(), original->picDraw->surface().image());
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

TEST_F(PictureWindows, SaveWithAnEmptyNameWritesNothing) {
  frmObject* form = open();
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QTest::mouseClick(form->btnSave, Qt::LeftButton);
  QDir::setCurrent(previous);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(PictureWindows, FailedSaveIsReportedAndTheProgramGoesOn) {
  frmObject* form = open();
  const QString file = dir.filePath(QStringLiteral("missing/pic.txt"));
  form->txtName->setText(file);
  QTest::mouseClick(form->btnSave, Qt::LeftButton);
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts[0].contains(file)) << messages.texts[0].toStdString();
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_NE(open(), nullptr);
}

TEST_F(PictureWindows, FailedOpenIsReportedAndItsWindowSavesNothing) {
  const QString file = dir.filePath(QStringLiteral("short.txt"));
  {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("1\r\n2\r\n3\r\n");
  }
  frmObject* failed = open(QStringLiteral("0"), file);
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Input past end of file"))) << messages.texts[0].toStdString();
  EXPECT_TRUE(messages.texts[0].contains(file));
  ASSERT_NE(failed, nullptr);
  EXPECT_EQ(modObject::Registry().count(), 0u);

  QTest::mouseClick(failed->btnSave, Qt::LeftButton);  // its name box names the file
  ASSERT_EQ(messages.texts.size(), 2);
  EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("could not be created")));
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  EXPECT_EQ(in.readAll(), QByteArray("1\r\n2\r\n3\r\n"));

  QTest::mouseClick(failed->btnDone, Qt::LeftButton);
  frmObject* next = open();
  EXPECT_EQ(next->windowTitle(), QStringLiteral("1"));
  EXPECT_EQ(modObject::Registry().count(), 1u);
}

TEST_F(PictureWindows, OpenAfterTheLastNumberFailsWithOverflow) {
  modObject::ObjectCount = 32767;
  const int windowsBefore = pictureWindows().size();
  open();
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_EQ(messages.texts[0], QStringLiteral("Overflow"));
  EXPECT_EQ(pictureWindows().size(), windowsBefore);
  EXPECT_EQ(modObject::Registry().count(), 0u);
  EXPECT_EQ(modObject::ObjectCount, 32767);
}

}  // namespace
}  // namespace pelorin
