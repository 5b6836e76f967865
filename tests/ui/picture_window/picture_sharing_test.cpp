#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QXmlStreamReader>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "picture/whole_path.h"
#include "support/gui_fixture.h"
#include "support/line_picture.h"
#include "ui/board/board_model.h"
#include "ui/board/frm_board.h"
#include "ui/common/picture_mime.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {
namespace {

using testing::child;
using testing::ShowsLine;

// One picture opened from the main window; any message must be expected.
class PictureWindow : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_NE(window = open(), nullptr);
    picture = modObject::Registry().find(modObject::RegistryKey(0));
    QApplication::clipboard()->clear();
    testing::activate(window);
  }
  void TearDown() override { EXPECT_EQ(messages.texts, expected); }
  const QImage& shown() { return window->picDraw()->surface().image(); }

  std::shared_ptr<clsObject> picture;
  frmObject* window = nullptr;
  QStringList expected;
};

TEST_F(PictureWindow, CtrlCCopiesThePictureAndItsCodeUnlessTheNameBoxHasASelection) {
  window->txtName()->setText(QStringLiteral("pic.txt"));
  const std::pair<QWidget*, bool> cases[] = {
      {window->picDraw(), false}, {window->txtName(), false}, {window->txtName(), true}};
  for (const auto& [focus, selection] : cases) {
    SCOPED_TRACE(focus->objectName().toStdString() + (selection ? " with a selection" : ""));
    focus->setFocus();
    if (selection) window->txtName()->setSelection(0, 3);
    QApplication::clipboard()->clear();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    ASSERT_EQ(copied->hasImage(), !selection);
    EXPECT_EQ(copied->text(),
              selection ? QStringLiteral("pic") : QString::fromLatin1(GeneticCodeText(picture->GenCode)));
    if (!selection) {
      EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()), shown());
      EXPECT_EQ(QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG").convertToFormat(shown().format()),
                shown());
      EXPECT_FALSE(copied->hasUrls());  // no file is written for the clipboard
    }
  }
}

// Dragging the picture, or its cell on the board, offers what Copy does and a
// file of the PNG in the program's own folder.
TEST_F(PictureWindow, ADragOffersThePictureItsCodeAndTheFileOfItsPng) {
  const QString file = QDir(DragFolder()).filePath(QStringLiteral("picture-0.png"));
  QFile::remove(file);
  // The gesture: a press on the picture and a move past the drag distance;
  // Escape ends the drag once it runs.
  QTimer::singleShot(100, window, [this] { QTest::keyClick(window->windowHandle(), Qt::Key_Escape); });
  QTest::mousePress(window->picDraw(), Qt::LeftButton, {}, QPoint(10, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 12 + QApplication::startDragDistance()),
                   window->picDraw()->mapToGlobal(QPointF(10, 12 + QApplication::startDragDistance())), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->picDraw(), &move);
  EXPECT_TRUE(QFile::exists(file));
  EXPECT_FALSE(QFileInfo(DragFolder()).permissions() & (QFile::ReadOther | QFile::ReadGroup));
  EXPECT_TRUE(window->isVisible());

  main.board().show();
  const QModelIndex cell = main.board().model().index(0);
  const std::unique_ptr<QMimeData> cellData(main.board().model().mimeData({cell}));
  const std::unique_ptr<QMimeData> windowData = PictureMimeData(*picture, shown(), OfferFile::Yes);
  for (const QMimeData* data : {windowData.get(), cellData.get()}) {
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_EQ(data->text(), QString::fromLatin1(GeneticCodeText(picture->GenCode)));
    const QByteArray png = data->data(QStringLiteral("image/png"));
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(shown().format()), shown());
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(data->urls().front(), QUrl::fromLocalFile(file));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), png);
  }
}

class CtrlE : public PictureWindow,
              public ::testing::WithParamInterface<std::tuple<const char*, const char*, const char*, int, bool>> {};

// The filter chosen, the name typed and the name written, the scale (0: SVG), and whether the whole path is framed.
TEST_P(CtrlE, ExportsAsTheChosenFilterOrTheTypedSuffixSays) {
  const auto [filter, typed, written, scale, whole] = GetParam();
  // A picture whose pixels are known: a line that runs out of its window.
  const QColor colour(30, 140, 200);
  child<QLineEdit>(main, "txtMutationRate")->setText(QStringLiteral("0"));
  QApplication::clipboard()->setText(testing::LineCodeText(colour));
  child<QAction>(main, "F_NewFromClipboard")->trigger();
  picture = modObject::Registry().find(modObject::RegistryKey(1));
  ASSERT_NE(picture, nullptr);
  window = openWindowOf(1);
  ASSERT_NE(window, nullptr);
  testing::activate(window);
  dialogs.path = dir.filePath(QString::fromLatin1(typed));
  dialogs.filter = QString::fromLatin1(filter);
  QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
  ASSERT_EQ(dialogs.asked, 1);
  EXPECT_TRUE(dialogs.offered.contains(dialogs.filter));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(written)});
  QFile file(dir.filePath(QString::fromLatin1(written)));
  const QColor background = window->picDraw()->surface().background();
  if (scale == 0) {
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int lines = 0, drawn = 0;
    while (!xml.atEnd())
      lines += xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("line");
    EXPECT_FALSE(xml.hasError());
    for (std::int16_t i = 0; i < 64; ++i) drawn += picture->GenCode.GetGDraw(i) != 0;
    EXPECT_EQ(lines, drawn);
    if (whole && file.seek(0)) {
      // Framed whole: 1050 x 150 twips, square caps included, centred in
      // 112.5 x 104.5 pixels (aliased strokes keep half a pixel off the right
      // and bottom edges).
      const double s = 112.5 / 1050.0;
      QXmlStreamReader again(&file);
      while (!again.atEnd() && !(again.readNext() == QXmlStreamReader::StartElement && again.name() == u"line")) {
      }
      const QXmlStreamAttributes line = again.attributes();
      const auto number = [&](const char* name) { return line.value(QLatin1String(name)).toDouble(); };
      EXPECT_NEAR(number("x1"), 75 * s, 1e-6);
      EXPECT_NEAR(number("x2"), 975 * s, 1e-6);
      EXPECT_NEAR(number("y1"), 52.25, 1e-6);
      EXPECT_NEAR(number("y2"), 52.25, 1e-6);
      EXPECT_NEAR(number("stroke-width"), 150 * s, 1e-6);
      EXPECT_EQ(line.value(QLatin1String("stroke")), QStringLiteral("rgb(30,140,200)"));
    }
    return;
  }
  const QImage image(file.fileName());
  EXPECT_EQ(image.size(), shown().size() / shown().devicePixelRatio() * scale);
  EXPECT_TRUE(
      ShowsLine(image, colour, background, whole ? testing::LineFraming::WholePath : testing::LineFraming::Window));
  if (!whole && scale == 1 && shown().devicePixelRatio() == 1.0) {
    EXPECT_EQ(image.convertToFormat(shown().format()), shown());
  }
}

INSTANTIATE_TEST_SUITE_P(Filters, CtrlE,
                         ::testing::Values(std::tuple{"PNG image (*.png)", "pic.png", "pic.png", 1, false},
                                           std::tuple{"PNG image, 2x (*.png)", "pic.png", "pic.png", 2, false},
                                           std::tuple{"PNG image, 4x (*.png)", "pic", "pic.png", 4, false},
                                           std::tuple{"SVG image (*.svg)", "pic", "pic.svg", 0, false},
                                           std::tuple{"PNG image, whole path (*.png)", "pic", "pic.png", 1, true},
                                           std::tuple{"PNG image, whole path, 2x (*.png)", "w.png", "w.png", 2, true},
                                           std::tuple{"SVG image, whole path (*.svg)", "pic", "pic.svg", 0, true},
                                           // The suffix typed decides the format.
                                           std::tuple{"SVG image (*.svg)", "pic.png", "pic.png", 1, false},
                                           std::tuple{"PNG image, whole path, 2x (*.png)", "w.svg", "w.svg", 0, true}));

TEST_F(PictureWindow, CancelledExportOrOneIntoAMissingFolderLeavesNothingAndTheFailureIsReported) {
  window->actExportImage()->trigger();
  EXPECT_EQ(dialogs.asked, 1);
  EXPECT_TRUE(messages.texts.isEmpty());
  dialogs.path = dir.filePath(QStringLiteral("missing/pic.png"));
  dialogs.filter = QStringLiteral("PNG image, 2x (*.png)");
  window->actExportImage()->trigger();
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("File access error in \"%1\": ").arg(dialogs.path)));
  EXPECT_EQ(messages.parents[0], window);
  expected = messages.texts;
  EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(PictureWindow, WindowWithoutPictureSaysSoForCopyAndExportAndAsksNothing) {
  frmObject empty;
  empty.setTag(QStringLiteral("7"));
  empty.actCopy()->trigger();
  empty.actExportImage()->trigger();
  expected = {QStringLiteral("Nothing was copied: picture 7 could not be created."),
              QStringLiteral("Nothing was exported: picture 7 could not be created.")};
  EXPECT_EQ(messages.parents, QList<QWidget*>({&empty, &empty}));
  EXPECT_EQ(dialogs.asked, 0);
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_TRUE(copied == nullptr || !copied->hasImage());
}

}  // namespace
}  // namespace pelorin
