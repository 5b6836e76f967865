#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_surface.h"
#include "ui/file_dialogs.h"
#include "ui/frm_main.h"
#include "ui/frm_object.h"
#include "ui/mod_object.h"
#include "ui/user_messages.h"

namespace pelorin {
namespace {

using ::testing::_;

class MockMessages : public UserMessages {
 public:
  MOCK_METHOD(void, showFailure, (QWidget*, const QString&, const QString&), (override));
};

// Answers every save dialog with the path and filter a test sets.
class ScriptedFileDialogs : public FileDialogs {
 public:
  QString getSaveFileName(QWidget*, const QString&, const QString&, const QStringList& filters,
                          QString* selectedFilter) override {
    ++asked;
    offered = filters;
    *selectedFilter = filter;
    return path;
  }
  QString path;
  QString filter;
  QStringList offered;
  int asked = 0;
};

// A main window with one picture opened from it; the seams replaced.
class PictureWindow : public ::testing::Test {
 protected:
  PictureWindow()
      : previousMessages_(setUserMessages(&messages)), previousDialogs_(setFileDialogs(&dialogs)) {}
  ~PictureWindow() override {
    setUserMessages(previousMessages_);
    setFileDialogs(previousDialogs_);
  }

  void SetUp() override {
    main.show();
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("btnOpen")), Qt::LeftButton);
    picture = modObject::Registry().find(modObject::RegistryKey(0));
    ASSERT_NE(picture, nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* form = qobject_cast<frmObject*>(widget)) window = form;
    }
    ASSERT_NE(window, nullptr);
    QApplication::clipboard()->clear();
  }

  void activate() {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  const QImage& shown() { return window->picDraw->surface().image(); }

  ::testing::StrictMock<MockMessages> messages;
  ScriptedFileDialogs dialogs;
  frmMain main;
  std::shared_ptr<clsObject> picture;
  frmObject* window = nullptr;
  QTemporaryDir dir;

 private:
  UserMessages* previousMessages_;
  FileDialogs* previousDialogs_;
};

TEST_F(PictureWindow, CopyPutsThePictureAndItsGeneticCodeOnTheClipboard) {
  window->actCopy->trigger();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  ASSERT_TRUE(copied->hasImage());
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()), shown());
  EXPECT_EQ(copied->text(), QString::fromLatin1(GeneticCodeText(picture->GenCode)));
}

// Where the focus is when Ctrl+C is pressed, and what it copies.
enum class CtrlCFocus { Picture, NameBox, NameBoxWithSelection };

std::string focusName(CtrlCFocus focus) {
  switch (focus) {
    case CtrlCFocus::Picture: return "Picture";
    case CtrlCFocus::NameBox: return "NameBox";
    case CtrlCFocus::NameBoxWithSelection: return "NameBoxWithSelection";
  }
  return "Unknown";
}

class CtrlC : public PictureWindow, public ::testing::WithParamInterface<CtrlCFocus> {};

TEST_P(CtrlC, CopiesThePictureUnlessTheNameBoxHasASelection) {
  window->txtName->setText(QStringLiteral("pic.txt"));
  activate();
  QWidget* focus = GetParam() == CtrlCFocus::Picture ? static_cast<QWidget*>(window->picDraw) : window->txtName;
  focus->setFocus();
  if (GetParam() == CtrlCFocus::NameBoxWithSelection) window->txtName->setSelection(0, 3);
  QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  if (GetParam() == CtrlCFocus::NameBoxWithSelection) {
    EXPECT_FALSE(copied->hasImage());
    EXPECT_EQ(copied->text(), QStringLiteral("pic"));
  } else {
    EXPECT_TRUE(copied->hasImage());
    EXPECT_EQ(copied->text(), QString::fromLatin1(GeneticCodeText(picture->GenCode)));
  }
}

INSTANTIATE_TEST_SUITE_P(Focus, CtrlC,
                         ::testing::Values(CtrlCFocus::Picture, CtrlCFocus::NameBox,
                                           CtrlCFocus::NameBoxWithSelection),
                         [](const auto& info) { return focusName(info.param); });

// A name filter chosen in the export dialog and the image it gives.
struct ExportCase {
  const char* name;
  const char* filter;
  const char* file;     // as typed into the dialog
  const char* written;  // the file that results
  int scale;            // 0: SVG
};

void PrintTo(const ExportCase& c, std::ostream* out) { *out << c.name; }

class CtrlE : public PictureWindow, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(CtrlE, ExportsAsTheChosenFilterSays) {
  const ExportCase& c = GetParam();
  dialogs.path = dir.filePath(QString::fromLatin1(c.file));
  dialogs.filter = QString::fromLatin1(c.filter);
  activate();
  QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
  ASSERT_EQ(dialogs.asked, 1);
  EXPECT_TRUE(dialogs.offered.contains(dialogs.filter));
  const QString written = dir.filePath(QString::fromLatin1(c.written));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(c.written)});
  if (c.scale == 0) {
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int lines = 0;
    while (!xml.atEnd()) lines += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("line");
    EXPECT_FALSE(xml.hasError());
    int drawn = 0;
    for (std::int16_t i = 0; i < 64; ++i) drawn += picture->GenCode.GetGDraw(i) != 0;
    EXPECT_EQ(lines, drawn);
    return;
  }
  const QImage image(written);
  EXPECT_EQ(image.size(), shown().size() / shown().devicePixelRatio() * c.scale);
  if (c.scale == 1 && shown().devicePixelRatio() == 1.0) {
    EXPECT_EQ(image.convertToFormat(shown().format()), shown());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, CtrlE,
    ::testing::Values(ExportCase{"Png", "PNG image (*.png)", "pic.png", "pic.png", 1},
                      ExportCase{"Png2x", "PNG image, 2x (*.png)", "pic.png", "pic.png", 2},
                      ExportCase{"Png4xNoSuffix", "PNG image, 4x (*.png)", "pic", "pic.png", 4},
                      ExportCase{"Svg", "SVG image (*.svg)", "pic", "pic.svg", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PictureWindow, ExportIntoAMissingFolderSaysSoAndLeavesNothing) {
  dialogs.path = dir.filePath(QStringLiteral("missing/pic.png"));
  dialogs.filter = QStringLiteral("PNG image, 2x (*.png)");
  const QString named = QStringLiteral("File access error in \"%1\": ").arg(dialogs.path);
  EXPECT_CALL(messages, showFailure(window, _, ::testing::Truly([&](const QString& text) {
                                      return text.startsWith(named);
                                    })));
  window->actExportImage->trigger();
  EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(PictureWindow, CancelledExportWritesNothing) {
  window->actExportImage->trigger();
  EXPECT_EQ(dialogs.asked, 1);
  EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(PictureWindowWithoutPicture, CopyAndExportSaySoAndAskNothing) {
  ::testing::StrictMock<MockMessages> messages;
  ScriptedFileDialogs dialogs;
  UserMessages* previousMessages = setUserMessages(&messages);
  FileDialogs* previousDialogs = setFileDialogs(&dialogs);
  frmObject window;
  window.setTag(QStringLiteral("7"));
  QApplication::clipboard()->clear();
  EXPECT_CALL(messages, showFailure(&window, _, QStringLiteral("Nothing was copied: picture 7 could not be created.")));
  EXPECT_CALL(messages,
              showFailure(&window, _, QStringLiteral("Nothing was exported: picture 7 could not be created.")));
  window.actCopy->trigger();
  window.actExportImage->trigger();
  EXPECT_EQ(dialogs.asked, 0);
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_TRUE(copied == nullptr || !copied->hasImage());
  setUserMessages(previousMessages);
  setFileDialogs(previousDialogs);
}

}  // namespace
}  // namespace pelorin
