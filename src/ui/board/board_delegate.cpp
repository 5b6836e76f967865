#include "ui/board/board_delegate.h"

#include <QMouseEvent>
#include <QPainter>

#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_surface.h"
#include "picture/whole_path.h"
#include "platform/twips.h"
#include "ui/board/board_model.h"
#include "ui/common/picture_cell.h"

namespace pelorin {

namespace {

constexpr QSize kPictureSize = twipsSize(kPictureWidthTwips, kPictureHeightTwips);
// Rendered pictures kept, in KiB: a few screens full at the largest zoom.
constexpr int kRenderedCacheKiB = 64 * 1024;

// The Parent box's caption, as the picture window's box reads.
QString parentText() { return BoardDelegate::tr("Parent"); }

QStyleOptionButton parentBoxOption(const QStyleOptionViewItem& option, const QRect& rect, Qt::CheckState state) {
  QStyleOptionButton box;
  box.initFrom(option.widget);
  box.rect = rect;
  box.text = parentText();
  box.palette = option.palette;
  box.fontMetrics = option.fontMetrics;
  box.state = QStyle::State_Enabled | (state == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
  if (option.state & QStyle::State_Selected) {
    box.palette.setColor(QPalette::WindowText, option.palette.color(QPalette::HighlightedText));
  }
  return box;
}

}  // namespace

BoardDelegate::BoardDelegate(QObject* parent) : PictureCellDelegate(parent), rendered_(kRenderedCacheKiB) {}

void BoardDelegate::setZoom(int zoom) { zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom); }

QSize BoardDelegate::pictureSize() const { return kPictureSize * zoom_; }

int BoardDelegate::numberRowHeight(const QStyleOptionViewItem& option) const {
  // The Parent box shares the number's row.
  const QStyle* style = StyleOf(option);
  return std::max(style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, option.widget), option.fontMetrics.height()) +
         2;
}

BoardDelegate::CellLayout BoardDelegate::layout(const QRect& cell, const QStyleOptionViewItem& option) const {
  const QStyle* style = StyleOf(option);
  const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, option.widget);
  const int boxWidth = indicator + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, option.widget) +
                       option.fontMetrics.horizontalAdvance(parentText()) + 2;
  CellLayout parts{cellLayout(cell, option), {}};
  parts.parentBox = QRect(parts.picture.right() + 1 - boxWidth, parts.number.top(), boxWidth, parts.number.height());
  parts.number.setRight(parts.parentBox.left() - 1);
  return parts;
}

const QImage* BoardDelegate::rendered(const QModelIndex& index, qreal dpr) const {
  const auto picture = index.data(BoardModel::PictureRole).value<std::shared_ptr<clsObject>>();
  const QVariant background = index.data(Qt::BackgroundRole);
  if (!picture || !background.isValid()) return nullptr;
  if (dpr != renderedRatio_) {
    rendered_.clear();
    renderedRatio_ = dpr;
  }
  const quint64 key = (static_cast<quint64>(static_cast<quint16>(picture->ID)) << 8) |
                      static_cast<quint64>(zoom_ << 1) | static_cast<quint64>(wholePaths_);
  if (const QImage* kept = rendered_.object(key)) return kept;
  const QColor colour = background.value<QColor>();
  auto image = std::make_unique<QImage>(
      wholePaths_ ? RenderWholePath(picture->GenCode, picture->Segments(), kPictureSize * zoom_, dpr, colour)
                  : RenderPicture(picture->GenCode, picture->Segments(), zoom_ * dpr, colour));
  image->setDevicePixelRatio(dpr);
  const QImage* shown = image.get();
  const int kib = std::max<qsizetype>(1, image->sizeInBytes() / 1024);
  return rendered_.insert(key, image.release(), kib) ? shown : nullptr;
}

void BoardDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QVariant shown = index.data(Qt::DecorationRole);
  if (!shown.isValid()) return;  // its window is gone
  QStyle* style = StyleOf(option);
  const CellLayout parts = layout(option.rect, option);

  DrawCellPanel(painter, option);

  painter->save();
  drawPictureFrame(painter, option, parts.picture);
  if (zoom_ == 1 && !wholePaths_) {
    // The window's own retained image: what the window shows (QImage shares
    // its pixels, so nothing is copied).
    painter->drawImage(parts.picture.topLeft(), shown.value<QImage>());
  } else if (const QImage* image = rendered(index, painter->device()->devicePixelRatioF())) {
    painter->drawImage(parts.picture.topLeft(), *image);
  } else {
    painter->fillRect(parts.picture, index.data(Qt::BackgroundRole).value<QColor>());
  }
  drawTexts(painter, option, index, parts);
  painter->restore();

  const QStyleOptionButton box =
      parentBoxOption(option, parts.parentBox, index.data(Qt::CheckStateRole).value<Qt::CheckState>());
  style->drawControl(QStyle::CE_CheckBox, &box, painter, option.widget);
}

bool BoardDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                const QModelIndex& index) {
  if (!(index.flags() & Qt::ItemIsUserCheckable) || !(index.flags() & Qt::ItemIsEnabled)) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton ||
          !layout(option.rect, option).parentBox.contains(mouse->position().toPoint())) {
        return false;
      }
      // The box toggles on release, as a check box does. The view sends the
      // second click of a double click as the double click alone: it
      // toggles again and activates nothing.
      if (event->type() == QEvent::MouseButtonPress) return true;
      break;
    }
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Space && key != Qt::Key_Select) return false;
      break;
    }
    default: return false;
  }
  const bool ticked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
  return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

}  // namespace pelorin
