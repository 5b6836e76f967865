#include <unistd.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include "app_state/mod_errors.h"
#include "app_state/mod_genes.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "support/gui_fixture.h"
#include "support/line_picture.h"
#include "ui/board/frm_board.h"
#include "ui/common/cell_grid_view.h"

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

// Drops as a file manager, a browser or an image viewer sends them. Items
// name files in the test's folder: "good.txt" (a whole code), "short.txt"
// (two lines), "lat\xe9.txt" (the good code under a name that is no UTF-8),
// "folder", "missing"; anything with a scheme is a URL as written.
class Drops : public testing::MainWindowTest {
 protected:
  Drops() {
    good = testing::LineCodeText(QColor(30, 140, 200)).toLatin1();
    WriteFileAtomically(dir.filePath(QStringLiteral("good.txt")), good);
    WriteFileAtomically(dir.filePath(QStringLiteral("short.txt")), "1\r\n2\r\n");
    WriteFileAtomically(dir.filePath(DecodeFileName("lat\xe9.txt")), good);
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
  }
  // QDir cannot name the file that is no UTF-8 to remove it.
  ~Drops() override { ::unlink(EncodeFileName(path("lat\xe9.txt")).constData()); }
  QString path(const QByteArray& name) const { return dir.filePath(DecodeFileName(name)); }
  // A file manager's text/uri-list: each name's bytes percent-encoded.
  QList<QUrl> urls(const QList<QByteArray>& names) const {
    QList<QUrl> list;
    for (const QByteArray& name : names) {
      list << (name.contains(':') ? QUrl(QString::fromLatin1(name))
                                  : QUrl::fromEncoded("file://" + EncodeFileName(path(name)).toPercentEncoding("/")));
    }
    return list;
  }
  // The window dropped on.
  QWidget* window(bool onBoard) {
    if (onBoard) main.board().show();
    return onBoard ? static_cast<QWidget*>(&main.board()) : &main;
  }
  // What the pointer is over: the board's cells, the main window's Open button.
  QWidget* target(bool onBoard) {
    return onBoard ? static_cast<QAbstractItemView&>(main.board().view()).viewport() : child<QWidget>(main, "btnOpen");
  }
  // Sends the drag's entry, then the drop when the entry was taken; true when taken.
  static bool drop(QWidget* onto, QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(onto, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(5, 5), enter.dropAction(), &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(onto, &dropped);
    return dropped.isAccepted();
  }
  void drain() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.dropsWaiting() == 0; }, 60000));
  }
  // Number: name of each registered picture.
  QStringList made() const {
    QStringList pictures;
    for (const auto& [key, picture] : modObject::Registry()) pictures << key.trimmed() + ':' + picture->Name;
    return pictures;
  }

  QByteArray good;
};

// What is taken is what the drop table below drops (its drop() asserts it
// was taken); the rest is refused on both windows.
TEST_F(Drops, AnythingButLocalFilesOrTextIsRefusedOnTheMainWindowAndTheBoard) {
  const std::function<void(QMimeData&)> refused[] = {
      [&](QMimeData& m) {
        m.setUrls(urls({"http://example.com/a", "ftp://h/b"}));
      },
      [](QMimeData& m) { m.setImageData(QImage(4, 4, QImage::Format_RGB32)); },
      [](QMimeData& m) { m.setData(QStringLiteral("image/png"), "\x89PNG"); },
      [](QMimeData&) {},
  };
  for (bool onBoard : {false, true}) {
    for (std::size_t row = 0; row < std::size(refused); ++row) {
      QMimeData data;
      refused[row](data);
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      window(onBoard);
      QCoreApplication::sendEvent(target(onBoard), &enter);
      EXPECT_FALSE(enter.isAccepted()) << row << (onBoard ? " on the board" : " on the main window");
    }
  }
}

struct DropCase {
  const char* what;
  bool onBoard;
  const char* rate;
  QList<QByteArray> files;  // none: the drop is text
  const char* text;         // "good": the good code
  QList<QByteArray> made;   // number:name of each picture made, as bytes; %1 the folder
  QStringList failures;     // the one message's lines after its first; %1 the folder
};

class Dropping : public Drops, public ::testing::WithParamInterface<DropCase> {};

TEST_P(Dropping, MakesAPictureOfEachItemInOrderAndOneMessageNamesEveryFailure) {
  const DropCase& row = GetParam();
  child<QLineEdit>(main, "txtMutationRate")->setText(QString::fromLatin1(row.rate));
  QMimeData data;
  if (!row.files.isEmpty()) data.setUrls(urls(row.files));
  if (row.text != nullptr) data.setText(qstrcmp(row.text, "good") == 0 ? QString::fromLatin1(good) : row.text);
  ASSERT_TRUE(drop(target(row.onBoard), data));
  EXPECT_EQ(modObject::Registry().count(), 0u);  // made later, one per turn
  drain();
  QStringList expected;
  for (QByteArray picture : row.made) expected << DecodeFileName(picture.replace("%1", EncodeFileName(dir.path())));
  EXPECT_EQ(made(), expected);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(pictureWindows().size(), row.made.size());        // a failed item leaves no window
  for (const auto& [key, picture] : modObject::Registry()) {  // read as written, at rate 0
    EXPECT_EQ(GeneticCodeText(picture->GenCode), good) << key.toStdString();
  }
  QStringList lines;
  if (!row.failures.isEmpty()) lines << QStringLiteral("These dropped items made no picture:");
  for (QString line : row.failures) lines << line.replace(QStringLiteral("%1"), dir.path());
  EXPECT_EQ(messages.texts, lines.isEmpty() ? QStringList() : QStringList{lines.join('\n')});
  if (!lines.isEmpty()) {
    EXPECT_EQ(messages.parents, QList<QWidget*>{window(row.onBoard)});
  }
  EXPECT_EQ(visibleWindowsNamed(QStringLiteral("ErrorMR")), QString::fromLatin1(row.rate) == "x" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Items, Dropping,
    ::testing::Values(
        DropCase{"Mixed",
                 false,
                 "0",
                 {"good.txt", "http://example.com/a.txt", "short.txt", "lat\xe9.txt", "folder", "missing"},
                 nullptr,
                 // The short file failed after taking number 1, as Open's would.
                 {"0:%1/good.txt", "2:%1/lat\xe9.txt"},
                 {"\"http://example.com/a.txt\" is not a file on this computer; nothing was fetched.",
                  "Input past end of file in line 3 of \"%1/short.txt\": ColorGreen of gene 0",
                  "File access error in \"%1/folder\": Is a directory",
                  "File access error in \"%1/missing\": No such file or directory"}},
        DropCase{
            "AllGoodOnTheBoard", true, "0", {"good.txt", "good.txt"}, nullptr, {"0:%1/good.txt", "1:%1/good.txt"}, {}},
        DropCase{"RateNoNumber", false, "x", {"good.txt"}, nullptr, {}, {}},
        DropCase{"Text", false, "0", {}, "good", {"0:"}, {}},
        DropCase{"ShortTextOnTheBoard",
                 true,
                 "0",
                 {},
                 "1\r\n",
                 {},
                 {"Input past end of file in line 2 of the dropped text: ColorBlue of gene 0"}},
        DropCase{"BrowserLink",
                 false,
                 "0",
                 {"http://example.com/a"},
                 "http://example.com/a",
                 {},
                 {"\"http://example.com/a\" is not a file on this computer; nothing was fetched."}}),
    [](const auto& info) { return std::string(info.param.what); });

// A thousand files: each turn of the event loop makes at most one picture,
// quickly, and the pictures appear while the rest wait.
TEST_F(Drops, AThousandFilesAreMadeOnePerTurnWithoutHoldingTheWindow) {
  QMimeData data;
  data.setUrls(QList<QUrl>(1000, urls({"good.txt"}).front()));
  ASSERT_TRUE(drop(target(false), data));
  qint64 longest = 0;
  int turns = 0;
  for (std::size_t before = 0; main.dropsWaiting() > 0; before = modObject::Registry().count()) {
    QElapsedTimer turn;
    turn.start();
    QCoreApplication::processEvents();
    longest = std::max(longest, turn.elapsed());
    ASSERT_LE(modObject::Registry().count(), before + 1);
    ++turns;
  }
  EXPECT_EQ(modObject::Registry().count(), 1000u);
  EXPECT_GE(turns, 1000);
  EXPECT_LT(longest, 100);
  RecordProperty("longestTurnMs", static_cast<int>(longest));
  EXPECT_TRUE(messages.texts.isEmpty());
}

}  // namespace
}  // namespace pelorin
