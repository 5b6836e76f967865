#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app_state/mod_errors.h"
#include "app_state/mod_genes.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_registry.h"
#include "platform/numbers.h"
#include "support/gui_fixture.h"

namespace pelorin {
namespace {

using testing::activate;
using testing::child;
using testing::visibleWindowsNamed;

const DialogId kAllDialogs[] = {DialogId::ErrorMR,      DialogId::AboutAuthor, DialogId::AboutQuorvel,
                                DialogId::AboutPelorin, DialogId::License,     DialogId::Info};

TEST(MainWindow, StartsWithItsStartValuesAndTheDialogsLoadedHidden) {
  modObject::OriginX = 1;
  modObject::OriginY = 2;
  modObject::ObjectCount = 3;
  modGenes::MutationRate = 0.7;
  {
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
    for (DialogId id : kAllDialogs) {
      if (id == DialogId::ErrorMR) continue;
      ASSERT_NE(window.dialogs().loaded(id), nullptr);
      EXPECT_FALSE(window.dialogs().loaded(id)->isVisible()) << dialogName(id).toStdString();
    }
  }
}

using MainWindowShown = testing::MainWindowTest;

TEST_F(MainWindowShown, ControlsStayInTheirPlacesAndFocusStartsInTheRateBoxThenTabsThroughOpenAndName) {
  activate(&main);
  EXPECT_EQ(main.centralWidget()->size(), QSize(188, 76));
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, QStringList({"txtMutationRate", "btnOpen", "txtName", "txtMutationRate"}));
  main.resize(600, 400);
  const std::pair<const char*, QRect> table[] = {{"txtMutationRate", {80, 8, 97, 25}},
                                                 {"lblMutationRate", {8, 8, 73, 17}},
                                                 {"btnOpen", {8, 40, 65, 25}},
                                                 {"txtName", {80, 40, 97, 25}}};
  for (const auto& [name, pixels] : table) EXPECT_EQ(child<QWidget>(main, name)->geometry(), pixels) << name;
}

class MutationRateCheck : public ::testing::TestWithParam<std::tuple<const char*, bool, double>> {};

TEST_P(MutationRateCheck, AcceptsNumbersOnlyAndRefreshReadsThem) {
  const auto [text, numeric, rate] = GetParam();
  ScopedNumberFormat english({u'.', u','});
  frmMain window;
  QLineEdit* box = child<QLineEdit>(window, "txtMutationRate");
  box->clear();
  QTest::keyClicks(box, QString::fromLatin1(text));
  EXPECT_EQ(modErrors::CheckMutationRate(box->text()), numeric);
  modGenes::MutationRate = 0.25;
  modGenes::RefreshMutationRate(box->text());
  EXPECT_EQ(modGenes::MutationRate, numeric ? rate : 0.25);
  EXPECT_EQ(box->text(), QString::fromLatin1(text));
}

INSTANTIATE_TEST_SUITE_P(Texts, MutationRateCheck,
                         ::testing::Values(std::tuple{" 0", true, 0.0}, std::tuple{"0.5", true, 0.5},
                                           std::tuple{"1,000", true, 1000.0}, std::tuple{"-3", true, -3.0},
                                           std::tuple{"5", true, 5.0}, std::tuple{"", false, 0.0},
                                           std::tuple{"   ", false, 0.0}, std::tuple{"abc", false, 0.0}));

TEST_F(MainWindowShown, BadRateOpenedTwiceShowsOneErrorWindowAndChangesNothing) {
  open(QStringLiteral("abc"));
  PelorinDialog* first = main.dialogs().loaded(DialogId::ErrorMR);
  open(QStringLiteral("abc"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(main.dialogs().loaded(DialogId::ErrorMR), first);
  EXPECT_EQ(visibleWindowsNamed(QStringLiteral("ErrorMR")), 1);
  EXPECT_EQ(modObject::ObjectCount, 0);
  EXPECT_EQ(modGenes::MutationRate, 0.0);
  EXPECT_EQ(modObject::Registry().count(), 0u);
}

// A path that overflows names the file it was read from, or the clipboard;
// a clipboard without text says so rather than pointing at a line.
TEST_F(MainWindowShown, FailuresSayWhereTheCodeCameFromAndAClipboardWithoutTextSaysSo) {
  clsGenSeq far;  // 64 segments of 999 to the right: past x = 32767
  for (std::int16_t k = 0; k < 64; ++k) far.SetGColorLength(k, 999);
  const QString path = dir.filePath(QStringLiteral("overflow.txt"));
  SaveGeneticCode(far, path);
  open(QStringLiteral("0"), path);
  QApplication::clipboard()->setText(QString::fromLatin1(GeneticCodeText(far)));
  child<QAction>(main, "F_NewFromClipboard")->trigger();
  QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
  child<QAction>(main, "F_NewFromClipboard")->trigger();
  EXPECT_EQ(messages.texts, QStringList({QStringLiteral("Overflow in \"%1\"").arg(path),
                                         QStringLiteral("Overflow in the clipboard text"),
                                         QStringLiteral("No picture was made: the clipboard holds no text.")}));
  EXPECT_EQ(modObject::Registry().count(), 0u);
}

TEST_F(MainWindowShown, EachInfoMenuItemShowsItsOneDialog) {
  const std::pair<const char*, DialogId> items[] = {{"I_A_AboutPelorin", DialogId::AboutPelorin},
                                                    {"I_A_AboutQuorvel", DialogId::AboutQuorvel},
                                                    {"I_A_AboutAuthor", DialogId::AboutAuthor},
                                                    {"I_License", DialogId::License},
                                                    {"I_Info", DialogId::Info}};
  for (const auto& [action, shown] : items) {
    SCOPED_TRACE(action);
    child<QAction>(main, action)->trigger();
    child<QAction>(main, action)->trigger();
    for (DialogId id : kAllDialogs) EXPECT_EQ(visibleWindowsNamed(dialogName(id)), id == shown ? 1 : 0);
    EXPECT_EQ(main.dialogs().loadLog().count(dialogName(shown)), 1);
    main.dialogs().loaded(shown)->hide();
  }
}

TEST(MainWindowMenus, HoldTheTableItemsInOrderWithTheirCaptionsAndDistinctAccessKeysAndNothingElseSet) {
  frmMain window;
  // Each menu (null: the menu bar) with its table items in order, as name, caption, name, caption...
  const std::pair<const char*, QStringList> table[] = {
      {nullptr, {"M_File", "&File", "M_Info", "&Info"}},
      {"M_File", {"F_Exit", "&Exit"}},
      {"M_Info", {"I_About", "&About", "I_License", "&License", "I_Info", "&Info"}},
      {"I_About",
       {"I_A_AboutPelorin", "About &Pelorin", "I_A_AboutQuorvel", "About &Quorvel", "I_A_AboutAuthor",
        "About &Author"}}};
  for (const auto& [holder, items] : table) {
    SCOPED_TRACE(holder != nullptr ? holder : "menu bar");
    QStringList seen;
    QSet<QKeySequence> keys;
    for (QAction* item : holder != nullptr ? child<QMenu>(window, holder)->actions() : window.menuBar()->actions()) {
      const QString name = item->menu() != nullptr ? item->menu()->objectName() : item->objectName();
      if (!items.contains(name)) continue;
      seen << name << item->text();
      keys << QKeySequence::mnemonic(item->text());
      EXPECT_TRUE(item->shortcut().isEmpty() && !item->isCheckable() && item->isEnabled()) << name.toStdString();
    }
    EXPECT_EQ(seen, items);
    EXPECT_EQ(keys.size(), items.size() / 2);  // no two alike
  }
}

class Ending : public testing::MainWindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(Ending, ExitOrClosingTheMainWindowEndsTheEventLoopWithWindowsOpen) {
  main.dialogs().show(DialogId::Info);
  main.dialogs().show(DialogId::AboutPelorin);
  QTimer::singleShot(0, &main, [&] { GetParam() ? child<QAction>(main, "F_Exit")->trigger() : (void)main.close(); });
  QTimer::singleShot(5000, &main, [] { QCoreApplication::exit(42); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_NE(main.dialogs().loaded(DialogId::Info), nullptr);
  EXPECT_NE(main.dialogs().loaded(DialogId::AboutPelorin), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, Ending, ::testing::Bool());

}  // namespace
}  // namespace pelorin
