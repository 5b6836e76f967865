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
#include "platform/numbers.h"
#include "support/fixed_random.h"

namespace pelorin {
namespace {

const QString kRender = QStringLiteral(PELORIN_RENDER), kBreed = QStringLiteral(PELORIN_BREED);
const QColor kWhite(Qt::white);

struct Result {
  int status;
  QByteArray out, err;
};

class CommandLine : public ::testing::Test {
 protected:
  Result run(const QString& program, const QStringList& arguments, const QString& locale = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    // The programs' number format is the one a test names, else '.' whatever
    // the machine's locale.
    environment.insert(QStringLiteral("LC_ALL"), locale.isEmpty() ? QStringLiteral("C.UTF-8") : locale);
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
  void write(const QString& name, const QByteArray& content) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
  }

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

  // A random genetic code file, written in the number format.
  void randomFile(const QString& name, std::uint64_t seed, NumberFormat format = {}) {
    const ScopedNumberFormat scopedFormat(format);
    testing::FixedRandom random(seed);
    ScopedRandomSource scope(random);
    clsGenSeq genes;
    for (std::int16_t i = 0; i < 64; ++i) genes.GetGene(i)->Random();
    SaveGeneticCode(genes, dir.filePath(name));
  }

  QTemporaryDir dir;
  clsGenSeq code;
  SegmentTable lines;
};

class RenderScale : public CommandLine, public ::testing::WithParamInterface<int> {};

TEST_P(RenderScale, PngIsThePictureDrawnAfreshAtTheScaleOnWhite) {
  const int scale = GetParam();
  handMade();
  const Result done = run(kRender, {"--scale", QString::number(scale), "pic.txt", "pic.png"});
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
}

TEST_P(RenderScale, WholeKeepsEveryDrawnSegmentInTheImage) {
  const QString scale = QString::number(GetParam());
  handMade(true);
  ASSERT_EQ(run(kRender, {"--whole", "--scale", scale, "pic.txt", "whole.png"}).status, 0);
  ASSERT_EQ(run(kRender, {"--scale", scale, "pic.txt", "window.png"}).status, 0);
  const auto colours = [](const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return seen;
  };
  const QImage whole = QImage::fromData(bytes("whole.png"));
  EXPECT_EQ(colours(whole), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 80, 255), qRgb(0, 160, 255),
                                            qRgb(0, 240, 255)}));
  EXPECT_LT(colours(QImage::fromData(bytes("window.png"))).size(), 5u);  // the window shows a corner
  const QImage drawn = RenderWholePath(code, lines, QSize(113, 105), GetParam(), kWhite);
  EXPECT_EQ(whole.convertToFormat(drawn.format()), drawn);
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
               {{}, "a.out", png},
               {{"--format", "svg"}, "b.png", svg},
               {{"--format=PNG"}, "b.svg", png},
               {{"--whole"}, "w.svg", WholePathSvg(code, lines, QSize(113, 105), kWhite)}};
  for (const auto& c : cases) {
    EXPECT_EQ(run(kRender, c.options + QStringList{"pic.txt", c.output}).status, 0);
    EXPECT_EQ(bytes(c.output).left(c.content.size()), c.content) << c.output.toStdString();
  }
}

TEST_F(CommandLine, FailureSaysWhatInOneLineAndWritesNothing) {
  handMade();
  QByteArray text = bytes("pic.txt");
  QList<QByteArray> fileLines = text.split('\n');
  fileLines[35] = "red\r";  // ColorRed of gene 4
  write("mismatch.txt", fileLines.join('\n'));
  write("short.txt", text.left(100));
  write("far.txt", text.replace("600\r\n", "32767\r\n"));  // gene 0 ends past 32767
  write("kept.png", "old");
  const struct {
    QString program, input, output, message;
  } cases[] = {
      {kRender, "mismatch.txt", "x.png", "Type mismatch in line 36 of \"mismatch.txt\": ColorRed of gene 4"},
      {kRender, "short.txt", "x.svg", "Input past end of file in line 20 of \"short.txt\": ColorRed of gene 2"},
      {kRender, "far.txt", "kept.png", "Overflow in \"far.txt\""},
      {kRender, ".", "x.png", "File access error in \".\": Is a directory"},
      {kBreed, "none.txt", "kept.png", "File access error in \"none.txt\": No such file or directory"},
  };
  for (const auto& c : cases) {
    const QStringList arguments =
        c.program == kRender ? QStringList{c.input, c.output} : QStringList{"-o", c.output, c.input};
    const Result done = run(c.program, arguments);
    EXPECT_EQ(done.status, 1);
    const QString name = c.program == kRender ? "pelorin-render: " : "pelorin-breed: ";
    EXPECT_EQ(done.err.toStdString(), (name + c.message + "\n").toStdString());
    EXPECT_EQ(bytes(c.output), c.output == "kept.png" ? "old" : "<missing>");
  }
}

TEST_F(CommandLine, UsageErrorsGiveTwoHelpAndVersionZero) {
  handMade();
  const struct {
    QString program;
    QStringList arguments;
  } usage[] = {
      {kRender, {"pic.txt"}},
      {kRender, {"--scale", "17", "pic.txt", "a.png"}},
      {kRender, {"--scale=2.5", "pic.txt", "a.png"}},
      {kRender, {"--format", "gif", "pic.txt", "a.png"}},
      {kRender, {"--whole=yes", "pic.txt", "a.png"}},
      {kBreed, {"pic.txt"}},
      {kBreed, {"-o", "a.png", "--rate", "fast"}},
      {kBreed, {"-o", "a.png", "--seed", "-1"}},
  };
  for (const auto& u : usage) {
    const Result done = run(u.program, u.arguments);
    EXPECT_EQ(done.status, 2) << u.arguments.join(' ').toStdString();
    EXPECT_TRUE(done.err.startsWith(u.program == kRender ? "pelorin-render: " : "pelorin-breed: "));
    EXPECT_EQ(bytes("a.png"), "<missing>");
  }
  EXPECT_TRUE(run(kBreed, {"-o", "a.txt", "--rate", "fast"}).err.contains("The Mutation Rate must be a number."));
  for (const QString& program : {kRender, kBreed}) {
    EXPECT_TRUE(run(program, {"--help"}).out.startsWith("Usage: pelorin-"));
    EXPECT_TRUE(run(program, {"--version"}).out.endsWith(" " PELORIN_VERSION "\n"));
  }
  EXPECT_TRUE(run(kRender, {"--help"}).out.contains("white"));
}

TEST_F(CommandLine, BreedingAtRateZeroCopiesOneParentAndMixesTwo) {
  randomFile("a.txt", 1);
  randomFile("b.txt", 2);
  ASSERT_EQ(run(kBreed, {"--rate", "0", "-o", "copy.txt", "a.txt"}).status, 0);
  EXPECT_EQ(bytes("copy.txt"), bytes("a.txt"));
  ASSERT_EQ(run(kBreed, {"--rate=0", "-o", "child.txt", "a.txt", "b.txt"}).status, 0);
  const QList<QByteArray> a = bytes("a.txt").split('\n'), b = bytes("b.txt").split('\n');
  const QList<QByteArray> child = bytes("child.txt").split('\n');
  ASSERT_EQ(child.size(), a.size());
  int fromA = 0, fromB = 0;
  for (qsizetype i = 0; i < child.size(); ++i) {
    EXPECT_TRUE(child[i] == a[i] || child[i] == b[i]) << "line " << i + 1;
    fromA += child[i] == a[i] && a[i] != b[i];
    fromB += child[i] == b[i] && a[i] != b[i];
  }
  EXPECT_GT(fromA, 100);
  EXPECT_GT(fromB, 100);
}

TEST_F(CommandLine, TheSameSeedGivesTheSameChild) {
  randomFile("a.txt", 1);
  randomFile("b.txt", 2);
  const auto child = [&](const QStringList& arguments) {
    EXPECT_EQ(run(kBreed, arguments + QStringList{"-o", "child.txt"}).status, 0);
    return bytes("child.txt");
  };
  const QByteArray first = child({"--seed", "42", "--rate", "0.3", "a.txt", "b.txt"});
  EXPECT_EQ(child({"--seed", "42", "--rate", "0.3", "a.txt", "b.txt"}), first);
  EXPECT_NE(child({"--seed", "43", "--rate", "0.3", "a.txt", "b.txt"}), first);
  EXPECT_NE(child({"--rate", "0.3", "a.txt", "b.txt"}), child({"--rate", "0.3", "a.txt", "b.txt"}));
  EXPECT_EQ(child({"--seed", "7"}), child({"--seed", "7"}));  // wholly random
}

// The rate is written in the user's number format, and only the child
// mutates: the parent comes as its file holds it.
TEST_F(CommandLine, RateIsReadInTheUsersNumberFormatAndOnlyTheChildMutates) {
  randomFile("a.txt", 1, NumberFormat{u',', u'.'});
  const Result done = run(kBreed, {"--rate", "0,5", "--seed", "3", "-o", "child.txt", "a.txt"}, "de_DE.UTF-8");
  ASSERT_EQ(done.status, 0) << done.err.toStdString();
  const QList<QByteArray> parent = bytes("a.txt").split('\n'), child = bytes("child.txt").split('\n');
  ASSERT_EQ(child.size(), parent.size());
  int kept = 0;
  for (qsizetype i = 0; i < child.size(); ++i) kept += i % 8 != 7 && child[i] == parent[i];
  // Half the 448 trait lines are inherited; a few mutated ones come out the same.
  EXPECT_GT(kept, 448 * 0.45);
  EXPECT_LT(kept, 448 * 0.65);
}

}  // namespace
}  // namespace pelorin
