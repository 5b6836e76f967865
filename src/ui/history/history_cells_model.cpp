#include "ui/history/history_cells_model.h"

#include <QPainter>
#include <algorithm>
#include <memory>
#include <optional>

#include "history/recorded_drawing.h"
#include "picture/picture_export.h"
#include "picture/picture_origin.h"
#include "picture/picture_surface.h"
#include "platform/numbers.h"
#include "platform/twips.h"
#include "ui/common/plain_text.h"

namespace pelorin {

HistoryCellsModel::HistoryCellsModel(QObject* parent) : QAbstractListModel(parent), images_(kImageCacheKiB) {}

int HistoryCellsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

const HistoryCellsModel::Row* HistoryCellsModel::rowAt(const QModelIndex& index) const {
  if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return nullptr;
  return &rows_[static_cast<std::size_t>(index.row())];
}

const history::RecordedPicture* HistoryCellsModel::picture(const QModelIndex& index) const {
  const Row* row = rowAt(index);
  return row != nullptr ? &row->picture : nullptr;
}

QModelIndex HistoryCellsModel::indexOf(history::PictureId id) const {
  const auto it = std::find_if(rows_.begin(), rows_.end(), [id](const Row& row) { return row.picture.id == id; });
  return it == rows_.end() ? QModelIndex() : index(static_cast<int>(it - rows_.begin()));
}

const QString& HistoryCellsModel::originOf(const Row& row) const {
  if (!row.origin.isNull()) return row.origin;
  if (row.picture.damage) {
    row.origin = row.picture.number >= 0
                     ? tr("Picture %1: damaged, %2").arg(row.picture.number).arg(*row.picture.damage)
                     : tr("Damaged: %1").arg(*row.picture.damage);
  } else {
    row.origin = OriginLine(row.picture.number, row.picture.origin);
  }
  return row.origin;
}

namespace {

// A record that cannot be read: a cross over its blank cell.
void markDamaged(QImage& image) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0xb0, 0x30, 0x30), 2.0));
  const QRectF area = QRectF(QPointF(0, 0), image.deviceIndependentSize()).adjusted(8, 8, -8, -8);
  painter.drawLine(area.topLeft(), area.bottomRight());
  painter.drawLine(area.topRight(), area.bottomLeft());
}

}  // namespace

QImage HistoryCellsModel::imageOf(const Row& row) const {
  if (const QImage* kept = images_.object(row.picture.id)) return *kept;
  const QColor background = systemWindowBackground();
  std::optional<QImage> drawn;
  if (!row.picture.damage) {
    drawn = history::DrawRecordedCode(row.picture.code, [&](clsGenSeq& code, const SegmentTable& lines) {
      return RenderPicture(code, lines, ratio_, background);
    });
  }
  // A path that leaves the coordinates: its window drew nothing either.
  if (!drawn) drawn = BlankImage(twipsSize(kPictureWidthTwips, kPictureHeightTwips), ratio_, background);
  if (row.picture.damage) markDamaged(*drawn);
  auto image = std::make_unique<QImage>(*std::move(drawn));
  ++drawn_;
  const QImage shown = *image;
  const auto kib = static_cast<int>(std::max<qsizetype>(1, image->sizeInBytes() / 1024));
  images_.insert(row.picture.id, image.release(), kib);
  return shown;
}

QVariant HistoryCellsModel::data(const QModelIndex& index, int role) const {
  const Row* row = rowAt(index);
  if (row == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole: return plainNumberText(row->picture.number);
    case Qt::DecorationRole: return imageOf(*row);
    case OriginRole: return originOf(*row);
    case Qt::ToolTipRole:
      return plainToolTip(row->picture.open ? originOf(*row) : tr("%1, closed").arg(originOf(*row)));
    case OpenRole: return row->picture.open;
    case ClosedRole: return !row->picture.open;
    default: return {};
  }
}

Qt::ItemFlags HistoryCellsModel::flags(const QModelIndex& index) const {
  if (rowAt(index) == nullptr) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void HistoryCellsModel::setPictures(history::RunId run, std::vector<history::RecordedPicture> pictures) {
  const bool extends = run == run_ && pictures.size() >= rows_.size() &&
                       std::equal(rows_.begin(), rows_.end(), pictures.begin(),
                                  [](const Row& row, const auto& picture) { return row.picture.id == picture.id; });
  if (!extends) {
    beginResetModel();
    run_ = run;
    rows_.clear();
    rows_.reserve(pictures.size());
    for (history::RecordedPicture& picture : pictures) rows_.push_back(Row{std::move(picture), {}});
    endResetModel();
    return;
  }
  // What may change on a picture already shown: open or closed (and its
  // tick and place, which no cell shows), and whether a picture its origin
  // names is of this run (when this run went on to continue that one).
  int first = -1, last = -1;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    Row& row = rows_[i];
    const history::RecordedPicture& now = pictures[i];
    const bool renamed =
        row.picture.origin.savedFrom != now.origin.savedFrom || row.picture.origin.copiedFrom != now.origin.copiedFrom;
    if (row.picture.open != now.open || renamed) {
      if (first < 0) first = static_cast<int>(i);
      last = static_cast<int>(i);
    }
    if (renamed) row.origin = QString();
    row.picture = std::move(pictures[i]);
  }
  if (first >= 0) emit dataChanged(index(first), index(last), {OpenRole, ClosedRole, OriginRole, Qt::ToolTipRole});
  if (pictures.size() > rows_.size()) {
    beginInsertRows({}, static_cast<int>(rows_.size()), static_cast<int>(pictures.size()) - 1);
    for (std::size_t i = rows_.size(); i < pictures.size(); ++i) rows_.push_back(Row{std::move(pictures[i]), {}});
    endInsertRows();
  }
}

void HistoryCellsModel::clear() { setPictures(0, {}); }

void HistoryCellsModel::setDevicePixelRatio(qreal ratio) {
  if (ratio <= 0 || ratio == ratio_) return;
  ratio_ = ratio;
  dropImages();
}

void HistoryCellsModel::dropImages() { images_.clear(); }

}  // namespace pelorin
