#include "picture/picture_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <vector>

#include "genetics/gene_sequence.h"
#include "picture/picture_surface.h"
#include "platform/failure.h"

namespace pelorin {
namespace {

const QColor kBackground(10, 20, 30);

struct SvgLine {
  double x1, y1, x2, y2;
  QString stroke, width, cap;
  friend bool operator==(const SvgLine&, const SvgLine&) = default;
};

void PrintTo(const SvgLine& line, std::ostream* out) {
  *out << "(" << line.x1 << "," << line.y1 << ")-(" << line.x2 << "," << line.y2 << ") "
       << line.stroke.toStdString() << " w" << line.width.toStdString() << " " << line.cap.toStdString();
}

class PictureExport : public ::testing::Test {
 protected:
  void SetUp() override {
    // Gene 0: plain; 1: hidden; 2: width and colours outside their ranges;
    // 3: a segment reaching past the area.
    setGene(0, 3, 255, 0, 0, {850, 800, 1000, 650});
    setGene(1, 5, 0, 255, 0, {1000, 650, 400, 400}, false);
    setGene(2, 0, 300, -5, 128, {400, 400, 17, 1574});
    setGene(3, 16, 1, 2, 3, {17, 1574, -300, 32767});
  }

  void setGene(std::int16_t i, std::int16_t width, std::int16_t red, std::int16_t green, std::int16_t blue,
               clsLine line, bool draw = true) {
    code.SetGColorWidth(i, width);
    code.SetGColorRed(i, red);
    code.SetGColorGreen(i, green);
    code.SetGColorBlue(i, blue);
    code.SetGColorDraw(i, draw ? kTrue16 : kFalse16);
    lines[static_cast<std::size_t>(i)] = line;
  }

  clsGenSeq code;
  SegmentTable lines;
};

TEST_F(PictureExport, SvgHoldsExactlyTheDrawnSegments) {
  QXmlStreamReader xml(PictureSvg(code, lines, kBackground));
  std::vector<SvgLine> found;
  QString size, fill;
  while (xml.readNextStartElement()) {
    const auto a = xml.attributes();
    if (xml.name() == QLatin1String("svg")) {
      size = a.value("width").toString() + QLatin1Char('x') + a.value("height").toString();
      continue;  // into its children
    }
    if (xml.name() == QLatin1String("rect")) fill = a.value("fill").toString();
    if (xml.name() == QLatin1String("line")) {
      found.push_back({a.value("x1").toDouble(), a.value("y1").toDouble(), a.value("x2").toDouble(),
                       a.value("y2").toDouble(), a.value("stroke").toString(), a.value("stroke-width").toString(),
                       a.value("stroke-linecap").toString()});
    }
    xml.skipCurrentElement();
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(size, QStringLiteral("113x105"));
  EXPECT_EQ(fill, QStringLiteral("rgb(10,20,30)"));
  const std::vector<SvgLine> expected = {
      {850 / 15.0, 800 / 15.0, 1000 / 15.0, 650 / 15.0, "rgb(255,0,0)", "3", "square"},
      {400 / 15.0, 400 / 15.0, 17 / 15.0, 1574 / 15.0, "rgb(255,0,128)", "1", "square"},
      {17 / 15.0, 1574 / 15.0, -300 / 15.0, 32767 / 15.0, "rgb(1,2,3)", "16", "square"},
  };
  EXPECT_EQ(found, expected);
}

class PngExport : public PictureExport, public ::testing::WithParamInterface<int> {};

TEST_P(PngExport, IsThePictureDrawnAfreshAtTheScale) {
  const int scale = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture.png"));
  ExportPicture(code, lines, kBackground, path, ImageFormat::Png, scale);
  QImage written(path);
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.size(), QSize(113, 105) * scale);
  const QImage drawn = RenderPicture(code, lines, scale, kBackground);
  EXPECT_EQ(written.convertToFormat(drawn.format()), drawn);
  // Drawn at the scale, not enlarged: an enlarged picture would be made of
  // whole scale x scale blocks of one colour, the slanted lines' edges too.
  if (scale == 1) return;
  bool finerThanBlocks = false;
  for (int y = 0; y + scale <= written.height() && !finerThanBlocks; y += scale) {
    for (int x = 0; x + scale <= written.width() && !finerThanBlocks; x += scale) {
      for (int i = 0; i < scale * scale; ++i) {
        finerThanBlocks |= written.pixel(x + i % scale, y + i / scale) != written.pixel(x, y);
      }
    }
  }
  EXPECT_TRUE(finerThanBlocks);
}

INSTANTIATE_TEST_SUITE_P(Scales, PngExport, ::testing::Values(1, 2, 4));

TEST_F(PictureExport, ReplacesAnExistingFileAndFailsNamingAMissingFolder) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture.svg"));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an older and much longer file than the new one will be, to show it is not kept in part" +
            QByteArray(100000, 'x'));
  old.close();
  ExportPicture(code, lines, kBackground, path, ImageFormat::Svg, 1);
  QFile svg(path);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_EQ(svg.readAll(), PictureSvg(code, lines, kBackground));

  const QString missing = dir.filePath(QStringLiteral("missing/picture.png"));
  try {
    ExportPicture(code, lines, kBackground, missing, ImageFormat::Png, 2);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileSystem);
    EXPECT_EQ(failure.path(), missing);
  }
}

}  // namespace
}  // namespace pelorin
