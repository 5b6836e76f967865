#include "ui/genetic_code_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolTip>

#include "genetics/genetic_code_file.h"
#include "gui_fixture.h"
#include "picture/picture_object.h"
#include "ui/genetic_code_model.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

using testing::child;

std::shared_ptr<clsObject> picture(int id) { return modObject::Registry().find(modObject::RegistryKey(id)); }

QList<GeneticCodeWindow*> codeWindows() {
  QList<GeneticCodeWindow*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<GeneticCodeWindow*>(widget); window != nullptr && window->isVisible())
      found << window;
  }
  return found;
}

// Two pictures ticked as parents and their child, bred at a rate of 0.05.
class GeneticCode : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i) child<QCheckBox>(*open(), "cbxParent")->click();
    childWindow = open(QStringLiteral("0.05"));
    ASSERT_NE(childWindow, nullptr);
    testing::activate(childWindow);
  }
  void TearDown() override { EXPECT_EQ(messages.texts, QStringList()); }

  GeneticCodeWindow* pressCtrlG(frmObject* window) {
    QTest::keyClick(window, Qt::Key_G, Qt::ControlModifier);
    const QList<GeneticCodeWindow*> open = codeWindows();
    return open.isEmpty() ? nullptr : open.back();
  }

  frmObject* childWindow = nullptr;
};

TEST_F(GeneticCode, ShowsEveryTraitAsTheFileWritesItTintedByItsSourceWithALegend) {
  GeneticCodeWindow* window = pressCtrlG(childWindow);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Genetic code of picture 2"));
  const std::shared_ptr<clsObject> bred = picture(2);
  EXPECT_EQ(child<QLabel>(*window, "lblOrigin")->text(), OriginLine(*bred));

  const GeneticCodeModel& model = *window->model();
  ASSERT_EQ(model.rowCount(), 64);
  ASSERT_EQ(model.columnCount(), 7);
  const QList<QByteArray> lines = GeneticCodeText(bred->GenCode).split('\n');
  const std::vector<GeneticCodeModel::LegendEntry>& legend = model.legend();
  ASSERT_EQ(legend.size(), 3u);
  std::vector<int> counts = bred->Origin.sources.counts();
  for (int p = 0; p < 2; ++p) {
    EXPECT_EQ(legend[p].text.toStdString(), QStringLiteral("picture %1: %2 traits (%3%)")
                                                .arg(p)
                                                .arg(counts[3 + p])
                                                .arg(qRound(counts[3 + p] * 100.0 / 448))
                                                .toStdString());
  }
  EXPECT_TRUE(legend[2].text.startsWith(QStringLiteral("mutated: %1 traits").arg(counts[1])));
  EXPECT_TRUE(legend[0].tint != legend[1].tint && legend[1].tint != legend[2].tint && legend[0].tint != legend[2].tint);

  for (int gene = 0; gene < 64; ++gene) {
    const bool drawn = bred->GenCode.GetGDraw(static_cast<std::int16_t>(gene)) != 0;
    EXPECT_EQ(model.headerData(gene, Qt::Vertical).toString().endsWith(QStringLiteral("(not drawn)")), !drawn);
    for (int trait = 0; trait < 7; ++trait) {
      SCOPED_TRACE(::testing::Message() << "gene " << gene << ", trait " << trait);
      const QModelIndex cell = model.index(gene, trait);
      ASSERT_EQ(cell.data().toString().toLatin1(), lines[gene * 8 + trait].chopped(1));
      const TraitSources::Source source = bred->Origin.sources.at(gene, static_cast<Trait>(trait));
      const std::size_t entry = source.kind == TraitSources::Kind::Parent ? static_cast<std::size_t>(source.parent) : 2;
      EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), legend[entry].tint);
      EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), source.kind == TraitSources::Kind::Parent
                                                           ? QStringLiteral("from picture %1").arg(source.parent)
                                                           : QStringLiteral("mutated"));
      EXPECT_EQ(cell.data(Qt::FontRole).value<QFont>().italic(), !drawn);
    }
  }
}

TEST_F(GeneticCode, OneWindowPerPictureThatOutlivesThePictureWindowAndChangesNothingWhenClosed) {
  GeneticCodeWindow* first = pressCtrlG(childWindow);
  ASSERT_NE(first, nullptr);
  const QString firstCell = first->model()->index(63, 0).data().toString();
  EXPECT_EQ(pressCtrlG(childWindow), first);
  child<QAction>(*childWindow, "actGeneticCode")->trigger();
  EXPECT_EQ(codeWindows(), QList<GeneticCodeWindow*>{first});

  childWindow->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(codeWindows(), QList<GeneticCodeWindow*>{first});
  EXPECT_EQ(first->model()->index(63, 0).data().toString(), firstCell);

  // Another picture has a window of its own; closing one leaves the rest.
  frmObject* parentWindow = pictureWindows().front();
  child<QAction>(*parentWindow, "actGeneticCode")->trigger();
  ASSERT_EQ(codeWindows().size(), 2);
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(codeWindows().size(), 1);
  EXPECT_EQ(codeWindows().front()->windowTitle(),
            QStringLiteral("Genetic code of picture %1").arg(parentWindow->tag()));
  EXPECT_EQ(pictureWindows().size(), 2);
  EXPECT_EQ(modObject::Registry().count(), 3u);
}

TEST_F(GeneticCode, CtrlCCopiesTheSelectedCellsAsLinesOfTabSeparatedText) {
  GeneticCodeWindow* window = pressCtrlG(childWindow);
  ASSERT_NE(window, nullptr);
  QTableView* table = window->table();
  const GeneticCodeModel& model = *window->model();
  const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };
  table->selectionModel()->select(QItemSelection(model.index(1, 2), model.index(2, 3)), QItemSelectionModel::Select);
  table->selectionModel()->select(model.index(5, 6), QItemSelectionModel::Select);
  testing::activate(window);
  table->setFocus();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            text(1, 2) + '\t' + text(1, 3) + '\n' + text(2, 2) + '\t' + text(2, 3) + '\n' + text(5, 6));
  EXPECT_TRUE(table->actions().contains(window->copyAction()));  // also in the table's context menu
}

TEST_F(GeneticCode, ThePictureTellsItsOriginInItsTooltipAndOffersItsCodeInItsContextMenu) {
  QWidget* picDraw = child<QWidget>(*childWindow, "picDraw");
  QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), picDraw->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(picDraw, &help);
  EXPECT_EQ(QToolTip::text(), OriginLine(*picture(2)));
  EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("Picture 2: bred from 0 and 1 at mutation rate 0.05")));
  QToolTip::hideText();

  QAction* action = child<QAction>(*childWindow, "actGeneticCode");
  EXPECT_EQ(action->text(), QStringLiteral("Genetic Code..."));
  EXPECT_TRUE(picDraw->actions().contains(action));
}

TEST_F(GeneticCode, WindowWithoutAPictureSaysSo) {
  frmObject empty;
  empty.setTag(QStringLiteral("7"));
  child<QAction>(empty, "actGeneticCode")->trigger();
  EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Nothing was shown: picture 7 could not be created.")});
  EXPECT_TRUE(codeWindows().isEmpty());
  messages.texts.clear();
}

// The clipboard's text, the rate box, what becomes of it.
struct PasteCase {
  const char* name;
  const char* rate;
  bool copied;          // the text Copy puts there; else a damaged one
  const char* message;  // empty: a picture is made
};

void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.name; }

class Paste : public testing::MainWindowTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, MakesAPictureOfTheSameCodeOrNothing) {
  const PasteCase& c = GetParam();
  frmObject* copiedWindow = open(QStringLiteral("0"), QStringLiteral("typed.txt"));
  testing::activate(copiedWindow);
  QTest::keyClick(child<QWidget>(*copiedWindow, "picDraw"), Qt::Key_C, Qt::ControlModifier);
  const QByteArray code = GeneticCodeText(picture(0)->GenCode);
  if (!c.copied) {
    QList<QByteArray> lines = code.split('\n');
    lines[35] = "red\r";
    QApplication::clipboard()->setText(QString::fromLatin1(lines.join('\n')));
  }
  child<QLineEdit>(main, "txtMutationRate")->setText(QString::fromLatin1(c.rate));
  child<QLineEdit>(main, "txtName")->setText(QStringLiteral("typed.txt"));
  testing::activate(&main);
  QTest::keyClick(&main, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);

  const bool made = *c.message == 0 && QString::fromLatin1(c.rate) != QStringLiteral("abc");
  EXPECT_EQ(modObject::ObjectCount, made ? 2 : 1);
  EXPECT_EQ(modObject::Registry().count(), made ? 2u : 1u);
  EXPECT_EQ(pictureWindows().size(), made ? 2 : 1);
  EXPECT_EQ(main.dialogs().loaded(DialogId::ErrorMR) != nullptr, QString::fromLatin1(c.rate) == QStringLiteral("abc"));
  EXPECT_EQ(messages.texts, *c.message == 0 ? QStringList() : QStringList{QString::fromLatin1(c.message)});
  if (made) {
    EXPECT_EQ(GeneticCodeText(picture(1)->GenCode), code);
    EXPECT_EQ(picture(1)->Origin.how, PictureOrigin::How::Pasted);
    frmObject* pasted = nullptr;
    for (frmObject* form : pictureWindows()) {
      if (form->tag() == QStringLiteral("1")) pasted = form;
    }
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->windowTitle(), QStringLiteral("1"));
    EXPECT_EQ(child<QLineEdit>(*pasted, "txtName")->text(), QString());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, Paste,
    ::testing::Values(PasteCase{"CopiedAtRateZero", "0", true, ""}, PasteCase{"RateNotANumber", "abc", true, ""},
                      PasteCase{"DamagedText", "0", false,
                                "Type mismatch in line 36 of the clipboard text: ColorRed of gene 4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NewPictureFromClipboard, IsAnItemOfTheFileMenuBeforeExit) {
  frmMain main;
  QMenu* file = child<QMenu>(main, "M_File");
  ASSERT_NE(file, nullptr);
  QStringList items;
  for (QAction* action : file->actions()) items << action->text();
  EXPECT_EQ(items, QStringList({"New Picture from Clipboard", "", "&Exit"}));
  EXPECT_EQ(file->actions().front()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+V")));
}

}  // namespace
}  // namespace pelorin
