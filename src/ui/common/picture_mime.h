#pragma once

#include <QImage>
#include <QMimeData>
#include <QString>
#include <QUrl>
#include <memory>

#include "app_state/mod_object.h"
#include "picture/picture_export.h"

class QWidget;

namespace pelorin {

class clsObject;

// What Copy and a drag offer of picture, whose window shows image: the image
// itself, "image/png" (the PNG carrying the picture's genetic code), and the
// genetic code file's text as plain text. withFile: also the URL of
// picture-N.png, those PNG bytes written into DragFolder(), for programs
// that take files only. Fails with FileSystem naming the file it could not
// write or encode.
enum class OfferFile { No, Yes };
std::unique_ptr<QMimeData> PictureMimeData(clsObject& picture, const QImage& image, OfferFile withFile);
// The same for any picture numbered number: its image and the text its PNG
// carries (ImageText: title, origin line, genetic code).
std::unique_ptr<QMimeData> PictureMimeData(PictureNumber number, const QImage& image, const ImageText& text,
                                           OfferFile withFile);

// The program's private temporary folder for dragged files, made on first
// use and removed with everything in it when the program ends. Fails with
// FileSystem when it cannot be made.
QString DragFolder();

// The file URL of a local name whose bytes need not be UTF-8
// (DecodeFileName): the bytes percent-encoded, so they arrive as they are.
QUrl LocalFileUrl(const QString& name);

// Drags picture out of source (a copy): PictureMimeData with the file, a
// small image of it under the pointer. Returns when the drop is done or
// cancelled; a failure is reported over source.
void DragPicture(QWidget* source, clsObject& picture, const QImage& image);
// The same for PictureMimeData(number, image, text, OfferFile::Yes).
void DragPicture(QWidget* source, PictureNumber number, const QImage& image, const ImageText& text);

}  // namespace pelorin
