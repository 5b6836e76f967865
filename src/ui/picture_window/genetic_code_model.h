#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QModelIndexList>
#include <array>
#include <vector>

#include "genetics/gene.h"
#include "picture/picture_origin.h"

namespace pelorin {

class clsObject;

// The genetic code of one picture as a read-only table: a row per gene, a
// column per trait in the genetic code file's record order, each cell holding
// the trait's value as that file writes it and tinted by where it came from.
// A copy taken when the model is made: it needs the picture no longer.
class GeneticCodeModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GeneticCodeModel(clsObject& picture, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Display: the value's text; Background: the source's tint; ToolTip: the
  // source in words; Foreground and Font: grey italics for a gene not drawn.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Columns: the traits' names; rows: the gene numbers, "(not drawn)" added
  // for a gene whose segment is not drawn.
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  int pictureNumber() const { return number_; }
  const QString& originLine() const { return originLine_; }
  bool isDrawn(int gene) const { return genes_[static_cast<std::size_t>(gene)].Draw != 0; }
  int notDrawnCount() const;

  // One entry per source that gave traits (each parent listed even if it gave
  // none), in the order of TraitShares, with its tint and its share:
  // "picture 2: 210 traits (47%)", "mutated: 1 trait (0%)".
  struct LegendEntry {
    QColor tint;
    QString text;
  };
  const std::vector<LegendEntry>& legend() const { return legend_; }

  // The cells' texts as lines of tab-separated values: one line per row that
  // has a cell in cells, its cells in column order.
  QString copyText(const QModelIndexList& cells) const;

  // The tint of a source; every parent position has its own.
  QColor tint(const TraitSources::Source& source) const;

 private:
  QString valueText(int gene, Trait trait) const;
  QString sourceText(const TraitSources::Source& source) const;

  int number_;
  QString originLine_;
  PictureOrigin origin_;
  std::array<clsGene, kGeneCount> genes_;
  std::vector<LegendEntry> legend_;
};

}  // namespace pelorin
