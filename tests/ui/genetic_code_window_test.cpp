#include "ui/genetic_code_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
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
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<GeneticCodeWindow*>(widget); window && window->isVisible()) found << window;
  return found;
}

// Pictures 0 and 1 ticked as parents and their child 2, bred at a rate of 0.05.
class GeneticCode : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i) child<QCheckBox>(*open(), "cbxParent")->click();
    ASSERT_NE(childWindow = open(QStringLiteral("0.05")), nullptr);
    testing::activate(childWindow);
  }
  void TearDown() override { EXPECT_EQ(messages.texts, expected); }
  GeneticCodeWindow* pressCtrlG(frmObject* window) {
    QTest::keyClick(window, Qt::Key_G, Qt::ControlModifier);
    return codeWindows().isEmpty() ? nullptr : codeWindows().back();
  }

  frmObject* childWindow = nullptr;
  QStringList expected;
};

TEST_F(GeneticCode, ShowsEveryTraitAsTheFileWritesItTintedByItsSourceWithALegend) {
  GeneticCodeWindow* window = pressCtrlG(childWindow);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Genetic code of picture 2"));
  EXPECT_EQ(child<QLabel>(*window, "lblOrigin")->text(), OriginLine(*picture(2)));
  const GeneticCodeModel& model = *window->model();
  const PictureOrigin& origin = picture(2)->Origin;
  const std::vector<int> counts = origin.sources.counts();
  const auto& legend = model.legend();
  ASSERT_EQ(legend.size(), 3u);
  for (int p = 0; p < 2; ++p)
    EXPECT_EQ(
        legend[p].text,
        QStringLiteral("picture %1: %2 traits (%3%)").arg(p).arg(counts[3 + p]).arg(qRound(counts[3 + p] / 4.48)));
  EXPECT_TRUE(legend[2].text.startsWith(QStringLiteral("mutated: %1 traits").arg(counts[1])));
  EXPECT_TRUE(legend[0].tint != legend[1].tint && legend[1].tint != legend[2].tint && legend[0].tint != legend[2].tint);

  const QList<QByteArray> lines = GeneticCodeText(picture(2)->GenCode).split('\n');
  ASSERT_EQ((std::pair{model.rowCount(), model.columnCount()}), (std::pair{64, 7}));
  for (int gene = 0; gene < 64; ++gene) {
    const bool drawn = lines[gene * 8 + 4] == "True\r";
    EXPECT_EQ(model.headerData(gene, Qt::Vertical).toString().endsWith(QStringLiteral("(not drawn)")), !drawn);
    for (int trait = 0; trait < 7; ++trait) {
      SCOPED_TRACE(::testing::Message() << "gene " << gene << ", trait " << trait);
      const QModelIndex cell = model.index(gene, trait);
      const TraitSources::Source source = origin.sources.at(gene, static_cast<Trait>(trait));
      const bool copied = source.kind == TraitSources::Kind::Parent;
      ASSERT_EQ(cell.data().toString().toLatin1() + '\r', lines[gene * 8 + trait]);
      EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), legend[copied ? source.parent : 2].tint);
      EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(),
                copied ? QStringLiteral("from picture %1").arg(source.parent) : QStringLiteral("mutated"));
      EXPECT_EQ(cell.data(Qt::FontRole).value<QFont>().italic(), !drawn);
    }
  }
}

// The angle column shows its longest texts whole, not elided.
TEST_F(GeneticCode, AngleColumnFitsItsLongestTexts) {
  const double angles[] = {0.0150881269801654, -1.79769313486231e308, -0.000123456789012345};
  for (std::int16_t gene = 0; gene < 3; ++gene) picture(2)->GenCode.SetGAngle(gene, angles[gene]);
  GeneticCodeWindow* window = pressCtrlG(childWindow);
  ASSERT_NE(window, nullptr);
  const QTableView* table = child<QTableView>(*window, "tblGenes");
  for (int gene = 0; gene < 3; ++gene) {
    const QModelIndex cell = table->model()->index(gene, 0);
    const QVariant font = cell.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : table->font());
    EXPECT_GE(table->columnWidth(0), metrics.horizontalAdvance(cell.data().toString())) << gene;
  }
}

TEST_F(GeneticCode, OneWindowPerPictureThatOutlivesThePictureWindowAndCopiesSelectedCells) {
  GeneticCodeWindow* window = pressCtrlG(childWindow);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(pressCtrlG(childWindow), window);
  child<QAction>(*childWindow, "actGeneticCode")->trigger();  // the context menu's item
  EXPECT_EQ(codeWindows(), QList<GeneticCodeWindow*>{window});
  childWindow->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(codeWindows(), QList<GeneticCodeWindow*>{window});

  const GeneticCodeModel& model = *window->model();
  const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };
  window->table()->selectionModel()->select(QItemSelection(model.index(1, 2), model.index(2, 3)),
                                            QItemSelectionModel::Select);
  window->table()->selectionModel()->select(model.index(5, 6), QItemSelectionModel::Select);
  testing::activate(window);
  QTest::keyClick(window->table(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            text(1, 2) + '\t' + text(1, 3) + '\n' + text(2, 2) + '\t' + text(2, 3) + '\n' + text(5, 6));

  child<QAction>(*pictureWindows().front(), "actGeneticCode")->trigger();
  ASSERT_EQ(codeWindows().size(), 2);
  window->close();  // changes nothing else
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ((std::pair{codeWindows().size(), pictureWindows().size()}), (std::pair{qsizetype{1}, qsizetype{2}}));
  EXPECT_EQ(modObject::Registry().count(), 3u);
}

TEST_F(GeneticCode, PictureTellsItsOriginInItsTooltipAndSaysWhenThereIsNoPicture) {
  QWidget* picDraw = child<QWidget>(*childWindow, "picDraw");
  QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), picDraw->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(picDraw, &help);
  EXPECT_EQ(QToolTip::text(), OriginLine(*picture(2)));
  EXPECT_TRUE(picDraw->actions().contains(child<QAction>(*childWindow, "actGeneticCode")));

  frmObject empty;
  empty.setTag(QStringLiteral("7"));
  child<QAction>(empty, "actGeneticCode")->trigger();
  expected = {QStringLiteral("Nothing was shown: picture 7 could not be created.")};
  EXPECT_TRUE(codeWindows().isEmpty());
}

class Paste : public testing::MainWindowTest,
              public ::testing::WithParamInterface<std::tuple<const char*, const char*, const char*>> {};

// The rate box; the line put in place of line 36 of the copied text (none:
// as copied); the message. Ctrl+Shift+V makes a twin at rate 0, or nothing.
TEST_P(Paste, MakesAPictureOfTheCopiedCodeOrNothing) {
  const auto& [rate, line36, message] = GetParam();
  testing::activate(open(QStringLiteral("0"), QStringLiteral("typed.txt")));
  QTest::keyClick(pictureWindows().front(), Qt::Key_C, Qt::ControlModifier);
  QList<QByteArray> lines = GeneticCodeText(picture(0)->GenCode).split('\n');
  if (*line36 != 0) lines[35] = QByteArray(line36) + '\r';
  if (*line36 != 0) QApplication::clipboard()->setText(QString::fromLatin1(lines.join('\n')));
  child<QLineEdit>(main, "txtMutationRate")->setText(QString::fromLatin1(rate));
  testing::activate(&main);
  QTest::keyClick(&main, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);

  const bool badRate = QByteArray(rate) == "abc", made = !badRate && *message == 0;
  EXPECT_EQ(main.dialogs().loaded(DialogId::ErrorMR) != nullptr, badRate);
  EXPECT_EQ(messages.texts, *message == 0 ? QStringList() : QStringList{QString::fromLatin1(message)});
  EXPECT_EQ((std::tuple{modObject::ObjectCount, modObject::Registry().count(), pictureWindows().size()}),
            (std::tuple{std::int16_t(made ? 2 : 1), std::size_t(made ? 2 : 1), qsizetype(made ? 2 : 1)}));
  if (!made) return;
  EXPECT_EQ(GeneticCodeText(picture(1)->GenCode), GeneticCodeText(picture(0)->GenCode));
  for (frmObject* form : pictureWindows()) {
    if (form->tag() == QStringLiteral("1")) {
      EXPECT_EQ(form->txtName()->text(), QString());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, Paste,
    ::testing::Values(std::tuple{"0", "", ""}, std::tuple{"abc", "", ""},
                      std::tuple{"0", "red", "Type mismatch in line 36 of the clipboard text: ColorRed of gene 4"}));

}  // namespace
}  // namespace pelorin
