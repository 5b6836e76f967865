#include "ui/common/picture_drops.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <optional>

#include "platform/file_access.h"

namespace pelorin {

namespace {

// A file URL of this machine (no host, or localhost). Its path is taken
// from the percent-encoded bytes, so a name that is no UTF-8 keeps every
// byte; QUrl's decoded forms would replace them.
std::optional<QString> localName(const QUrl& url) {
  if (!url.isLocalFile()) return std::nullopt;
  const QString host = url.host();
  if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0) return std::nullopt;
  const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
  if (bytes.isEmpty()) return std::nullopt;
  return DecodeFileName(bytes);
}

// Text of its own: QMimeData::hasText() is true of URLs alone too.
bool hasText(const QMimeData& data) { return data.hasFormat(QStringLiteral("text/plain")); }

const QWidget* sourceWidget(const QDropEvent& event) { return qobject_cast<const QWidget*>(event.source()); }

}  // namespace

std::vector<DroppedItem> DroppedItems(const QMimeData& data) {
  std::vector<DroppedItem> items;
  if (data.hasUrls()) {
    for (const QUrl& url : data.urls()) {
      if (std::optional<QString> name = localName(url)) {
        items.push_back({DroppedItem::Kind::File, *name});
      } else {
        items.push_back({DroppedItem::Kind::Elsewhere, url.toDisplayString()});  // no password shown
      }
    }
  } else if (hasText(data)) {
    items.push_back({DroppedItem::Kind::Text, data.text()});
  }
  return items;
}

bool TakesDrop(const QMimeData& data) {
  if (data.hasUrls()) {
    for (const QUrl& url : data.urls()) {
      if (localName(url)) return true;
    }
  }
  return hasText(data);
}

PictureDropTarget::PictureDropTarget(QWidget* window, Dropped dropped)
    : QObject(window), window_(window), dropped_(std::move(dropped)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) {
    // A text box takes dropped text as text, but files and dragged pictures
    // (which carry their file) are the window's: ignored here, they go on to it.
    const bool dragged = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!dragged) return false;
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData() == nullptr || !drag->mimeData()->hasUrls()) return false;
    drag->ignore();
    return true;
  }
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      const QWidget* source = sourceWidget(*drag);
      const bool own = source != nullptr && (source == window_ || window_->isAncestorOf(source));
      if (!own && drag->mimeData() != nullptr && TakesDrop(*drag->mimeData())) {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (drop->mimeData() == nullptr) return true;
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      // The data lives only as long as the event: the items are copied out.
      dropped_(DroppedItems(*drop->mimeData()));
      return true;
    }
    default: return false;
  }
}

}  // namespace pelorin
