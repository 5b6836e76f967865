#include "ui/picture_window/genetic_code_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "platform/numbers.h"
#include "support/gui_fixture.h"
#include "ui/picture_window/genetic_code_model.h"

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

  frmObject* childWindow = nullptr;
};

// Copy, then Ctrl+Shift+V at rate 0, makes a twin. One window per picture; it outlives the picture's window.
TEST_F(GeneticCode, PasteMakesATwinAndTheWindowShowsEveryTraitAsTheFileWritesItTintedByItsSource) {
  QTest::keyClick(childWindow, Qt::Key_C, Qt::ControlModifier);
  child<QLineEdit>(main, "txtMutationRate")->setText(QStringLiteral("0"));
  testing::activate(&main);
  QTest::keyClick(&main, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(GeneticCodeText(picture(3)->GenCode), GeneticCodeText(picture(2)->GenCode));
  testing::activate(childWindow);
  QTest::keyClick(childWindow, Qt::Key_G, Qt::ControlModifier);
  ASSERT_EQ(testing::visibleWindowsNamed(QStringLiteral("GeneticCodeWindow")), 1);
  child<QAction>(*childWindow, "actGeneticCode")->trigger();  // the context menu's item
  childWindow->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  GeneticCodeWindow* window = showGeneticCodeWindow(*picture(2));  // the one already open
  ASSERT_EQ(testing::visibleWindowsNamed(QStringLiteral("GeneticCodeWindow")), 1);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Genetic code of picture 2"));
  const GeneticCodeModel& model = *window->model();
  const TraitSources& sources = picture(2)->Origin.sources;
  const std::vector<int> counts = sources.counts();
  EXPECT_EQ(child<QLabel>(*window, "lblOrigin")->text(),
            QStringLiteral("Picture 2: bred from 0 and 1 at mutation rate 0.05") +
                (counts[1] > 0 ? QStringLiteral("; %1 of 448 traits mutated").arg(counts[1]) : QString()));
  const auto& legend = model.legend();
  ASSERT_EQ(legend.size(), 3u);
  EXPECT_EQ(legend[1].text, QStringLiteral("picture 1: %1 traits (%2%)").arg(counts[4]).arg(qRound(counts[4] / 4.48)));
  EXPECT_TRUE(legend[2].text.startsWith(QStringLiteral("mutated: %1 traits").arg(counts[1])));

  // Under a decimal separator a file never holds, the cells still show the file's text.
  const ScopedNumberFormat persian({u'\u066b', u'\u066c'});
  const QList<QByteArray> lines = GeneticCodeText(picture(2)->GenCode).split('\n');
  for (int gene = 0; gene < 64; ++gene) {
    const bool drawn = lines[gene * 8 + 4] == "True\r";
    EXPECT_EQ(model.headerData(gene, Qt::Vertical).toString().endsWith(QStringLiteral("(not drawn)")), !drawn);
    for (int trait = 0; trait < 7; ++trait) {
      const auto [kind, parent] = sources.at(gene, static_cast<Trait>(trait));
      const QModelIndex cell = model.index(gene, trait);
      ASSERT_EQ(cell.data().toString().toLatin1() + '\r', lines[gene * 8 + trait]) << gene;
      EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(),
                legend[kind == TraitSources::Kind::Parent ? parent : 2].tint);
    }
  }
  const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };
  window->table()->selectionModel()->select(QItemSelection(model.index(1, 2), model.index(2, 3)),
                                            QItemSelectionModel::Select);
  testing::activate(window);
  QTest::keyClick(window->table(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), text(1, 2) + '\t' + text(1, 3) + '\n' + text(2, 2) + '\t' + text(2, 3));
}

// The angle column shows its longest texts whole, not elided.
TEST_F(GeneticCode, AngleColumnFitsItsLongestTexts) {
  const double angles[] = {0.0150881269801654, -1.79769313486231e308, -0.000123456789012345};
  for (std::int16_t gene = 0; gene < 3; ++gene) picture(2)->GenCode.SetGAngle(gene, angles[gene]);
  QTest::keyClick(childWindow, Qt::Key_G, Qt::ControlModifier);
  const QTableView* table = child<QTableView>(*showGeneticCodeWindow(*picture(2)), "tblGenes");
  for (int gene = 0; gene < 3; ++gene) {
    const QModelIndex cell = table->model()->index(gene, 0);
    const QVariant font = cell.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : table->font());
    EXPECT_GE(table->columnWidth(0), metrics.horizontalAdvance(cell.data().toString())) << gene;
  }
}

// A child of 300 parents: the window fits the screen and the legend scrolls.
TEST(GeneticCodeOfManyParents, WindowFitsTheScreenAndItsLegendScrolls) {
  clsObject child;
  child.ID = 300;
  child.Origin.how = PictureOrigin::How::Bred;
  for (std::int16_t p = 0; p < 300; ++p) child.Origin.parents.push_back(p);
  for (int gene = 0; gene < 64; ++gene)
    for (int trait = 0; trait < kTraitCount; ++trait)
      child.Origin.sources.setParent(gene, static_cast<Trait>(trait), (gene * kTraitCount + trait) % 300);
  child.Origin.sources.setMutated(63, Trait::Width);
  GeneticCodeWindow window(child);
  window.show();
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_LE(window.frameGeometry().height(), screen.height());
  EXPECT_GT(window.legendArea()->verticalScrollBar()->maximum(), 0);
  EXPECT_GE(window.table()->height(), window.legendArea()->height());
  EXPECT_EQ(window.model()->legend().back().text, QStringLiteral("mutated: 1 trait (0%)"));
}

}  // namespace
}  // namespace pelorin
