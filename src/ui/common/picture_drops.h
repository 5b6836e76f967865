#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QMimeData;
class QWidget;

namespace pelorin {

// One item of a drop, in the order the drag gave them.
struct DroppedItem {
  enum class Kind {
    File,      // value: a local file's name, its bytes kept (DecodeFileName)
    Text,      // value: text that should be a whole genetic code
    Elsewhere  // value: a URL that names no local file, as written; never fetched
  };
  Kind kind;
  QString value;
};

// What a drop of data makes pictures from: its URLs when it has any (what a
// file manager sends; plain text beside them is the same names again), one
// item each, else its text as one item; nothing when it has neither.
std::vector<DroppedItem> DroppedItems(const QMimeData& data);

// True when a drop of data would be taken: a URL of a local file, or text.
// A drag of anything else (an image alone, remote URLs alone) is refused.
bool TakesDrop(const QMimeData& data);

// Makes window take drops of what TakesDrop accepts, from any of its
// children that take none themselves, and hands each drop's items to
// dropped. A drag that began inside window is refused there, so a cell
// dragged about on its own board makes nothing. Owned by window.
class PictureDropTarget final : public QObject {
  Q_OBJECT

 public:
  using Dropped = std::function<void(std::vector<DroppedItem> items)>;
  PictureDropTarget(QWidget* window, Dropped dropped);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  Dropped dropped_;
};

}  // namespace pelorin
