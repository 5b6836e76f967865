#include "ui/dialogs/dialogs.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>

#include "platform/twips.h"
#include "support/gui_fixture.h"
#include "ui/dialogs/about_pelorin.h"
#include "ui/dialogs/icon_box.h"

namespace pelorin {
namespace {

using testing::visibleWindowsNamed;

struct DialogFrame {
  DialogId id;
  const char *caption, *ok;
  QSize client;  // the table's twips / 15
  bool fixed, maximize;
};

class DialogWindow : public ::testing::TestWithParam<DialogFrame> {
 protected:
  Dialogs dialogs;
};

TEST_P(DialogWindow, HasItsFrameAndOkIsDefaultForEnterButNotEscapeAndComesBackWhereLeft) {
  const DialogFrame& frame = GetParam();
  PelorinDialog* dialog = dialogs.show(frame.id);
  testing::activate(dialog);
  EXPECT_EQ(dialog->objectName(), dialogName(frame.id));
  EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(frame.caption));
  EXPECT_EQ(dialog->size(), frame.client);
  EXPECT_EQ(dialog->parentWidget(), nullptr);
  EXPECT_FALSE(dialog->isModal());
  const Qt::WindowFlags flags = dialog->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), !frame.fixed);
  EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), frame.maximize);
  EXPECT_EQ(dialog->minimumSize() == dialog->maximumSize(), frame.fixed);

  EXPECT_TRUE(testing::child<QPushButton>(*dialog, frame.ok)->isDefault());
  const QPoint left = dialog->pos() + QPoint(37, 23);  // the system's first place, then dragged
  dialog->windowHandle()->setFramePosition(left);
  QCoreApplication::processEvents();
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());
  QTest::keyClick(dialog, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialogs.loaded(frame.id), dialog);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogs.show(frame.id)));
  EXPECT_EQ(dialog->pos(), left);
}

// Whatever the desktop's font, no text is cut off by its box or the window's
// edge, or runs into a label below it.
TEST_P(DialogWindow, EveryLabelShowsItsWholeText) {
  const QFont desktop = QApplication::font();
  for (const QFont& font : {desktop, QFont(QStringLiteral("DejaVu Serif"), 13)}) {
    QApplication::setFont(font);
    Dialogs fresh;
    const QWidget* dialog = fresh.load(GetParam().id);
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
      if (label->text().isEmpty()) continue;  // an icon
      const QRect box = label->geometry() & dialog->rect();
      const QRectF needed = QFontMetricsF(label->font())
                                .boundingRect(QRectF(QPointF(0, 0), QSizeF(box.size())),
                                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
      const std::string name = label->objectName().toStdString();
      EXPECT_LE(needed.width(), box.width() + 0.5) << name;
      EXPECT_LE(needed.height(), box.height() + 0.5) << name;
      for (const QLabel* other : labels) {
        const QRect below = other->geometry();
        if (other != label && below.top() > box.top() && below.left() < box.right() && below.right() > box.left()) {
          EXPECT_LE(box.top() + needed.height(), below.top() + 0.5)
              << name << " runs into " << other->objectName().toStdString();
        }
      }
    }
  }
  QApplication::setFont(desktop);
}

INSTANTIATE_TEST_SUITE_P(
    All, DialogWindow,
    ::testing::Values(DialogFrame{DialogId::ErrorMR, "ErrorMR", "btnOK", {196, 87}, true, false},
                      DialogFrame{DialogId::AboutAuthor, "About Author", "Ok", {313, 77}, false, false},
                      DialogFrame{DialogId::AboutPelorin, "About Pelorin", "Ok", {388, 124}, false, true},
                      DialogFrame{DialogId::License, "License", "Ok", {313, 81}, false, false},
                      DialogFrame{DialogId::Info, "Info", "btnOK", {404, 191}, false, false},
                      DialogFrame{DialogId::AboutQuorvel, "About Quorvel Software", "Ok", {420, 149}, false, false}),
    [](const auto& info) { return dialogName(info.param.id).toStdString(); });

// Box in twips; text, or a pattern ('^...') where the program chooses it; "": an icon.
using DialogControl = std::tuple<DialogId, const char*, int, int, int, int, const char*>;
using D = DialogId;
// clang-format off
const DialogControl kDialogControls[] = {
    {D::ErrorMR, "lblText", 120, 120, 2775, 375, "The Mutation Rate must be a number."},
    {D::ErrorMR, "btnOK", 960, 720, 1095, 375, "OK"}, {D::AboutAuthor, "Ok", 3360, 120, 1215, 375, "Ok"},
    {D::AboutAuthor, "lblText", 120, 240, 3135, 495, "To find out about the author, you can visit the web site:"},
    {D::AboutAuthor, "lblWebSite", 120, 720, 3135, 255, "^ {5}\\S+$"},
    {D::AboutPelorin, "icnPelorin", 240, 240, 720, 720, ""}, {D::AboutPelorin, "icnQuorvel", 240, 240, 720, 720, ""},
    {D::AboutPelorin, "lblName", 1200, 240, 3135, 255, "Pelorin version 1.0"},
    {D::AboutPelorin, "lblCopywrite", 1200, 480, 3135, 255, "^\\S[^\\n]*$"},
    {D::AboutPelorin, "lblAuthor", 1200, 720, 3135, 255, "^\\S[^\\n]*$"},
    {D::AboutPelorin, "lblComments", 1200, 1080, 3135, 615,
     "^If you have any comments or thoughts on this program, please send them to \\S+@\\S+$"},
    {D::AboutPelorin, "Ok", 4440, 120, 1215, 375, "Ok"}, {D::License, "Ok", 3360, 120, 1215, 375, "Ok"},
    {D::License, "lblText", 120, 240, 3135, 975, "The current License Agreement, and Registration Information are "
     "available  from the Quorvel Software Home Page (see Info->About->Quorvel)"},
    {D::Info, "lblInfo", 120, 120, 4455, 2895, "Pelorin is a program that makes pictures using a Genetic Algorithm. "
     "When the you create a new picture, this program  creates a \"Genetic Code\" for that picture. This genetic code "
     "comes from two places: mutations, and the parents. When a gene mutates, it takes on a random value. If a gene "
     "doesn't mutate, it is taken randomly from one of the parents (a picture with the parent check box selected. It "
     "also is possible to save a picture (by typing the place where it is to be saved in the Name text box) and open a "
     "picture (by typing in the name of the file containing the \"Genetic Code\" into the text box to the right of "
     "the Open button. When saving a picture however, be careful because if the file you named exists, it will be "
     "overwritten."},
    {D::Info, "btnOK", 4680, 240, 1215, 375, "OK"}, {D::AboutQuorvel, "Ok", 4440, 120, 1215, 375, "Ok"},
    {D::AboutQuorvel, "icnQuorvel", 240, 240, 720, 720, ""},
    {D::AboutQuorvel, "lblWebPage", 1080, 120, 3135, 975, "To find out more about Quorvel Software and about other "
     "programs made by Quorvel Software you can visit our web site. Our website can be reached from the web site: "},
    {D::AboutQuorvel, "lblWebAddress", 1080, 960, 3135, 255, "^ {6}\\S+$"},
    {D::AboutQuorvel, "lblGetWebPage", 1080, 1200, 3255, 735,
     " Or, we will send you the current URL of Quorvel Software's home pae if you send an e-mail to:"},
    {D::AboutQuorvel, "lblEMail", 1080, 1920, 2535, 1455, "^ {6}\\S+@\\S+$"}};
// clang-format on

class DialogControls : public ::testing::TestWithParam<DialogControl> {};

TEST_P(DialogControls, StandInTheirBoxesWithTheirTexts) {
  const auto& [id, name, left, top, width, height, expected] = GetParam();
  Dialogs dialogs;
  const QWidget* control = testing::child<QWidget>(*dialogs.load(id), name);
  EXPECT_EQ(control->geometry(), twipsRect(left, top, width, height));
  const QString text = control->property("text").toString(), want = QString::fromLatin1(expected);
  EXPECT_TRUE(want.startsWith('^') ? QRegularExpression(want).match(text).hasMatch() : text == want)
      << text.toStdString();
  if (text.isEmpty()) {
    EXPECT_EQ(qobject_cast<const QLabel*>(control)->pixmap().size(), QSize(48, 48));
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, DialogControls, ::testing::ValuesIn(kDialogControls), [](const auto& info) {
  return dialogName(std::get<0>(info.param)).toStdString() + "_" + std::get<1>(info.param);
});

class AboutPelorinIcons : public ::testing::Test {
 protected:
  AboutPelorin* show() {
    auto* dialog = static_cast<AboutPelorin*>(dialogs.show(DialogId::AboutPelorin));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    return dialog;
  }
  // The one visible icon, checking the flag agrees; null unless exactly one shows.
  static QLabel* shownIcon(AboutPelorin* dialog) {
    auto* pelorin = dialog->findChild<QLabel*>(QStringLiteral("icnPelorin"));
    auto* quorvel = dialog->findChild<QLabel*>(QStringLiteral("icnQuorvel"));
    if (pelorin->isHidden() == quorvel->isHidden()) return nullptr;
    EXPECT_EQ(dialog->iconFlag(), pelorin->isHidden() ? 1 : 0);
    return pelorin->isHidden() ? quorvel : pelorin;
  }
  static QString clickShownIcon(AboutPelorin* dialog) {
    QTest::mouseClick(shownIcon(dialog), Qt::LeftButton);
    return shownIcon(dialog)->objectName();
  }

  Dialogs dialogs;
};

TEST_F(AboutPelorinIcons, ClickSwapsTheIconBackAndForthAndOkKeepsItForTheNextShow) {
  AboutPelorin* dialog = show();
  EXPECT_EQ(shownIcon(dialog)->objectName(), QStringLiteral("icnPelorin"));
  EXPECT_EQ(clickShownIcon(dialog), QStringLiteral("icnQuorvel"));
  EXPECT_EQ(clickShownIcon(dialog), QStringLiteral("icnPelorin"));
  clickShownIcon(dialog);
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Ok")), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(show(), dialog);
  EXPECT_EQ(shownIcon(dialog)->objectName(), QStringLiteral("icnQuorvel"));
  EXPECT_EQ(dialogs.loadLog(), QStringList({"AboutPelorin"}));

  QWindow* window = dialog->windowHandle();  // events as the platform sends them
  const QPoint on = shownIcon(dialog)->geometry().center(), off = on + QPoint(60, 0);
  QTest::mouseDClick(window, Qt::LeftButton, {}, on);  // a click, then a double-click: one swap
  EXPECT_EQ(shownIcon(dialog)->objectName(), QStringLiteral("icnPelorin"));
  QTest::mousePress(window, Qt::LeftButton, {}, on);
  QTest::mouseMove(window, off);
  QTest::mouseRelease(window, Qt::LeftButton, {}, off);  // dragged off: none
  EXPECT_EQ(shownIcon(dialog)->objectName(), QStringLiteral("icnPelorin"));
}

TEST_F(AboutPelorinIcons, CloseBoxUnloadsAndTheNextShowStartsAgain) {
  QPointer<AboutPelorin> closed = show();
  clickShownIcon(closed);
  EXPECT_TRUE(closed->close());
  EXPECT_EQ(dialogs.loaded(DialogId::AboutPelorin), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());
  EXPECT_EQ(shownIcon(show())->objectName(), QStringLiteral("icnPelorin"));
  EXPECT_EQ(visibleWindowsNamed(QStringLiteral("AboutPelorin")), 1);
  EXPECT_EQ(dialogs.loadLog(), QStringList({"AboutPelorin", "AboutPelorin"}));
}

TEST_F(AboutPelorinIcons, AboutQuorvelShowsTheMakersIconFromTheStartAndIconsDiffer) {
  QLabel* shown = testing::child<QLabel>(*dialogs.load(DialogId::AboutQuorvel), "icnQuorvel");
  EXPECT_FALSE(shown->isHidden());
  QTest::mouseClick(shown, Qt::LeftButton);
  EXPECT_FALSE(shown->isHidden());
  const QImage pelorin = QPixmap(kPelorinIcon).toImage(), quorvel = QPixmap(kQuorvelIcon).toImage();
  EXPECT_EQ(pelorin.size(), QSize(48, 48));
  EXPECT_EQ(quorvel.size(), QSize(48, 48));
  EXPECT_NE(pelorin, quorvel);
}

}  // namespace
}  // namespace pelorin
