#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/numbers.h"
#include "ui/frm_main.h"
#include "ui/mod_errors.h"
#include "ui/mod_genes.h"
#include "ui/mod_object.h"
#include "window_queries.h"

namespace pelorin {
namespace {

using testing::visibleWindowsNamed;

template <typename T>
T* child(const QObject& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

TEST(MainWindowStartUp, GivesTheStateItsStartValuesAndLoadsTheDialogsHidden) {
  modObject::OriginX = 1;
  modObject::OriginY = 2;
  modObject::ObjectCount = 3;
  modGenes::MutationRate = 0.7;

  frmMain window;

  EXPECT_EQ(modObject::OriginX, 850);
  EXPECT_EQ(modObject::OriginY, 800);
  EXPECT_EQ(modObject::ObjectCount, 0);
  EXPECT_EQ(modGenes::MutationRate, 0.0);
  EXPECT_EQ(child<QLineEdit>(window, "txtMutationRate")->text(), QStringLiteral(" 0"));
  EXPECT_EQ(child<QLineEdit>(window, "txtName")->text(), QString());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Main"));
  EXPECT_EQ(window.dialogs().loadLog(),
            QStringList({"AboutAuthor", "AboutQuorvel", "AboutPelorin", "License", "Info"}));
  EXPECT_EQ(window.dialogs().loaded(DialogId::ErrorMR), nullptr);
  for (DialogId id : {DialogId::AboutAuthor, DialogId::AboutQuorvel, DialogId::AboutPelorin,
                      DialogId::License, DialogId::Info}) {
    ASSERT_NE(window.dialogs().loaded(id), nullptr);
    EXPECT_FALSE(window.dialogs().loaded(id)->isVisible()) << dialogName(id).toStdString();
  }
}

TEST(MainWindowStartUp, ShowsWithTheClientSizeAndFocusInTheRateBox) {
  frmMain window;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  EXPECT_EQ(window.centralWidget()->size(), QSize(188, 76));
  EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(window, "txtMutationRate"));
}

TEST(MainWindowStartUp, TabVisitsRateBoxOpenAndNameBoxInTurn) {
  frmMain window;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, QStringList({"txtMutationRate", "btnOpen", "txtName", "txtMutationRate"}));
}

struct Placement {
  const char* name;
  QRect pixels;
};

void PrintTo(const Placement& placement, std::ostream* out) { *out << placement.name; }

class MainWindowLayout : public ::testing::TestWithParam<Placement> {};

TEST_P(MainWindowLayout, ControlStandsWhereTheLayoutTablePutsIt) {
  frmMain window;
  window.show();
  window.resize(600, 400);  // nothing moves on resize
  QWidget* control = child<QWidget>(window, GetParam().name);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->geometry(), GetParam().pixels);
}

// The table's twips divided by 15.
INSTANTIATE_TEST_SUITE_P(Controls, MainWindowLayout,
                         ::testing::Values(Placement{"txtMutationRate", {80, 8, 97, 25}},
                                           Placement{"lblMutationRate", {8, 8, 73, 17}},
                                           Placement{"btnOpen", {8, 40, 65, 25}},
                                           Placement{"txtName", {80, 40, 97, 25}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RateText {
  const char* text;
  bool numeric;
  double rate;  // what RefreshMutationRate reads when numeric
};

void PrintTo(const RateText& rate, std::ostream* out) { *out << '"' << rate.text << '"'; }

class MutationRateCheck : public ::testing::TestWithParam<RateText> {};

TEST_P(MutationRateCheck, AcceptsNumbersOnlyAndRefreshReadsThem) {
  ScopedNumberFormat english({u'.', u','});
  frmMain window;
  QLineEdit* box = child<QLineEdit>(window, "txtMutationRate");
  box->clear();
  QTest::keyClicks(box, QString::fromLatin1(GetParam().text));

  EXPECT_EQ(modErrors::CheckMutationRate(), GetParam().numeric);
  modGenes::MutationRate = 0.25;
  modGenes::RefreshMutationRate();
  EXPECT_EQ(modGenes::MutationRate, GetParam().numeric ? GetParam().rate : 0.25);
  EXPECT_EQ(box->text(), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Texts, MutationRateCheck,
                         ::testing::Values(RateText{" 0", true, 0.0}, RateText{"0.5", true, 0.5},
                                           RateText{"1,000", true, 1000.0},
                                           RateText{"-3", true, -3.0}, RateText{"5", true, 5.0},
                                           RateText{"", false, 0}, RateText{"   ", false, 0},
                                           RateText{"abc", false, 0}),
                         [](const auto& info) {
                           return (info.param.numeric ? "Number" : "NotNumber") +
                                  std::to_string(info.index);
                         });

TEST(MainWindowOpen, BadRateTwiceShowsOneErrorWindowAndChangesNothing) {
  frmMain window;
  window.show();
  child<QLineEdit>(window, "txtMutationRate")->setText(QStringLiteral("abc"));
  QPushButton* open = child<QPushButton>(window, "btnOpen");

  QTest::mouseClick(open, Qt::LeftButton);
  PelorinDialog* first = window.dialogs().loaded(DialogId::ErrorMR);
  QTest::mouseClick(open, Qt::LeftButton);

  ASSERT_NE(first, nullptr);
  EXPECT_EQ(window.dialogs().loaded(DialogId::ErrorMR), first);
  EXPECT_EQ(visibleWindowsNamed(QStringLiteral("ErrorMR")), 1);
  EXPECT_EQ(modObject::ObjectCount, 0);
  EXPECT_EQ(modGenes::MutationRate, 0.0);
  EXPECT_EQ(modObject::Registry().count(), 0u);
}

TEST(MainWindowOpen, ValidRateShowsNoErrorWindow) {
  frmMain window;
  window.show();
  QTest::mouseClick(child<QPushButton>(window, "btnOpen"), Qt::LeftButton);
  EXPECT_EQ(window.dialogs().loaded(DialogId::ErrorMR), nullptr);
}

struct MenuDialog {
  const char* action;
  DialogId dialog;
};

void PrintTo(const MenuDialog& item, std::ostream* out) { *out << item.action; }

class InfoMenu : public ::testing::TestWithParam<MenuDialog> {};

TEST_P(InfoMenu, ItemShowsItsOneDialogAndNoOther) {
  frmMain window;
  window.show();
  QAction* item = child<QAction>(window, GetParam().action);
  ASSERT_NE(item, nullptr);
  item->trigger();
  item->trigger();

  const QString name = dialogName(GetParam().dialog);
  EXPECT_EQ(visibleWindowsNamed(name), 1);
  for (DialogId other : {DialogId::ErrorMR, DialogId::AboutAuthor, DialogId::AboutQuorvel,
                         DialogId::AboutPelorin, DialogId::License, DialogId::Info}) {
    if (other == GetParam().dialog) continue;
    EXPECT_EQ(visibleWindowsNamed(dialogName(other)), 0) << dialogName(other).toStdString();
  }
  // Still the instance loaded at start-up.
  EXPECT_EQ(window.dialogs().loadLog().count(name), 1);
}

INSTANTIATE_TEST_SUITE_P(Items, InfoMenu,
                         ::testing::Values(MenuDialog{"I_A_AboutPelorin", DialogId::AboutPelorin},
                                           MenuDialog{"I_A_AboutQuorvel", DialogId::AboutQuorvel},
                                           MenuDialog{"I_A_AboutAuthor", DialogId::AboutAuthor},
                                           MenuDialog{"I_License", DialogId::License},
                                           MenuDialog{"I_Info", DialogId::Info}),
                         [](const auto& info) { return std::string(info.param.action); });

class Ending : public ::testing::TestWithParam<bool> {};

TEST_P(Ending, ExitOrClosingTheMainWindowEndsTheEventLoopWithWindowsOpen) {
  const bool byMenu = GetParam();
  frmMain window;
  window.show();
  window.dialogs().show(DialogId::Info);
  window.dialogs().show(DialogId::AboutPelorin);

  QTimer::singleShot(0, &window, [&] {
    if (byMenu) {
      window.findChild<QAction*>(QStringLiteral("F_Exit"))->trigger();
    } else {
      window.close();
    }
  });
  // Ends a loop that would otherwise never end.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(42); });
  guard.start(5000);

  EXPECT_EQ(QApplication::exec(), 0);
  // Ended at once: no dialog was closed on the way.
  EXPECT_NE(window.dialogs().loaded(DialogId::Info), nullptr);
  EXPECT_NE(window.dialogs().loaded(DialogId::AboutPelorin), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, Ending, ::testing::Bool(), [](const auto& info) {
  return std::string(info.param ? "FileExit" : "CloseBox");
});

TEST(MainWindowBoxesRegistration, LastsAsLongAsTheWindow) {
  {
    frmMain window;
    child<QLineEdit>(window, "txtName")->setText(QStringLiteral("tree.txt"));
    ASSERT_EQ(mainWindowBoxes(), &window);
    EXPECT_EQ(mainWindowBoxes()->nameText(), QStringLiteral("tree.txt"));
  }
  EXPECT_EQ(mainWindowBoxes(), nullptr);
}

}  // namespace
}  // namespace pelorin
