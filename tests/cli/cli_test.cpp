// Runs the built pelorin-render and pelorin-breed as a user would, with no
// display and no Qt platform named.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <numbers>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "picture/picture_export.h"
#include "picture/whole_path.h"
#include "platform/file_access.h"

namespace pelorin {
namespace {

const QString kRender = QStringLiteral(PELORIN_RENDER), kBreed = QStringLiteral(PELORIN_BREED);

class CommandLine : public ::testing::Test {
 protected:
  // The exit status; out and err hold what it printed. Numbers as the locale writes them.
  int run(const QString& program, const QStringList& arguments, const QString& locale = "C.UTF-8") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit);
    out = process.readAllStandardOutput(), err = process.readAllStandardError();
    return process.exitCode();
  }
  QByteArray bytes(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // pic.txt: a square of sides 600 from (850, 800), first right in a red
  // hair line, then blue, down with a pen of 3.
  void handMade() {
    for (std::int16_t i = 0; i < 4; ++i) {
      code.SetGColorLength(i, 600);
      code.SetGAngle(i, i * std::numbers::pi / 2);
      code.SetGColorWidth(i, i == 1 ? 3 : 1);
      code.SetGColorRed(i, i == 0 ? 255 : 0);
      code.SetGColorBlue(i, i == 0 ? 0 : 255);
      code.SetGColorDraw(i, kTrue16);
    }
    ComputeSegments(code, lines);
    SaveGeneticCode(code, dir.filePath(QStringLiteral("pic.txt")));
  }

  QTemporaryDir dir;
  QByteArray out, err;
  clsGenSeq code;
  SegmentTable lines;
};

TEST_F(CommandLine, PngIsThePictureAtTheScaleAndWholeKeepsEverySegment) {
  handMade();
  const auto rgb = [](const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); };
  for (const int scale : {1, 3}) {
    ASSERT_EQ(run(kRender, {"--scale", QString::number(scale), "pic.txt", "pic.png"}), 0) << err.toStdString();
    const QImage image = QImage::fromData(bytes("pic.png"));
    ASSERT_EQ(image.size(), QSize(113, 105) * scale);
    // Red from (850, 800) to (1450, 800), then the pen of 3 down to (1450, 1400).
    EXPECT_EQ(image.pixel(75 * scale, 53 * scale), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(96 * scale + 1, 75 * scale), qRgb(0, 0, 255));
    EXPECT_EQ(rgb(image), rgb(RenderPicture(code, lines, scale, Qt::white)));
    ASSERT_EQ(run(kRender, {"--whole", "--scale", QString::number(scale), "pic.txt", "whole.png"}), 0);
    const QImage whole = QImage::fromData(bytes("whole.png"));
    EXPECT_EQ(rgb(whole), rgb(RenderWholePath(code, lines, QSize(113, 105), scale, Qt::white))) << scale;
  }
}

// The format follows --format, then the suffix. A failure: status 1, one
// line, no output; a usage error: status 2.
TEST_F(CommandLine, WritesTheFormatAskedOrOnAFailureOrUsageErrorSaysWhatAndWritesNothing) {
  handMade();
  QList<QByteArray> fileLines = bytes("pic.txt").split('\n');
  fileLines[35] = "red\r";  // ColorRed of gene 4
  WriteFileAtomically(dir.filePath("mismatch.txt"), fileLines.join('\n'));
  WriteFileAtomically(dir.filePath("kept.png"), "old");
  // Status 0: how the last file named begins; else how standard error does.
  const std::tuple<QString, QStringList, int, QByteArray> cases[] = {
      {kRender, {"pic.txt", "a.svg"}, 0, PictureSvg(code, lines, Qt::white)},
      {kRender, {"--format=PNG", "pic.txt", "b.svg"}, 0, "\x89PNG"},
      {kRender, {"--whole", "pic.txt", "w.svg"}, 0, WholePathSvg(code, lines, QSize(113, 105), Qt::white)},
      {kRender, {"mismatch.txt", "kept.png"}, 1, "Type mismatch in line 36 of \"mismatch.txt\": ColorRed of gene 4\n"},
      {kBreed, {"-o", "x.png", "none.txt"}, 1, "File access error in \"none.txt\": No such file or directory\n"},
      {kBreed, {"-o", "x.png", "--rate", "fast"}, 2, "The Mutation Rate must be a number."},
      {kRender, {"--scale", "17", "pic.txt", "x.png"}, 2, ""},
      {kBreed, {"pic.txt"}, 2, ""}};
  for (const auto& [program, arguments, status, text] : cases) {
    EXPECT_EQ(run(program, arguments), status) << arguments.join(' ').toStdString();
    const QByteArray said = QByteArray(program == kRender ? "pelorin-render: " : "pelorin-breed: ") + text;
    EXPECT_EQ(status == 0 ? bytes(arguments.last()).left(text.size()) : text, text) << err.toStdString();
    EXPECT_TRUE(status == 0 || (status == 2 ? err.startsWith(said) : err == said)) << err.toStdString();
    EXPECT_EQ(bytes("x.png") + bytes("kept.png"), "<missing>old");
  }
  for (const QString& program : {kRender, kBreed}) {
    EXPECT_TRUE(run(program, {"--version"}) == 0 && out.endsWith(" " PELORIN_VERSION "\n"));
    EXPECT_TRUE(run(program, {"--help"}) == 0 && out.startsWith("Usage: pelorin-") &&
                (program == kBreed || out.contains("white")));
  }
}

// The rate and the parents are read in the user's number format.
TEST_F(CommandLine, BreedingAtRateZeroCopiesOrMixesTheParentsAndASeedRepeatsTheChild) {
  const auto breed = [&](const QStringList& arguments, const QString& output = "child.txt") {
    EXPECT_EQ(run(kBreed, arguments + QStringList{"-o", output}, "de_DE.UTF-8"), 0) << err.toStdString();
    return bytes(output);
  };
  const QByteArray a = breed({"--seed", "1"}, "a.txt"), b = breed({"--seed", "2"}, "b.txt");
  EXPECT_EQ(breed({"--rate", "0", "a.txt"}), a);
  EXPECT_EQ(breed({"--seed", "42", "--rate", "0,3", "a.txt", "b.txt"}),
            breed({"--seed", "42", "--rate", "0,3", "a.txt", "b.txt"}));
  EXPECT_NE(breed({"a.txt", "b.txt"}), breed({"a.txt", "b.txt"}));  // the clock reseeds
  const QList<QByteArray> child = breed({"--rate=0", "a.txt", "b.txt"}).split('\n'), fromA = a.split('\n'),
                          fromB = b.split('\n');
  ASSERT_EQ(child.size(), fromA.size());
  for (qsizetype i = 0; i < child.size(); ++i)
    EXPECT_TRUE(child[i] == fromA[i] || child[i] == fromB[i]) << "line " << i + 1;
  EXPECT_TRUE(child != fromA && child != fromB);  // both parents give traits
}

}  // namespace
}  // namespace pelorin
