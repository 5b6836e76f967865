#include "ui/board/board_model.h"

#include <algorithm>

#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "platform/numbers.h"
#include "ui/common/front_window.h"
#include "ui/common/picture_mime.h"
#include "ui/common/plain_text.h"
#include "ui/common/user_messages.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_events.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {

BoardModel::BoardModel(QObject* parent) : QAbstractListModel(parent) {
  for (const auto& [key, picture] : modObject::Registry()) add(picture);
  connect(&modObject::Registry(), &PictureRegistry::parentBoxChanged, this, [this](PictureNumber number) {
    const QModelIndex changed = indexOf(number);
    if (changed.isValid()) emit dataChanged(changed, changed, {Qt::CheckStateRole});
  });
  PictureWindowEvents& events = PictureWindowEvents::instance();
  connect(&events, &PictureWindowEvents::opened, this, &BoardModel::add);
  connect(&events, &PictureWindowEvents::closed, this, &BoardModel::remove);
}

int BoardModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

const BoardModel::Row* BoardModel::rowAt(const QModelIndex& index) const {
  // No cell (no current one, say) is no fault: checkIndex would warn.
  if (!index.isValid()) return nullptr;
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return nullptr;
  return &rows_[static_cast<std::size_t>(index.row())];
}

std::vector<BoardModel::Row>::const_iterator BoardModel::lowerBound(PictureNumber id) const {
  return std::lower_bound(rows_.begin(), rows_.end(), id,
                          [](const Row& row, PictureNumber wanted) { return row.picture->ID < wanted; });
}

QVariant BoardModel::data(const QModelIndex& index, int role) const {
  const Row* row = rowAt(index);
  if (row == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole: return plainNumberText(row->picture->ID);
    case Qt::ToolTipRole: return plainToolTip(row->origin);
    case OriginRole: return row->origin;
    case PictureRole: return QVariant::fromValue(row->picture);
    case Qt::DecorationRole:
      if (!row->window) return {};
      return row->picture->Display->PicDraw().image();
    case Qt::BackgroundRole:
      if (!row->window) return {};
      return row->picture->Display->PicDraw().background();
    case Qt::CheckStateRole:
      if (!row->window) return {};
      return row->picture->ParentBoxValue() == 1 ? Qt::Checked : Qt::Unchecked;
    default: return {};
  }
}

bool BoardModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  const Row* row = rowAt(index);
  if (row == nullptr || role != Qt::CheckStateRole || !row->window) return false;
  // The registry tells every view back (parentBoxChanged), this one too.
  modObject::Registry().setParentBox(row->picture->ID, value.value<Qt::CheckState>() == Qt::Checked ? 1 : 0);
  return true;
}

Qt::ItemFlags BoardModel::flags(const QModelIndex& index) const {
  if (rowAt(index) == nullptr) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren |
         Qt::ItemIsDragEnabled;
}

QStringList BoardModel::mimeTypes() const {
  return {QStringLiteral("application/x-qt-image"), QStringLiteral("image/png"), QStringLiteral("text/plain"),
          QStringLiteral("text/uri-list")};
}

QMimeData* BoardModel::mimeData(const QModelIndexList& indexes) const {
  const Row* row = indexes.isEmpty() ? nullptr : rowAt(indexes.front());
  if (row == nullptr || !row->window) return nullptr;
  std::unique_ptr<QMimeData> data;
  // Asked from the view's mouse handling: a failure is shown, nothing dragged.
  reportFailures(row->window, [&] {
    data = PictureMimeData(*row->picture, row->window->picDraw()->surface().image(), OfferFile::Yes);
  });
  return data.release();
}

std::shared_ptr<clsObject> BoardModel::picture(const QModelIndex& index) const {
  const Row* row = rowAt(index);
  return row != nullptr ? row->picture : nullptr;
}

frmObject* BoardModel::window(const QModelIndex& index) const {
  const Row* row = rowAt(index);
  return row != nullptr ? row->window.data() : nullptr;
}

QModelIndex BoardModel::indexOf(PictureNumber id) const {
  const auto it = lowerBound(id);
  if (it == rows_.end() || it->picture->ID != id) return {};
  return index(static_cast<int>(it - rows_.begin()));
}

void BoardModel::bringToFront(const QModelIndex& index) const {
  frmObject* form = window(index);
  if (form == nullptr) return;
  pelorin::bringToFront(form);
}

void BoardModel::closeWindow(const QModelIndex& index) const {
  if (frmObject* form = window(index)) form->close();
}

void BoardModel::add(const std::shared_ptr<clsObject>& picture) {
  frmObject* form = picture ? openWindowOf(picture->ID) : nullptr;
  if (form == nullptr) return;
  const PictureNumber id = picture->ID;
  // Numbers only grow, so this is nearly always the end.
  const auto it = lowerBound(id);
  if (it != rows_.end() && it->picture->ID == id) return;
  const int position = static_cast<int>(it - rows_.begin());
  beginInsertRows({}, position, position);
  rows_.insert(it, Row{picture, form, OriginLine(*picture)});
  endInsertRows();
}

void BoardModel::remove(frmObject* window) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].window != window) continue;
    const int position = static_cast<int>(i);
    beginRemoveRows({}, position, position);
    rows_.erase(rows_.begin() + position);
    endRemoveRows();
    return;
  }
}

}  // namespace pelorin
