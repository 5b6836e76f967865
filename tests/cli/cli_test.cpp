// Runs the built pelorin-render and pelorin-breed as a user would, with no
// display and no Qt platform named.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <numbers>
#include <set>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/line_geometry.h"
#include "picture/picture_export.h"
#include "picture/whole_path.h"
#include "platform/numbers.h"
#include "support/fixed_random.h"

namespace pelorin {
namespace {

const QString kRender = QStringLiteral(PELORIN_RENDER);
const QString kBreed = QStringLiteral(PELORIN_BREED);
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
    if (!locale.isEmpty()) environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(10000)) << program.toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
  }

  QString path(const QString& name) const { return dir.filePath(name); }
  QByteArray bytes(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // A hand-made picture: a red hair line right, a blue pen of 3 down, then
  // hidden genes; wide path when far.
  void handMade(const QString& name, bool far = false) {
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
    SaveGeneticCode(code, path(name));
  }

  // A random picture made without the programs, in the number format.
  void randomFile(const QString& name, std::uint64_t seed, NumberFormat format = {}) {
    const ScopedNumberFormat scopedFormat(format);
    testing::FixedRandom random(seed);
    ScopedRandomSource scope(random);
    clsGenSeq genes;
    for (std::int16_t i = 0; i < 64; ++i) genes.GetGene(i)->Random();
    SaveGeneticCode(genes, path(name));
  }

  QTemporaryDir dir;
  clsGenSeq code;
  SegmentTable lines;
};

class RenderScale : public CommandLine, public ::testing::WithParamInterface<int> {};

TEST_P(RenderScale, PngIsThePictureDrawnAtTheScaleOnWhite) {
  const int scale = GetParam();
  handMade(QStringLiteral("pic.txt"));
  const Result done = run(kRender, {QStringLiteral("--scale"), QString::number(scale), "pic.txt", "pic.png"});
  ASSERT_EQ(done.status, 0) << done.err.toStdString();
  EXPECT_TRUE(done.out.isEmpty() && done.err.isEmpty());
  const QImage image(path(QStringLiteral("pic.png")));
  ASSERT_EQ(image.size(), QSize(113, 105) * scale);
  // (850, 800) to (1450, 800) in red, then down to (1450, 1400) in blue.
  EXPECT_EQ(image.pixel(75 * scale, 53 * scale), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(96 * scale + 1, 75 * scale), qRgb(0, 80, 255));
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
  const QImage drawn = RenderPicture(code, lines, scale, kWhite);
  EXPECT_EQ(image.convertToFormat(drawn.format()), drawn);
}

TEST_P(RenderScale, WholeKeepsEveryDrawnSegmentInTheImage) {
  const int scale = GetParam();
  handMade(QStringLiteral("far.txt"), true);
  ASSERT_EQ(run(kRender, {"--whole", "--scale", QString::number(scale), "far.txt", "far.png"}).status, 0);
  ASSERT_EQ(run(kRender, {"--scale", QString::number(scale), "far.txt", "window.png"}).status, 0);
  const auto colours = [](const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return seen;
  };
  const QImage whole(path(QStringLiteral("far.png")));
  EXPECT_EQ(colours(whole), (std::set<QRgb>{qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 80, 255), qRgb(0, 160, 255),
                                            qRgb(0, 240, 255)}));
  EXPECT_LT(colours(QImage(path(QStringLiteral("window.png")))).size(), 5u);  // the window shows part
  const QImage drawn = RenderWholePath(code, lines, QSize(113, 105), scale, kWhite);
  EXPECT_EQ(whole.convertToFormat(drawn.format()), drawn);
}

INSTANTIATE_TEST_SUITE_P(Scales, RenderScale, ::testing::Values(1, 3));

TEST_F(CommandLine, FormatFollowsTheOptionThenTheSuffix) {
  handMade(QStringLiteral("pic.txt"));
  const QByteArray svg = PictureSvg(code, lines, kWhite);
  const QByteArray wholeSvg = WholePathSvg(code, lines, QSize(113, 105), kWhite);
  const struct {
    QStringList options;
    QString output;
    QByteArray starts;
  } cases[] = {{{}, "a.svg", svg},
               {{}, "a.PNG", "\x89PNG"},
               {{}, "a.out", "\x89PNG"},
               {{"--format", "svg"}, "a.png", svg},
               {{"--format=PNG"}, "b.svg", "\x89PNG"},
               {{"--whole"}, "w.svg", wholeSvg}};
  for (const auto& c : cases) {
    ASSERT_EQ(run(kRender, c.options + QStringList{"pic.txt", c.output}).status, 0) << c.output.toStdString();
    EXPECT_TRUE(bytes(c.output).startsWith(c.starts)) << c.output.toStdString();
  }
}

TEST_F(CommandLine, FailureSaysWhatInOneLineAndWritesNothing) {
  handMade(QStringLiteral("pic.txt"));
  QByteArray text = bytes(QStringLiteral("pic.txt"));
  const auto write = [&](const QString& name, const QByteArray& content) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  };
  // Line 36 is ColorRed of gene 4; gene 0 of length 32767 ends off the grid.
  QList<QByteArray> fileLines = text.split('\n');
  fileLines[35] = "red\r";
  write(QStringLiteral("mismatch.txt"), fileLines.join('\n'));
  write(QStringLiteral("short.txt"), text.left(100));
  write(QStringLiteral("far.txt"), text.replace("600\r\n", "32767\r\n"));
  write(QStringLiteral("kept.png"), "old");
  const struct {
    QString input, output, message;
  } cases[] = {
      {"mismatch.txt", "x.png", "Type mismatch in line 36 of \"mismatch.txt\": ColorRed of gene 4"},
      {"short.txt", "x.svg", "Input past end of file in line 20 of \"short.txt\": ColorRed of gene 2"},
      {"far.txt", "kept.png", "Overflow in \"far.txt\""},
      {"none.txt", "kept.png", "File access error in \"none.txt\": No such file or directory"},
      {".", "x.png", "File access error in \".\": Is a directory"},
  };
  for (const auto& c : cases) {
    const Result done = run(kRender, {c.input, c.output});
    EXPECT_EQ(done.status, 1);
    EXPECT_EQ(done.err.toStdString(), ("pelorin-render: " + c.message + "\n").toStdString());
    EXPECT_EQ(bytes(c.output), c.output == "kept.png" ? "old" : "<missing>");
  }
  const Result breed = run(kBreed, {"-o", "child.txt", "pic.txt", "none.txt"});
  EXPECT_EQ(breed.status, 1);
  EXPECT_EQ(breed.err, "pelorin-breed: File access error in \"none.txt\": No such file or directory\n");
  EXPECT_EQ(bytes("child.txt"), "<missing>");
}

TEST_F(CommandLine, UsageErrorsGiveTwoHelpAndVersionZero) {
  handMade(QStringLiteral("pic.txt"));
  const struct {
    QString program;
    QStringList arguments;
  } usage[] = {
      {kRender, {"pic.txt"}},
      {kRender, {"pic.txt", "a.png", "b.png"}},
      {kRender, {"--scale", "0", "pic.txt", "a.png"}},
      {kRender, {"--scale", "17", "pic.txt", "a.png"}},
      {kRender, {"--scale=2.5", "pic.txt", "a.png"}},
      {kRender, {"--format", "gif", "pic.txt", "a.png"}},
      {kRender, {"--whole=yes", "pic.txt", "a.png"}},
      {kRender, {"pic.txt", "a.png", "--scale"}},
      {kBreed, {"pic.txt"}},
      {kBreed, {"-o", "a.txt", "--rate", "fast"}},
      {kBreed, {"-o", "a.txt", "--seed", "-1"}},
      {kBreed, {"-o", "a.txt", "--colour", "red"}},
  };
  for (const auto& u : usage) {
    const Result done = run(u.program, u.arguments);
    EXPECT_EQ(done.status, 2) << u.arguments.join(' ').toStdString();
    EXPECT_TRUE(done.err.startsWith(QFileInfo(u.program).fileName().toUtf8() + ": ")) << done.err.toStdString();
    EXPECT_EQ(bytes("a.png") + bytes("a.txt"), "<missing><missing>");
  }
  EXPECT_TRUE(run(kBreed, {"-o", "a.txt", "--rate", "fast"}).err.contains("The Mutation Rate must be a number."));
  for (const QString& program : {kRender, kBreed}) {
    const Result help = run(program, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: " + QFileInfo(program).fileName().toUtf8()));
    const Result version = run(program, {"--version"});
    EXPECT_EQ(version.out, QFileInfo(program).fileName().toUtf8() + " " PELORIN_VERSION "\n");
  }
  EXPECT_TRUE(run(kRender, {"--help"}).out.contains("white"));
}

TEST_F(CommandLine, BreedingAtRateZeroCopiesOneParentAndMixesTwo) {
  randomFile(QStringLiteral("a.txt"), 1);
  randomFile(QStringLiteral("b.txt"), 2);
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
  randomFile(QStringLiteral("a.txt"), 1);
  randomFile(QStringLiteral("b.txt"), 2);
  const auto child = [&](const QStringList& arguments) {
    EXPECT_EQ(run(kBreed, arguments + QStringList{"-o", "child.txt"}).status, 0);
    return bytes("child.txt");
  };
  const QByteArray first = child({"--seed", "42", "--rate", "0.3", "a.txt", "b.txt"});
  EXPECT_EQ(child({"--seed", "42", "--rate", "0.3", "a.txt", "b.txt"}), first);
  EXPECT_NE(child({"--seed", "43", "--rate", "0.3", "a.txt", "b.txt"}), first);
  EXPECT_NE(child({"--rate", "0.3", "a.txt", "b.txt"}), child({"--rate", "0.3", "a.txt", "b.txt"}));
  const QByteArray random = child({"--seed", "7"});
  EXPECT_EQ(child({"--seed", "7"}), random);
  EXPECT_EQ(random.count('\n'), 512);
}

// Each trait mutates at the rate, written in the user's number format;
// the others come from the parent as the file holds it.
TEST_F(CommandLine, RateIsReadInTheUsersNumberFormatAndOnlyTheChildMutates) {
  randomFile(QStringLiteral("a.txt"), 1, NumberFormat{u',', u'.'});
  const Result done = run(kBreed, {"--rate", "0,5", "--seed", "3", "-o", "child.txt", "a.txt"}, "de_DE.UTF-8");
  ASSERT_EQ(done.status, 0) << done.err.toStdString();
  const QList<QByteArray> parent = bytes("a.txt").split('\n'), child = bytes("child.txt").split('\n');
  ASSERT_EQ(child.size(), parent.size());
  int kept = 0;
  for (qsizetype i = 0; i < child.size(); ++i) kept += i % 8 != 7 && child[i] == parent[i];
  // Half the 448 trait lines are inherited, and a few mutated ones come out the same.
  EXPECT_GT(kept, 448 * 0.45);
  EXPECT_LT(kept, 448 * 0.65);
}

}  // namespace
}  // namespace pelorin
