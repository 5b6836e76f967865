#pragma once

#include <QAbstractListModel>
#include <QPointer>
#include <memory>
#include <vector>

#include "app_state/mod_object.h"
#include "ui/common/picture_cell.h"

namespace pelorin {

class clsObject;
class frmObject;

// The pictures whose windows are open, one row each in number order. Each
// row is a registered picture and its window; the check state of a row is
// the picture's Parent box (PictureRegistry), which its window shows too. Rows come and go with
// the windows (PictureWindowEvents). Caches each row's origin line, which
// never changes once the picture is made.
//
// Roles: DisplayRole the number as plain digits, DecorationRole the window's
// retained picture image (QImage), BackgroundRole that image's background
// colour (QColor), CheckStateRole the Parent box, OriginRole the picture's
// origin line, ToolTipRole that line as a tooltip shows it literally
// (plainToolTip), PictureRole the picture itself
// (std::shared_ptr<clsObject>), for drawing it afresh.
class BoardModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role { PictureRole = kFirstOwnRole };

  explicit BoardModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A dragged cell offers its picture as the window's Copy does, and as a
  // file (PictureMimeData); only the first of indexes is taken.
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;

  // The row's picture and its window; null for an invalid index. The
  // delegate reads roles instead; the tests reach a row's picture through these.
  std::shared_ptr<clsObject> picture(const QModelIndex& index) const;
  frmObject* window(const QModelIndex& index) const;
  // The row of picture number id, or an invalid index.
  QModelIndex indexOf(PictureNumber id) const;

  // Brings the row's window to the front, restored if minimised; nothing
  // for an invalid index.
  void bringToFront(const QModelIndex& index) const;
  // Closes the row's window as its Done button does; the row goes with it.
  // Nothing for an invalid index.
  void closeWindow(const QModelIndex& index) const;

 private:
  struct Row {
    std::shared_ptr<clsObject> picture;
    QPointer<frmObject> window;
    QString origin;
  };

  void add(const std::shared_ptr<clsObject>& picture);
  void remove(frmObject* window);
  const Row* rowAt(const QModelIndex& index) const;
  // The first row whose number is not below id.
  std::vector<Row>::const_iterator lowerBound(PictureNumber id) const;

  std::vector<Row> rows_;
};

}  // namespace pelorin
