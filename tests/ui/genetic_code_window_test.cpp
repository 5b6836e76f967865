#include "ui/genetic_code_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QTableView>

#include "genetics/genetic_code_file.h"
#include "gui_fixture.h"
#include "picture/picture_object.h"
#include "platform/numbers.h"
#include "ui/genetic_code_model.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

using testing::child;

std::shared_ptr<clsObject> picture(int id) { return modObject::Registry().find(modObject::RegistryKey(id)); }

// Pictures 0 and 1 ticked as parents and their child 2, bred at a rate of 0.05.
class GeneticCode : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i) child<QCheckBox>(*open(), "cbxParent")->click();
    ASSERT_NE(childWindow = open(QStringLiteral("0.05")), nullptr);
    testing::activate(childWindow);
  }
  void TearDown() override { EXPECT_EQ(messages.texts, QStringList()); }
  GeneticCodeWindow* pressCtrlG() {
    QTest::keyClick(childWindow, Qt::Key_G, Qt::ControlModifier);
    GeneticCodeWindow* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<GeneticCodeWindow*>(widget); window && window->isVisible()) shown = window;
    return shown;
  }

  frmObject* childWindow = nullptr;
};

TEST_F(GeneticCode, ShowsEveryTraitAsTheFileWritesItTintedByItsSourceWithALegend) {
  GeneticCodeWindow* window = pressCtrlG();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Genetic code of picture 2"));
  EXPECT_EQ(child<QLabel>(*window, "lblOrigin")->text(), OriginLine(*picture(2)));
  const GeneticCodeModel& model = *window->model();
  const TraitSources& sources = picture(2)->Origin.sources;
  const std::vector<int> counts = sources.counts();
  const auto& legend = model.legend();
  ASSERT_EQ(legend.size(), 3u);
  for (int p = 0; p < 2; ++p)
    EXPECT_EQ(
        legend[p].text,
        QStringLiteral("picture %1: %2 traits (%3%)").arg(p).arg(counts[3 + p]).arg(qRound(counts[3 + p] / 4.48)));
  EXPECT_TRUE(legend[2].text.startsWith(QStringLiteral("mutated: %1 traits").arg(counts[1])));
  EXPECT_TRUE(legend[0].tint != legend[1].tint && legend[1].tint != legend[2].tint && legend[0].tint != legend[2].tint);

  // Under a decimal separator a file never holds, the cells still show the file's text.
  const ScopedNumberFormat persian({u'\u066b', u'\u066c'});
  const QList<QByteArray> lines = GeneticCodeText(picture(2)->GenCode).split('\n');
  ASSERT_EQ((std::pair{model.rowCount(), model.columnCount()}), (std::pair{64, 7}));
  for (int gene = 0; gene < 64; ++gene) {
    const bool drawn = lines[gene * 8 + 4] == "True\r";
    EXPECT_EQ(model.headerData(gene, Qt::Vertical).toString().endsWith(QStringLiteral("(not drawn)")), !drawn);
    for (int trait = 0; trait < 7; ++trait) {
      SCOPED_TRACE(::testing::Message() << "gene " << gene << ", trait " << trait);
      const QModelIndex cell = model.index(gene, trait);
      const TraitSources::Source source = sources.at(gene, static_cast<Trait>(trait));
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
  GeneticCodeWindow* window = pressCtrlG();
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
  GeneticCodeWindow* window = pressCtrlG();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(pressCtrlG(), window);
  child<QAction>(*childWindow, "actGeneticCode")->trigger();  // the context menu's item
  childWindow->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(testing::visibleWindowsNamed(QStringLiteral("GeneticCodeWindow")), 1);

  const GeneticCodeModel& model = *window->model();
  const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };
  QItemSelectionModel* selection = window->table()->selectionModel();
  selection->select(QItemSelection(model.index(1, 2), model.index(2, 3)), QItemSelectionModel::Select);
  selection->select(model.index(5, 6), QItemSelectionModel::Select);
  testing::activate(window);
  QTest::keyClick(window->table(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            text(1, 2) + '\t' + text(1, 3) + '\n' + text(2, 2) + '\t' + text(2, 3) + '\n' + text(5, 6));
}

// Copy in picture 2's window, then Ctrl+Shift+V: at rate 0 a twin; with no
// number in the rate box, nothing but the rate's message.
TEST_F(GeneticCode, PasteMakesATwinOfTheCopiedCodeAtRateZero) {
  testing::activate(childWindow);
  QTest::keyClick(childWindow, Qt::Key_C, Qt::ControlModifier);
  for (const char* rate : {"0", "abc"}) {
    child<QLineEdit>(main, "txtMutationRate")->setText(QString::fromLatin1(rate));
    testing::activate(&main);
    QTest::keyClick(&main, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main.dialogs().loaded(DialogId::ErrorMR) != nullptr, *rate != '0') << rate;
    EXPECT_EQ((std::pair{int{modObject::ObjectCount}, pictureWindows().size()}), (std::pair{4, qsizetype{4}}));
  }
  EXPECT_EQ(GeneticCodeText(picture(3)->GenCode), GeneticCodeText(picture(2)->GenCode));
}

}  // namespace
}  // namespace pelorin
