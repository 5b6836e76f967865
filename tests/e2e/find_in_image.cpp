// find_in_image SCREEN PICTURE SCALE [exact]: where PICTURE, scaled by SCALE,
// stands in SCREEN. Prints "x y difference" for the best place, the
// difference being the mean absolute difference per colour channel (0..255)
// there, and exits 0; 2 on a usage error or an unreadable image. With exact,
// only a place where every pixel is the same counts (quick on a large
// screen); none found prints "-1 -1 inf". The end-to-end tests use it to
// find a picture drawn at another size inside a window or on a screen.
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

int ChannelDifference(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

}  // namespace

int main(int argc, char** argv) {
  const bool exact = argc == 5 && std::strcmp(argv[4], "exact") == 0;
  if (argc != 4 && !exact) {
    std::fprintf(stderr, "usage: find_in_image SCREEN PICTURE SCALE [exact]\n");
    return 2;
  }
  const QImage screen = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  QImage picture = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
  bool ok = false;
  const double scale = QString::fromLocal8Bit(argv[3]).toDouble(&ok);
  if (screen.isNull() || picture.isNull() || !ok || scale <= 0.0) {
    std::fprintf(stderr, "find_in_image: unreadable image or scale\n");
    return 2;
  }
  picture = picture.scaled(qRound(picture.width() * scale), qRound(picture.height() * scale), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
  const int w = picture.width();
  const int h = picture.height();
  // Exact: a place is dropped at its first differing pixel.
  long long best = exact ? 1 : std::numeric_limits<long long>::max();
  int bestX = -1;
  int bestY = -1;
  for (int y = 0; y + h <= screen.height(); ++y) {
    for (int x = 0; x + w <= screen.width(); ++x) {
      long long sum = 0;
      // Rows stop adding once this place is already worse than the best.
      for (int row = 0; row < h && sum < best; ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(screen.constScanLine(y + row)) + x;
        const auto* p = reinterpret_cast<const QRgb*>(picture.constScanLine(row));
        for (int column = 0; column < w; ++column) sum += ChannelDifference(s[column], p[column]);
      }
      if (sum < best) {
        best = sum;
        bestX = x;
        bestY = y;
      }
    }
  }
  if (bestX < 0 && exact) {
    std::printf("-1 -1 inf\n");
    return 0;
  }
  if (bestX < 0) {
    std::fprintf(stderr, "find_in_image: the picture is larger than the screen\n");
    return 2;
  }
  std::printf("%d %d %.2f\n", bestX, bestY, static_cast<double>(best) / (3.0 * w * h));
  return 0;
}
