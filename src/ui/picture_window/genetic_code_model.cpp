#include "ui/picture_window/genetic_code_model.h"

#include <QFileInfo>
#include <QFont>
#include <map>

#include "genetics/genetic_code_file.h"
#include "picture/picture_object.h"
#include "platform/numbers.h"
#include "ui/common/plain_text.h"

namespace pelorin {

namespace {

// Pale, clearly different tints for the first parents, so that black text
// stays legible on each; later parents go round the colour wheel.
constexpr QRgb kParentTints[] = {0xc4d9ff, 0xffd6a0, 0xc6ebb0, 0xe6ccf7, 0xb4ebe4, 0xf9c6da, 0xf0e79a, 0xd8cfc0};
// A mutation is what the eye should find first.
constexpr QRgb kMutatedTint = 0xff7b7b;
constexpr QRgb kRandomTint = 0xfff1b8;
constexpr QRgb kReadTint = 0xe4e4e4;
constexpr QRgb kValueText = 0x000000;
constexpr QRgb kNotDrawnText = 0x6a6a6a;

int percent(int traits) { return (traits * 100 + TraitSources::kCount / 2) / TraitSources::kCount; }

}  // namespace

GeneticCodeModel::GeneticCodeModel(clsObject& picture, QObject* parent)
    : QAbstractTableModel(parent), number_(picture.ID), originLine_(OriginLine(picture)), origin_(picture.Origin) {
  for (std::int16_t k = 0; k < kGeneCount; ++k) genes_[static_cast<std::size_t>(k)] = *picture.GenCode.GetGene(k);
  int parentPosition = 0;  // TraitShares lists the parents in breeding's order
  for (const TraitShare& share : TraitShares(origin_)) {
    TraitSources::Source source{share.kind};
    if (share.kind == TraitSources::Kind::Parent) source.parent = parentPosition++;
    const QString name =
        share.kind == TraitSources::Kind::Parent ? tr("picture %1").arg(share.picture) : sourceText(source);
    const QString traits =
        share.traits == 1 ? tr("%1: 1 trait (%2%)") : tr("%1: %n traits (%2%)", nullptr, share.traits);
    legend_.push_back({tint(source), traits.arg(name, QString::number(percent(share.traits)))});
  }
}

int GeneticCodeModel::notDrawnCount() const {
  int n = 0;
  for (const clsGene& gene : genes_) n += gene.Draw == 0;
  return n;
}

int GeneticCodeModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGeneCount; }

int GeneticCodeModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kTraitCount; }

QString GeneticCodeModel::valueText(int gene, Trait trait) const {
  return TraitLineText(genes_[static_cast<std::size_t>(gene)], trait);
}

QString GeneticCodeModel::sourceText(const TraitSources::Source& source) const {
  switch (source.kind) {
    case TraitSources::Kind::Parent:
      return tr("from picture %1").arg(origin_.parents.at(static_cast<std::size_t>(source.parent)));
    case TraitSources::Kind::Mutated: return origin_.how == PictureOrigin::How::Random ? tr("random") : tr("mutated");
    case TraitSources::Kind::Read:
      if (origin_.how == PictureOrigin::How::Copied && origin_.copiedFrom)
        return tr("from %1").arg(RecordedPictureText(*origin_.copiedFrom));
      return origin_.how == PictureOrigin::How::Pasted
                 ? tr("from the clipboard")
                 : tr("from the file %1").arg(QFileInfo(origin_.fileName).fileName());
    case TraitSources::Kind::Unset:
      return origin_.how == PictureOrigin::How::Read ? tr("not in the file") : tr("not set");
  }
  return {};
}

QColor GeneticCodeModel::tint(const TraitSources::Source& source) const {
  switch (source.kind) {
    case TraitSources::Kind::Parent: {
      constexpr int kNamed = static_cast<int>(std::size(kParentTints));
      if (source.parent < kNamed) return QColor(kParentTints[source.parent]);
      // The golden angle keeps neighbouring parents far apart in hue.
      return QColor::fromHsv(static_cast<int>(source.parent * 137.508) % 360, 60, 250);
    }
    case TraitSources::Kind::Mutated:
      return QColor(origin_.how == PictureOrigin::How::Random ? kRandomTint : kMutatedTint);
    case TraitSources::Kind::Read: return QColor(kReadTint);
    case TraitSources::Kind::Unset: break;
  }
  return {};
}

QVariant GeneticCodeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int gene = index.row();
  const auto trait = static_cast<Trait>(index.column());
  switch (role) {
    case Qt::DisplayRole: return valueText(gene, trait);
    case Qt::BackgroundRole: {
      const QColor color = tint(origin_.sources.at(gene, trait));
      return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::ForegroundRole: return QColor(isDrawn(gene) ? kValueText : kNotDrawnText);
    case Qt::FontRole:
      if (!isDrawn(gene)) {
        QFont font;
        font.setItalic(true);
        return font;
      }
      return {};
    case Qt::ToolTipRole: return plainToolTip(sourceText(origin_.sources.at(gene, trait)));
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant GeneticCodeModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) {
    return section >= 0 && section < kTraitCount ? QString::fromLatin1(TraitName(static_cast<Trait>(section)))
                                                 : QVariant();
  }
  if (section < 0 || section >= kGeneCount) return {};
  return isDrawn(section) ? QString::number(section) : tr("%1 (not drawn)").arg(section);
}

QString GeneticCodeModel::copyText(const QModelIndexList& cells) const {
  std::map<int, std::map<int, QString>> rows;
  for (const QModelIndex& cell : cells) {
    if (cell.isValid() && cell.model() == this)
      rows[cell.row()][cell.column()] = valueText(cell.row(), static_cast<Trait>(cell.column()));
  }
  QStringList lines;
  for (const auto& [row, columns] : rows) {
    QStringList values;
    for (const auto& [column, text] : columns) values << text;
    lines << values.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace pelorin
