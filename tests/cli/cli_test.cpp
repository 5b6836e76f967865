// Runs the built pelorin-render and pelorin-breed as a user would, with no
// display and no Qt platform named.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <numbers>
#include <set>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_export.h"
#include "picture/whole_path.h"
#include "platform/file_access.h"

namespace pelorin {
namespace {

const QString kRender = QStringLiteral(PELORIN_RENDER), kBreed = QStringLiteral(PELORIN_BREED);
const QColor kWhite(Qt::white);

struct Result {
  int status;
  QByteArray out, err;
};

std::set<QRgb> colours(const QImage& image) {
  std::set<QRgb> seen;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
  return seen;
}

class CommandLine : public ::testing::Test {
 protected:
  // The number format is the locale's: '.' unless a test names another.
  Result run(const QString& program, const QStringList& arguments, const QString& locale = "C.UTF-8") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
  }
  QByteArray bytes(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void write(const QString& name, const QByteArray& content) { WriteFileAtomically(dir.filePath(name), content); }

  // pic.txt: a square of sides 600 (far: 2500) from (850, 800), first right
  // in a red hair line, then down with a pen of 3, each side its own colour.
  void handMade(bool far = false) {
    for (std::int16_t i = 0; i < 4; ++i) {
      code.SetGColorLength(i, far ? 2500 : 600);
      code.SetGAngle(i, i * std::numbers::pi / 2);
      code.SetGColorWidth(i, i == 1 ? 3 : 1);
      code.SetGColorRed(i, i == 0 ? 255 : 0);
      code.SetGColorGreen(i, static_cast<std::int16_t>(i * 80));
      code.SetGColorBlue(i, i == 0 ? 0 : 255);
      code.SetGColorDraw(i, kTrue16);
    }
    ComputeSegments(code, lines);
    SaveGeneticCode(code, dir.filePath(QStringLiteral("pic.txt")));
  }

  // a.txt and b.txt: wholly random pictures, written in the locale's number format.
  void parents(const QString& locale = "C.UTF-8") {
    for (const QString& name : {QStringLiteral("a"), QStringLiteral("b")})
      ASSERT_EQ(run(kBreed, {"--seed", name == "a" ? "1" : "2", "-o", name + ".txt"}, locale).status, 0);
  }

  QTemporaryDir dir;
  clsGenSeq code;
  SegmentTable lines;
};

class RenderScale : public CommandLine, public ::testing::WithParamInterface<int> {};

TEST_P(RenderScale, PngIsThePictureAtTheScaleAndWholeKeepsEverySegment) {
  const int scale = GetParam();
  const QString n = QString::number(scale);
  handMade();
  const Result done = run(kRender, {"--scale", n, "pic.txt", "pic.png"});
  ASSERT_EQ(done.status, 0) << done.err.toStdString();
  EXPECT_TRUE(done.out.isEmpty() && done.err.isEmpty());
  const QImage image = QImage::fromData(bytes("pic.png"));
  ASSERT_EQ(image.size(), QSize(113, 105) * scale);
  // Red from (850, 800) to (1450, 800), then the pen of 3 down to (1450, 1400).
  EXPECT_EQ(image.pixel(75 * scale, 53 * scale), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(96 * scale + 1, 75 * scale), qRgb(0, 80, 255));
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
  const QImage drawn = RenderPicture(code, lines, scale, kWhite);
  EXPECT_EQ(image.convertToFormat(drawn.format()), drawn);

  handMade(true);
  ASSERT_EQ(run(kRender, {"--whole", "--scale", n, "pic.txt", "whole.png"}).status, 0);
  ASSERT_EQ(run(kRender, {"--scale", n, "pic.txt", "window.png"}).status, 0);
  const QImage whole = QImage::fromData(bytes("whole.png"));
  EXPECT_EQ(colours(whole), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 80, 255), qRgb(0, 160, 255),
                                            qRgb(0, 240, 255)}));
  EXPECT_LT(colours(QImage::fromData(bytes("window.png"))).size(), 5u);  // the window shows a corner
  const QImage framed = RenderWholePath(code, lines, QSize(113, 105), scale, kWhite);
  EXPECT_EQ(whole.convertToFormat(framed.format()), framed);
}

INSTANTIATE_TEST_SUITE_P(Scales, RenderScale, ::testing::Values(1, 3));

TEST_F(CommandLine, FormatFollowsTheOptionThenTheSuffix) {
  handMade();
  const QByteArray png("\x89PNG"), svg = PictureSvg(code, lines, kWhite);
  const struct {
    QStringList options;
    QString output;
    QByteArray content;
  } cases[] = {{{}, "a.svg", svg},
               {{"--format", "svg"}, "b.png", svg},
               {{"--format=PNG"}, "b.svg", png},
               {{"--whole"}, "w.svg", WholePathSvg(code, lines, QSize(113, 105), kWhite)}};
  for (const auto& c : cases) {
    EXPECT_EQ(run(kRender, c.options + QStringList{"pic.txt", c.output}).status, 0);
    EXPECT_EQ(bytes(c.output).left(c.content.size()), c.content) << c.output.toStdString();
  }
}

// A failure: status 1, one line, no output; a usage error: status 2.
TEST_F(CommandLine, FailuresAndUsageErrorsSayWhatAndWriteNothing) {
  handMade();
  QList<QByteArray> fileLines = bytes("pic.txt").split('\n');
  fileLines[35] = "red\r";  // ColorRed of gene 4
  write("mismatch.txt", fileLines.join('\n'));
  write("far.txt", bytes("pic.txt").replace("600\r\n", "32767\r\n"));  // gene 0 ends past 32767
  write("kept.png", "old");
  const struct {
    QString program;
    QStringList arguments;
    int status;
    QString message;
  } cases[] = {
      {kRender, {"mismatch.txt", "x.png"}, 1, "Type mismatch in line 36 of \"mismatch.txt\": ColorRed of gene 4"},
      {kRender, {"far.txt", "kept.png"}, 1, "Overflow in \"far.txt\""},
      {kRender, {".", "x.png"}, 1, "File access error in \".\": Is a directory"},
      {kBreed, {"-o", "kept.png", "none.txt"}, 1, "File access error in \"none.txt\": No such file or directory"},
      {kBreed, {"-o", "x.png", "--rate", "fast"}, 2, "The Mutation Rate must be a number."},
      {kRender, {"pic.txt"}, 2, ""},
      {kRender, {"--scale", "17", "pic.txt", "x.png"}, 2, ""},
      {kRender, {"--format", "gif", "pic.txt", "x.png"}, 2, ""},
      {kRender, {"--whole=yes", "pic.txt", "x.png"}, 2, ""},
      {kBreed, {"pic.txt"}, 2, ""},
      {kBreed, {"-o", "x.png", "--seed", "-1"}, 2, ""},
  };
  for (const auto& c : cases) {
    const Result done = run(c.program, c.arguments);
    EXPECT_EQ(done.status, c.status) << c.arguments.join(' ').toStdString();
    const QString line = (c.program == kRender ? "pelorin-render: " : "pelorin-breed: ") + c.message;
    if (c.status == 1) {
      EXPECT_EQ(done.err.toStdString(), (line + "\n").toStdString());
    }
    EXPECT_TRUE(done.err.startsWith(line.toUtf8()));
    EXPECT_EQ(bytes("x.png"), "<missing>");
    EXPECT_EQ(bytes("kept.png"), "old");
  }
  for (const QString& program : {kRender, kBreed}) {
    EXPECT_TRUE(run(program, {"--help"}).out.startsWith("Usage: pelorin-"));
    EXPECT_TRUE(run(program, {"--version"}).out.endsWith(" " PELORIN_VERSION "\n"));
  }
  EXPECT_TRUE(run(kRender, {"--help"}).out.contains("white"));
}

TEST_F(CommandLine, BreedingAtRateZeroCopiesOneParentAndMixesTwo) {
  parents();
  ASSERT_EQ(run(kBreed, {"--rate", "0", "-o", "copy.txt", "a.txt"}).status, 0);
  EXPECT_EQ(bytes("copy.txt"), bytes("a.txt"));
  ASSERT_EQ(run(kBreed, {"--rate=0", "-o", "child.txt", "a.txt", "b.txt"}).status, 0);
  const QList<QByteArray> a = bytes("a.txt").split('\n'), b = bytes("b.txt").split('\n');
  const QList<QByteArray> child = bytes("child.txt").split('\n');
  ASSERT_EQ(child.size(), a.size());
  int fromA = 0, fromB = 0;
  for (qsizetype i = 0; i < child.size(); ++i) {
    EXPECT_TRUE(child[i] == a[i] || child[i] == b[i]) << "line " << i + 1;
    (child[i] == a[i] ? fromA : fromB) += a[i] != b[i];
  }
  EXPECT_GT(fromA, 100);
  EXPECT_GT(fromB, 100);
}

// The rate and the parents are read in the user's number format.
TEST_F(CommandLine, TheSameSeedGivesTheSameChild) {
  parents("de_DE.UTF-8");
  const auto child = [&](const QStringList& arguments) {
    EXPECT_EQ(run(kBreed, arguments + QStringList{"--rate", "0,3", "-o", "child.txt"}, "de_DE.UTF-8").status, 0);
    return bytes("child.txt");
  };
  const QByteArray first = child({"--seed", "42", "a.txt", "b.txt"});
  EXPECT_EQ(child({"--seed", "42", "a.txt", "b.txt"}), first);
  EXPECT_NE(child({"--seed", "43", "a.txt", "b.txt"}), first);
  EXPECT_NE(child({"a.txt", "b.txt"}), child({"a.txt", "b.txt"}));
  EXPECT_EQ(child({"--seed", "7"}), child({"--seed", "7"}));  // wholly random
}

}  // namespace
}  // namespace pelorin
