#include "ui/common/picture_mime.h"

#include <QCoreApplication>
#include <QDir>
#include <QDrag>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <optional>

#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "platform/failure.h"
#include "platform/file_access.h"
#include "platform/numbers.h"
#include "ui/common/user_messages.h"

namespace pelorin {

namespace {

// The image under the pointer while dragging: at most this many pixels a side.
constexpr int kDragImageSide = 96;

}  // namespace

QString DragFolder() {
  // Lives until the program's statics are destroyed, after the event loop
  // has ended; its destructor removes the folder and its files.
  static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/pelorin-drag-XXXXXX"));
  if (!folder.isValid()) {
    throw Failure(FailureKind::FileSystem, QDir::tempPath(), folder.errorString());
  }
  return folder.path();
}

QUrl LocalFileUrl(const QString& name) {
  QUrl url;
  url.setScheme(QStringLiteral("file"));
  url.setPath(QString::fromLatin1(EncodeFileName(name).toPercentEncoding("/")), QUrl::TolerantMode);
  return url;
}

std::unique_ptr<QMimeData> PictureMimeData(PictureNumber number, const QImage& image, const ImageText& text,
                                           OfferFile withFile) {
  const QString file = QStringLiteral("picture-%1.png").arg(plainNumberText(number));
  const QString path = withFile == OfferFile::Yes ? QDir(DragFolder()).filePath(file) : file;
  const QByteArray png = PngBytes(image, path, text);
  auto data = std::make_unique<QMimeData>();
  data->setImageData(image);
  data->setData(QStringLiteral("image/png"), png);
  data->setText(QString::fromLatin1(text.geneticCode));
  if (withFile == OfferFile::Yes) {
    WriteFileAtomically(path, png);
    data->setUrls({LocalFileUrl(path)});
  }
  return data;
}

std::unique_ptr<QMimeData> PictureMimeData(clsObject& picture, const QImage& image, OfferFile withFile) {
  return PictureMimeData(picture.ID, image, ImageTextOf(picture), withFile);
}

void DragPicture(QWidget* source, PictureNumber number, const QImage& image, const ImageText& text) {
  std::unique_ptr<QMimeData> data;
  const QString doing =
      QCoreApplication::translate("pelorin::PictureMime", "dragging picture %1").arg(plainNumberText(number));
  if (!reportFailures(source, doing, [&] { data = PictureMimeData(number, image, text, OfferFile::Yes); })) return;
  auto* drag = new QDrag(source);
  drag->setMimeData(data.release());
  QImage small = image.scaled(kDragImageSide, kDragImageSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  small.setDevicePixelRatio(1.0);
  drag->setPixmap(QPixmap::fromImage(small));
  drag->setHotSpot(QPoint(small.width() / 2, small.height() / 2));
  drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void DragPicture(QWidget* source, clsObject& picture, const QImage& image) {
  std::optional<ImageText> text;
  if (!reportFailures(source, [&] { text = ImageTextOf(picture); })) return;
  DragPicture(source, picture.ID, image, *text);
}

}  // namespace pelorin
