#pragma once

#include <QAbstractListModel>
#include <QCache>
#include <QImage>
#include <QString>
#include <vector>

#include "history/history_store.h"
#include "ui/common/picture_cell.h"

namespace pelorin {

// The pictures one run of the history made, one row each in number order, as
// the History window shows them. Each picture's image is drawn from its
// recorded genetic code when first asked for, and kept in a cache bounded by
// the images' size: a long run costs only the cells in view.
//
// Roles: DisplayRole the number as plain digits, DecorationRole the picture
// (QImage at devicePixelRatio(), as its window would show it on such a
// screen), OriginRole the origin line as the picture's tooltip says it,
// ToolTipRole that line with ", closed" for a closed picture, as a tooltip
// shows it literally (plainToolTip), OpenRole
// whether the picture is open (bool; for an ended run, open at its end),
// ClosedRole the opposite.
class HistoryCellsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role { OpenRole = kFirstOwnRole };

  // Images kept, in KiB: a few screens full of cells at a device pixel ratio
  // of 2 (about 190 KiB a picture there, 47 KiB at 1).
  static constexpr int kImageCacheKiB = 48 * 1024;

  explicit HistoryCellsModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Shows pictures, those of run in number order. For the run already shown,
  // rows that are still there change in place and new ones are added after
  // them, so the views keep their place; otherwise the model is reset.
  void setPictures(history::RunId run, std::vector<history::RecordedPicture> pictures);
  // No run, no rows.
  void clear();
  // The run shown; 0 for none.
  history::RunId run() const { return run_; }

  // The row's picture; null for an invalid index.
  const history::RecordedPicture* picture(const QModelIndex& index) const;
  // The row of the picture recorded as id, or an invalid index.
  QModelIndex indexOf(history::PictureId id) const;

  // The ratio the images are drawn for (1 until set). Changing it drops
  // every kept image.
  qreal devicePixelRatio() const { return ratio_; }
  void setDevicePixelRatio(qreal ratio);
  // Drops every kept image (a forgotten run's records may be reused).
  void dropImages();
  // The most the kept images may take, in KiB (kImageCacheKiB unless set).
  void setImageCacheKiB(int kib) { images_.setMaxCost(kib); }
  // Images drawn since the model was made, and kept now.
  int imagesDrawn() const { return drawn_; }
  int imagesKept() const { return static_cast<int>(images_.count()); }

 private:
  struct Row {
    history::RecordedPicture picture;
    mutable QString origin;  // made when first asked for
  };

  const Row* rowAt(const QModelIndex& index) const;
  const QString& originOf(const Row& row) const;
  QImage imageOf(const Row& row) const;

  history::RunId run_ = 0;
  std::vector<Row> rows_;
  qreal ratio_ = 1.0;
  mutable QCache<history::PictureId, QImage> images_;
  mutable int drawn_ = 0;
};

}  // namespace pelorin
