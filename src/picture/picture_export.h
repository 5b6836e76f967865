#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include "picture/line_geometry.h"

namespace pelorin {

class clsGenSeq;

// The picture drawn afresh from its segments at scale (> 0) times the
// window's picture size, on background: crisp at any scale, as the window
// would show it on a screen of that device pixel ratio.
QImage RenderPicture(clsGenSeq& code, const SegmentTable& lines, qreal scale, QColor background);

// The picture as SVG text: a background rect over the whole picture area,
// then one <line> per drawn segment in gene order, in logical pixels (twips
// / 15, written so they read back exactly), with the colour, clamped pen
// width and square caps the window draws it with. UTF-8.
QByteArray PictureSvg(clsGenSeq& code, const SegmentTable& lines, QColor background);

// The image as PNG bytes. Fails with FileSystem naming path when it cannot
// be encoded.
QByteArray PngBytes(const QImage& image, const QString& path);

enum class ImageFormat { Png, Svg };

// Writes the picture as a whole file: an existing file is replaced only once
// the new one is complete. scale applies to PNG only. Fails with FileSystem
// naming path.
void ExportPicture(clsGenSeq& code, const SegmentTable& lines, QColor background, const QString& path,
                   ImageFormat format, int scale);

}  // namespace pelorin
