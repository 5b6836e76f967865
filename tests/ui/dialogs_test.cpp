#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/dialogs.h"
#include "window_queries.h"

namespace pelorin {
namespace {

using testing::visibleWindowsNamed;

struct DialogFrame {
  DialogId id;
  const char* caption;
  QSize client;  // logical pixels: the table's twips / 15
  const char* ok;
  bool fixed;
  bool maximize;
};

void PrintTo(const DialogFrame& frame, std::ostream* out) {
  *out << dialogName(frame.id).toStdString();
}

class DialogWindow : public ::testing::TestWithParam<DialogFrame> {
 protected:
  Dialogs dialogs;
};

TEST_P(DialogWindow, HasItsCaptionSizeAndBorder) {
  const DialogFrame& frame = GetParam();
  PelorinDialog* dialog = dialogs.show(frame.id);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));

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
}

// Enter answers OK: it hides the dialog, which stays loaded. Escape does nothing.
TEST_P(DialogWindow, EnterHidesEscapeDoesNothing) {
  const DialogFrame& frame = GetParam();
  PelorinDialog* dialog = dialogs.show(frame.id);
  QApplication::setActiveWindow(dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  auto* ok = dialog->findChild<QPushButton*>(QString::fromLatin1(frame.ok));
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->isDefault());

  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());

  QTest::keyClick(dialog, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialogs.loaded(frame.id), dialog);
}

// Whatever the desktop's font, every text can be read whole inside its box,
// and no text runs into a label below it.
TEST_P(DialogWindow, EveryLabelShowsItsWholeText) {
  PelorinDialog* dialog = dialogs.show(GetParam().id);
  const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
  for (const QLabel* label : labels) {
    if (label->text().isEmpty()) continue;  // an icon
    const QRect box = label->geometry();
    const QRectF needed = QFontMetricsF(label->font())
                              .boundingRect(QRectF(QPointF(0, 0), QSizeF(box.size())),
                                            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
    const std::string name = label->objectName().toStdString();
    EXPECT_LE(needed.width(), box.width() + 0.5) << name;
    EXPECT_LE(needed.height(), box.height() + 0.5) << name;
    for (const QLabel* other : labels) {
      const QRect below = other->geometry();
      if (other != label && below.top() > box.top() && below.left() < box.right() && below.right() > box.left()) {
        EXPECT_LE(box.top() + needed.height(), below.top() + 0.5) << name << " runs into " << other->objectName().toStdString();
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, DialogWindow,
    ::testing::Values(
        DialogFrame{DialogId::ErrorMR, "ErrorMR", {196, 87}, "btnOK", true, false},
        DialogFrame{DialogId::AboutAuthor, "About Author", {313, 77}, "Ok", false, false},
        DialogFrame{DialogId::AboutPelorin, "About Pelorin", {388, 124}, "Ok", false, true},
        DialogFrame{DialogId::License, "License", {313, 81}, "Ok", false, false},
        DialogFrame{DialogId::Info, "Info", {404, 191}, "btnOK", false, false},
        DialogFrame{DialogId::AboutQuorvel, "About Quorvel Software", {420, 149}, "Ok", false,
                    false}),
    [](const auto& info) { return dialogName(info.param.id).toStdString(); });

class AboutPelorinIcons : public ::testing::Test {
 protected:
  AboutPelorin* showAboutPelorin() {
    auto* dialog = static_cast<AboutPelorin*>(dialogs.show(DialogId::AboutPelorin));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    return dialog;
  }
  static QLabel* icon(QWidget* dialog, const char* name) {
    return dialog->findChild<QLabel*>(QString::fromLatin1(name));
  }
  // The object name of the one visible icon, or "none"/"both".
  static QString visibleIcon(QWidget* dialog) {
    const bool pelorin = !icon(dialog, "icnPelorin")->isHidden();
    const bool quorvel = !icon(dialog, "icnQuorvel")->isHidden();
    if (pelorin == quorvel) return pelorin ? QStringLiteral("both") : QStringLiteral("none");
    return pelorin ? QStringLiteral("icnPelorin") : QStringLiteral("icnQuorvel");
  }
  static void clickVisibleIcon(QWidget* dialog) {
    QTest::mouseClick(icon(dialog, visibleIcon(dialog).toLatin1().constData()), Qt::LeftButton);
  }

  Dialogs dialogs;
};

TEST_F(AboutPelorinIcons, ClickingTheVisibleIconSwapsItBackAndForth) {
  AboutPelorin* dialog = showAboutPelorin();
  EXPECT_EQ(visibleIcon(dialog), QStringLiteral("icnPelorin"));
  EXPECT_EQ(dialog->iconFlag(), 0);

  clickVisibleIcon(dialog);
  EXPECT_EQ(visibleIcon(dialog), QStringLiteral("icnQuorvel"));
  EXPECT_EQ(dialog->iconFlag(), 1);

  clickVisibleIcon(dialog);
  EXPECT_EQ(visibleIcon(dialog), QStringLiteral("icnPelorin"));
  EXPECT_EQ(dialog->iconFlag(), 0);
}

TEST_F(AboutPelorinIcons, OkHidesAndTheNextShowKeepsTheIcon) {
  AboutPelorin* dialog = showAboutPelorin();
  clickVisibleIcon(dialog);
  QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Ok")), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());

  EXPECT_EQ(showAboutPelorin(), dialog);
  EXPECT_EQ(visibleIcon(dialog), QStringLiteral("icnQuorvel"));
  EXPECT_EQ(dialogs.loadLog(), QStringList({"AboutPelorin"}));
}

TEST_F(AboutPelorinIcons, CloseBoxUnloadsAndTheNextShowStartsAgain) {
  QPointer<AboutPelorin> closed = showAboutPelorin();
  clickVisibleIcon(closed);
  EXPECT_TRUE(closed->close());
  EXPECT_EQ(dialogs.loaded(DialogId::AboutPelorin), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());

  AboutPelorin* reloaded = showAboutPelorin();
  EXPECT_EQ(visibleIcon(reloaded), QStringLiteral("icnPelorin"));
  EXPECT_EQ(reloaded->iconFlag(), 0);
  EXPECT_EQ(visibleWindowsNamed(QStringLiteral("AboutPelorin")), 1);
  EXPECT_EQ(dialogs.loadLog(), QStringList({"AboutPelorin", "AboutPelorin"}));
}

TEST_F(AboutPelorinIcons, AboutQuorvelShowsTheMakersIconFromTheStart) {
  PelorinDialog* dialog = dialogs.load(DialogId::AboutQuorvel);
  QLabel* shown = icon(dialog, "icnQuorvel");
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(shown->isHidden());
  QTest::mouseClick(shown, Qt::LeftButton);
  EXPECT_FALSE(shown->isHidden());
}

TEST(Icons, AreFortyEightPixelsSquareAndDiffer) {
  const QImage pelorin = QPixmap(kPelorinIcon).toImage();
  const QImage quorvel = QPixmap(kQuorvelIcon).toImage();
  ASSERT_FALSE(pelorin.isNull());
  ASSERT_FALSE(quorvel.isNull());
  EXPECT_EQ(pelorin.size(), QSize(48, 48));
  EXPECT_EQ(quorvel.size(), QSize(48, 48));
  EXPECT_NE(pelorin, quorvel);
}

}  // namespace
}  // namespace pelorin
